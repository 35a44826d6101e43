// The toolbar control's messages and structures, by the window system's values and layouts.
// Components fill these and send them to a CToolBar's window.
#pragma once

#include <cstddef>
#include <cstdint>

#include "orvmenu/OrvWinTypes.h"

namespace orv::ui {

constexpr unsigned kTbDeleteButton = 0x0416;
constexpr unsigned kTbGetButton = 0x0417;
constexpr unsigned kTbButtonCount = 0x0418;
constexpr unsigned kTbAddButtonsA = 0x0414;
constexpr unsigned kTbGetItemRect = 0x041D;
constexpr unsigned kTbSetToolTips = 0x0424;
constexpr unsigned kTbSetImageList = 0x0430;
constexpr unsigned kTbSetExtendedStyle = 0x0454;
constexpr unsigned kCcmSetColorScheme = 0x2002;
constexpr unsigned kWmSetFont = 0x0030;
// Also answered by the toolbar window: what CToolBar itself and tests send.
constexpr unsigned kTbInsertButtonA = 0x0415;
constexpr unsigned kTbButtonStructSize = 0x041E;
constexpr unsigned kTbGetToolTips = 0x0423;
constexpr unsigned kTbGetImageList = 0x0431;
constexpr unsigned kTbGetExtendedStyle = 0x0455;
constexpr unsigned kCcmGetColorScheme = 0x2003;
// The mouse: a press and a release over the same button is a click.
constexpr unsigned kWmLButtonDown = 0x0201;
constexpr unsigned kWmLButtonUp = 0x0202;

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

// TBBUTTON: on 32-bit Windows two reserved bytes follow the style, on 64-bit six, so that the
// pointer-sized data is aligned.
struct TbButton {
    std::int32_t iBitmap = 0;
    std::int32_t idCommand = 0;
    std::uint8_t fsState = 0;
    std::uint8_t fsStyle = 0;
    std::uint8_t bReserved[sizeof(void*) == 8 ? 6 : 2] = {};
    std::uintptr_t dwData = 0;
    std::intptr_t iString = 0;
};

// COLORSCHEME: the size of the structure, then the two colours.
struct ColorScheme {
    std::uint32_t dwSize = sizeof(ColorScheme);
    orv::Color clrBtnHighlight = 0;
    orv::Color clrBtnShadow = 0;
};

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(TbButton) == 20);
static_assert(offsetof(TbButton, fsState) == 8 && offsetof(TbButton, fsStyle) == 9);
static_assert(offsetof(TbButton, dwData) == 12 && offsetof(TbButton, iString) == 16);
#elif defined(__x86_64__) || defined(_M_X64)
static_assert(sizeof(TbButton) == 32);
static_assert(offsetof(TbButton, fsState) == 8 && offsetof(TbButton, fsStyle) == 9);
static_assert(offsetof(TbButton, dwData) == 16 && offsetof(TbButton, iString) == 24);
#endif
static_assert(sizeof(ColorScheme) == 12);
static_assert(offsetof(ColorScheme, clrBtnHighlight) == 4 && offsetof(ColorScheme, clrBtnShadow) == 8);

}  // namespace orv::ui
