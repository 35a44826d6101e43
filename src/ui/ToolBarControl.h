// The toolbar control's messages and structures, by the window system's values and layouts.
// Components fill these and send them to a CToolBar's window.
#pragma once

#include <cstddef>
#include <cstdint>

#include "orvmenu/OrvWinTypes.h"
#include "ui/WinDefs.h"

namespace orv::ui {

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
