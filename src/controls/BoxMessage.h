// The message a host's message loop hands a box's PreTranslateMessage, laid out as the window
// system's MSG, so that it can be relayed to a tooltip window as it is.
#pragma once

#include <cstddef>
#include <cstdint>

#include "orvmenu/OrvWinTypes.h"
#include "ui/WinDefs.h"

namespace orv::controls {

struct BoxMessage {
    HWND hwnd = nullptr;
    std::uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::uint32_t time = 0;
    std::int32_t ptX = 0;
    std::int32_t ptY = 0;
};

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(BoxMessage) == 28);
static_assert(offsetof(BoxMessage, message) == 4 && offsetof(BoxMessage, wParam) == 8);
static_assert(offsetof(BoxMessage, lParam) == 12 && offsetof(BoxMessage, time) == 16);
static_assert(offsetof(BoxMessage, ptX) == 20 && offsetof(BoxMessage, ptY) == 24);
#elif defined(__x86_64__) || defined(_M_X64)
static_assert(sizeof(BoxMessage) == 48);
static_assert(offsetof(BoxMessage, message) == 8 && offsetof(BoxMessage, wParam) == 16);
static_assert(offsetof(BoxMessage, lParam) == 24 && offsetof(BoxMessage, time) == 32);
static_assert(offsetof(BoxMessage, ptX) == 36 && offsetof(BoxMessage, ptY) == 40);
#endif

// The key press a box consumes in PreTranslateMessage: Enter.
inline bool IsReturnKeyDown(const BoxMessage& msg) {
    return msg.message == orv::ui::kWmKeyDown && msg.wParam == orv::ui::kVkReturn;
}

}  // namespace orv::controls
