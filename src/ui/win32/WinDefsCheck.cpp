// Every number of ui/WinDefs.h and of the public headers, checked against the system's own
// headers: built into the toolkit on both Windows targets, so a wrong number fails the build.
#include "orvmenu/Keyboard.h"
#include "orvmenu/Menu.h"
#include "orvmenu/MessageBox.h"
#include "ui/WinDefs.h"

#include "ui/win32/Win32.h"

#include <commctrl.h>

namespace ui = orv::ui;

static_assert(ui::kWmDestroy == WM_DESTROY && ui::kWmSetText == WM_SETTEXT && ui::kWmGetText == WM_GETTEXT);
static_assert(ui::kWmGetTextLength == WM_GETTEXTLENGTH && ui::kWmPaint == WM_PAINT);
static_assert(ui::kWmSetFont == WM_SETFONT && ui::kWmGetFont == WM_GETFONT);
static_assert(ui::kWmNcDestroy == WM_NCDESTROY && ui::kWmNcPaint == WM_NCPAINT);
static_assert(ui::kWmKeyDown == WM_KEYDOWN && ui::kWmChar == WM_CHAR && ui::kWmCommand == WM_COMMAND);
static_assert(ui::kWmCtlColorEdit == WM_CTLCOLOREDIT && ui::kWmCtlColorListBox == WM_CTLCOLORLISTBOX);
static_assert(ui::kWmLButtonDown == WM_LBUTTONDOWN && ui::kWmLButtonUp == WM_LBUTTONUP);
static_assert(ui::kWmUser == WM_USER && ui::kWmApp == WM_APP && orv::kWmUserCode == WM_USER + 0x3F2);

static_assert(ui::kWsPopup == WS_POPUP && ui::kWsChild == WS_CHILD && ui::kWsVisible == WS_VISIBLE);
static_assert(ui::kWsBorder == WS_BORDER && ui::kWsVScroll == WS_VSCROLL);
static_assert(ui::kSwHide == SW_HIDE && ui::kSwShow == SW_SHOW && ui::kSmCxHThumb == SM_CXHTHUMB);
static_assert(ui::kVkReturn == VK_RETURN && ui::kVkDown == VK_DOWN);
static_assert(ui::kVkShift == VK_SHIFT && ui::kVkControl == VK_CONTROL && ui::kVkMenu == VK_MENU);

static_assert(ui::kCbsDropDown == CBS_DROPDOWN && ui::kCbsDropDownList == CBS_DROPDOWNLIST);
static_assert(ui::kCbsTypeMask == (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST));
static_assert(ui::kCbsAutoHScroll == CBS_AUTOHSCROLL);
static_assert(ui::kCbSetEditSel == CB_SETEDITSEL && ui::kCbAddString == CB_ADDSTRING);
static_assert(ui::kCbDeleteString == CB_DELETESTRING && ui::kCbGetCount == CB_GETCOUNT);
static_assert(ui::kCbGetCurSel == CB_GETCURSEL && ui::kCbGetLbText == CB_GETLBTEXT);
static_assert(ui::kCbGetLbTextLen == CB_GETLBTEXTLEN && ui::kCbInsertString == CB_INSERTSTRING);
static_assert(ui::kCbFindString == CB_FINDSTRING && ui::kCbSelectString == CB_SELECTSTRING);
static_assert(ui::kCbSetCurSel == CB_SETCURSEL && ui::kCbSetItemHeight == CB_SETITEMHEIGHT);
static_assert(ui::kCbFindStringExact == CB_FINDSTRINGEXACT && ui::kCbSetDroppedWidth == CB_SETDROPPEDWIDTH);
static_assert(ui::kCbErr == CB_ERR && ui::kCbnSelChange == CBN_SELCHANGE && ui::kCbnSetFocus == CBN_SETFOCUS);
static_assert(ui::kCbnEditChange == CBN_EDITCHANGE && ui::kCbnEditUpdate == CBN_EDITUPDATE);
static_assert(ui::kCbnSelEndOk == CBN_SELENDOK);
static_assert(ui::kCtlColorEdit == CTLCOLOR_EDIT && ui::kCtlColorListBox == CTLCOLOR_LISTBOX);
static_assert(ui::kCbemInsertItem == CBEM_INSERTITEMA && ui::kCbeifText == CBEIF_TEXT);

