// The window system's numbers that the toolkit and the components use: messages, notifications,
// styles and flags, each defined once, by the value <windows.h> and <commctrl.h> give it.
// win32/WinDefsCheck.cpp compares every one with those headers on both Windows targets, so a
// number here is never a guess; nothing above the toolkit writes one of its own.
#pragma once

#include <cstdint>

#include "orvmenu/OrvWinTypes.h"

namespace orv::ui {

// --- window messages ------------------------------------------------------------------------------
constexpr unsigned kWmDestroy = 0x0002;
constexpr unsigned kWmSetText = 0x000C;
constexpr unsigned kWmGetText = 0x000D;
constexpr unsigned kWmGetTextLength = 0x000E;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmSetFont = 0x0030;
constexpr unsigned kWmGetFont = 0x0031;
constexpr unsigned kWmNcDestroy = 0x0082;
constexpr unsigned kWmNcPaint = 0x0085;
constexpr unsigned kWmKeyDown = 0x0100;
constexpr unsigned kWmChar = 0x0102;
using orv::kWmCommand;  // 0x0111, in the public header: the host receives it
constexpr unsigned kWmCtlColorEdit = 0x0133;
constexpr unsigned kWmCtlColorListBox = 0x0134;
constexpr unsigned kWmLButtonDown = 0x0201;
constexpr unsigned kWmLButtonUp = 0x0202;
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned kWmApp = 0x8000;

// --- window styles and show commands --------------------------------------------------------------
constexpr unsigned kWsPopup = 0x80000000u;
constexpr unsigned kWsChild = 0x40000000u;
constexpr unsigned kWsVisible = 0x10000000u;
constexpr unsigned kWsBorder = 0x00800000u;
constexpr unsigned kWsVScroll = 0x00200000u;
constexpr int kSwHide = 0;
constexpr int kSwShow = 5;
constexpr int kSmCxHThumb = 10;

// --- keys ------------------------------------------------------------------------------------------
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkDown = 0x28;

// --- combo box ---------------------------------------------------------------------------------------
constexpr unsigned kCbsDropDown = 0x0002;
constexpr unsigned kCbsDropDownList = 0x0003;
constexpr unsigned kCbsTypeMask = 0x0003;  // simple, drop-down or drop-down list
constexpr unsigned kCbsAutoHScroll = 0x0040;
constexpr unsigned kCbSetEditSel = 0x0142;
constexpr unsigned kCbAddString = 0x0143;
constexpr unsigned kCbDeleteString = 0x0144;
constexpr unsigned kCbGetCount = 0x0146;
constexpr unsigned kCbGetCurSel = 0x0147;
constexpr unsigned kCbGetLbText = 0x0148;
constexpr unsigned kCbGetLbTextLen = 0x0149;
constexpr unsigned kCbInsertString = 0x014A;
constexpr unsigned kCbFindString = 0x014C;
constexpr unsigned kCbSelectString = 0x014D;
constexpr unsigned kCbSetCurSel = 0x014E;
constexpr unsigned kCbSetItemHeight = 0x0153;
constexpr unsigned kCbFindStringExact = 0x0158;
constexpr unsigned kCbSetDroppedWidth = 0x0160;
constexpr int kCbErr = -1;
constexpr unsigned kCbnSelChange = 1;
constexpr unsigned kCbnSetFocus = 3;
constexpr unsigned kCbnEditChange = 5;
constexpr unsigned kCbnEditUpdate = 6;
constexpr unsigned kCbnSelEndOk = 9;
constexpr unsigned kCtlColorEdit = 1;
constexpr unsigned kCtlColorListBox = 2;
// The extended combo box's CBEM_INSERTITEMA and the item's text flag.
constexpr unsigned kCbemInsertItem = 0x0401;
constexpr unsigned kCbeifText = 0x0001;

// --- toolbar -----------------------------------------------------------------------------------------
constexpr unsigned kTbAddButtonsA = 0x0414;
constexpr unsigned kTbInsertButtonA = 0x0415;
constexpr unsigned kTbDeleteButton = 0x0416;
constexpr unsigned kTbGetButton = 0x0417;
constexpr unsigned kTbButtonCount = 0x0418;
constexpr unsigned kTbGetItemRect = 0x041D;
constexpr unsigned kTbButtonStructSize = 0x041E;
constexpr unsigned kTbGetToolTips = 0x0423;
constexpr unsigned kTbSetToolTips = 0x0424;
constexpr unsigned kTbSetImageList = 0x0430;
constexpr unsigned kTbGetImageList = 0x0431;
constexpr unsigned kTbSetExtendedStyle = 0x0454;
constexpr unsigned kTbGetExtendedStyle = 0x0455;
constexpr unsigned kCcmSetColorScheme = 0x2002;
constexpr unsigned kCcmGetColorScheme = 0x2003;
constexpr std::uint32_t kTbstyleExDrawDDArrows = 0x00000001;
constexpr std::uint8_t kTbstateChecked = 0x01;
constexpr std::uint8_t kTbstateEnabled = 0x04;
constexpr std::uint8_t kTbstateHidden = 0x08;
constexpr std::uint8_t kTbstyleSep = 0x01;
constexpr std::uint8_t kTbstyleCheck = 0x02;
constexpr std::uint8_t kTbstyleGroup = 0x04;
constexpr std::uint8_t kTbstyleCheckGroup = 0x06;
constexpr std::uint8_t kBtnsDropDown = 0x08;
constexpr std::uint8_t kBtnsWholeDropDown = 0x80;

// --- tooltip -----------------------------------------------------------------------------------------
constexpr unsigned kTtsAlwaysTip = 0x01;
constexpr unsigned kTtsNoPrefix = 0x02;
constexpr unsigned kTtmActivate = 0x0401;
constexpr unsigned kTtmRelayEvent = 0x0407;
constexpr unsigned kTtmGetToolCount = 0x040D;

// --- drawing -----------------------------------------------------------------------------------------
constexpr unsigned kDtCenter = 0x0001;
constexpr unsigned kDtVCenter = 0x0004;
constexpr unsigned kDtSingleLine = 0x0020;
constexpr int kTransparent = 1;
constexpr int kOpaque = 2;
constexpr int kPsSolid = 0;
constexpr int kPsNull = 5;
constexpr unsigned kIlcMask = 0x0001;
constexpr unsigned kIlcColor24 = 0x0018;

// --- SetWindowPos ------------------------------------------------------------------------------------
// Keep size, z-order and activation, and do not copy the old pixels: a box moved over its
// placeholder.
constexpr unsigned kSwpNoSize = 0x0001;
constexpr unsigned kSwpNoZOrder = 0x0004;
constexpr unsigned kSwpNoActivate = 0x0010;
constexpr unsigned kSwpNoCopyBits = 0x0100;

// A notification's wParam: the control's identifier in the low word, the code in the high word.
constexpr WPARAM MakeCommandParam(unsigned id, unsigned code) {
    return (static_cast<WPARAM>(code & 0xFFFFu) << 16) | (id & 0xFFFFu);
}
constexpr unsigned CommandCode(WPARAM wParam) { return static_cast<unsigned>((wParam >> 16) & 0xFFFFu); }

}  // namespace orv::ui
