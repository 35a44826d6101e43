// The toolbar window on Windows: a real toolbar common control, a child of the host's window.
#include "orvmenu/ToolBar.h"

#include "ui/Gdi.h"
#include "ui/ToolBarControl.h"
#include "ui/win32/Win32.h"

#include <commctrl.h>

#include <cstddef>

// The components fill these for the control: they must be its own structures, byte for byte.
static_assert(sizeof(orv::ui::TbButton) == sizeof(TBBUTTON));
static_assert(offsetof(orv::ui::TbButton, iBitmap) == offsetof(TBBUTTON, iBitmap));
static_assert(offsetof(orv::ui::TbButton, idCommand) == offsetof(TBBUTTON, idCommand));
static_assert(offsetof(orv::ui::TbButton, fsState) == offsetof(TBBUTTON, fsState));
static_assert(offsetof(orv::ui::TbButton, fsStyle) == offsetof(TBBUTTON, fsStyle));
static_assert(offsetof(orv::ui::TbButton, dwData) == offsetof(TBBUTTON, dwData));
static_assert(offsetof(orv::ui::TbButton, iString) == offsetof(TBBUTTON, iString));
static_assert(sizeof(orv::ui::ColorScheme) == sizeof(COLORSCHEME));
static_assert(offsetof(orv::ui::ColorScheme, clrBtnHighlight) == offsetof(COLORSCHEME, clrBtnHighlight));
static_assert(offsetof(orv::ui::ColorScheme, clrBtnShadow) == offsetof(COLORSCHEME, clrBtnShadow));
static_assert(sizeof(CRect) == sizeof(RECT));

static_assert(orv::ui::kTbAddButtonsA == TB_ADDBUTTONSA && orv::ui::kTbInsertButtonA == TB_INSERTBUTTONA);
static_assert(orv::ui::kTbDeleteButton == TB_DELETEBUTTON && orv::ui::kTbGetButton == TB_GETBUTTON);
static_assert(orv::ui::kTbButtonCount == TB_BUTTONCOUNT && orv::ui::kTbGetItemRect == TB_GETITEMRECT);
static_assert(orv::ui::kTbSetToolTips == TB_SETTOOLTIPS && orv::ui::kTbGetToolTips == TB_GETTOOLTIPS);
static_assert(orv::ui::kTbSetImageList == TB_SETIMAGELIST && orv::ui::kTbGetImageList == TB_GETIMAGELIST);
static_assert(orv::ui::kTbSetExtendedStyle == TB_SETEXTENDEDSTYLE);
static_assert(orv::ui::kTbGetExtendedStyle == TB_GETEXTENDEDSTYLE);
static_assert(orv::ui::kTbButtonStructSize == TB_BUTTONSTRUCTSIZE);
static_assert(orv::ui::kCcmSetColorScheme == CCM_SETCOLORSCHEME && orv::ui::kCcmGetColorScheme == CCM_GETCOLORSCHEME);
static_assert(orv::ui::kWmLButtonDown == WM_LBUTTONDOWN && orv::ui::kWmLButtonUp == WM_LBUTTONUP);
static_assert(orv::ui::kTbstyleExDrawDDArrows == TBSTYLE_EX_DRAWDDARROWS);
static_assert(orv::ui::kTbstateChecked == TBSTATE_CHECKED);
static_assert(orv::ui::kTbstateEnabled == TBSTATE_ENABLED && orv::ui::kTbstateHidden == TBSTATE_HIDDEN);
static_assert(orv::ui::kTbstyleSep == TBSTYLE_SEP && orv::ui::kTbstyleCheck == TBSTYLE_CHECK);
static_assert(orv::ui::kTbstyleGroup == TBSTYLE_GROUP && orv::ui::kTbstyleCheckGroup == TBSTYLE_CHECKGROUP);
static_assert(orv::ui::kBtnsDropDown == BTNS_DROPDOWN && orv::ui::kBtnsWholeDropDown == BTNS_WHOLEDROPDOWN);

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Flat buttons at the top of the parent, without the divider line, as the framework's toolbar;
// it keeps sizing itself to the parent's width since no frame lays it out here.
constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER;

}  // namespace

bool CToolBar::Create(HWND parent, unsigned id) {
    if (hwnd_ != nullptr || parent == nullptr || !::IsWindow(parent)) return false;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    if (!::InitCommonControlsEx(&init)) return false;
    hwnd_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, kToolBarStyle, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
    if (hwnd_ == nullptr) return false;
    // The structure size the buttons are read with, as the framework tells the control.
    ::SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool CToolBar::DestroyWindow() {
    HWND wnd = hwnd_;
    hwnd_ = nullptr;
    // Gone already when its parent was destroyed first.
    return wnd != nullptr && ::IsWindow(wnd) && ::DestroyWindow(wnd) != FALSE;
}
