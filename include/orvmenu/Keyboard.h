// The keyboard state of the calling thread.
#pragma once

#include "orvmenu/OrvLibApi.h"

namespace orv::ui {

constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;  // Alt

// Whether the key is down while the current key message is being processed.
ORV_UI_API bool IsKeyDown(int virtualKey);

}  // namespace orv::ui