static_assert(ui::kTbAddButtonsA == TB_ADDBUTTONSA && ui::kTbInsertButtonA == TB_INSERTBUTTONA);
static_assert(ui::kTbDeleteButton == TB_DELETEBUTTON && ui::kTbGetButton == TB_GETBUTTON);
static_assert(ui::kTbButtonCount == TB_BUTTONCOUNT && ui::kTbGetItemRect == TB_GETITEMRECT);
static_assert(ui::kTbButtonStructSize == TB_BUTTONSTRUCTSIZE);
static_assert(ui::kTbSetToolTips == TB_SETTOOLTIPS && ui::kTbGetToolTips == TB_GETTOOLTIPS);
static_assert(ui::kTbSetImageList == TB_SETIMAGELIST && ui::kTbGetImageList == TB_GETIMAGELIST);
static_assert(ui::kTbSetExtendedStyle == TB_SETEXTENDEDSTYLE && ui::kTbGetExtendedStyle == TB_GETEXTENDEDSTYLE);
static_assert(ui::kCcmSetColorScheme == CCM_SETCOLORSCHEME && ui::kCcmGetColorScheme == CCM_GETCOLORSCHEME);
static_assert(ui::kTbstyleExDrawDDArrows == TBSTYLE_EX_DRAWDDARROWS);
static_assert(ui::kTbstateEnabled == TBSTATE_ENABLED && ui::kTbstateHidden == TBSTATE_HIDDEN);
static_assert(ui::kTbstateChecked == TBSTATE_CHECKED);
static_assert(ui::kTbstyleSep == TBSTYLE_SEP && ui::kTbstyleCheck == TBSTYLE_CHECK);
static_assert(ui::kTbstyleGroup == TBSTYLE_GROUP && ui::kTbstyleCheckGroup == TBSTYLE_CHECKGROUP);
static_assert(ui::kBtnsDropDown == BTNS_DROPDOWN && ui::kBtnsWholeDropDown == BTNS_WHOLEDROPDOWN);

static_assert(ui::kTtsAlwaysTip == TTS_ALWAYSTIP && ui::kTtsNoPrefix == TTS_NOPREFIX);
static_assert(ui::kTtmActivate == TTM_ACTIVATE && ui::kTtmRelayEvent == TTM_RELAYEVENT);
static_assert(ui::kTtmGetToolCount == TTM_GETTOOLCOUNT);

static_assert(ui::kDtCenter == DT_CENTER && ui::kDtVCenter == DT_VCENTER && ui::kDtSingleLine == DT_SINGLELINE);
static_assert(ui::kTransparent == TRANSPARENT && ui::kOpaque == OPAQUE);
static_assert(ui::kPsSolid == PS_SOLID && ui::kPsNull == PS_NULL);
static_assert(ui::kIlcMask == ILC_MASK && ui::kIlcColor24 == ILC_COLOR24);

static_assert(ui::kSwpNoSize == SWP_NOSIZE && ui::kSwpNoZOrder == SWP_NOZORDER);
static_assert(ui::kSwpNoActivate == SWP_NOACTIVATE && ui::kSwpNoCopyBits == SWP_NOCOPYBITS);
static_assert(ui::MakeCommandParam(91000, CBN_SELCHANGE) == MAKEWPARAM(91000 & 0xFFFF, CBN_SELCHANGE));

static_assert(orv::menuflag::kString == MF_STRING && orv::menuflag::kPopup == MF_POPUP);
static_assert(orv::menuflag::kByPosition == MF_BYPOSITION && orv::menuflag::kSeparator == MF_SEPARATOR);
static_assert(orv::ui::kMbOk == MB_OK && orv::ui::kIdOk == IDOK);
