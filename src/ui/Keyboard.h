// The keyboard state of the calling thread.
#pragma once

namespace orv::ui {

constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;  // Alt

// Whether the key is down while the current key message is being processed.
bool IsKeyDown(int virtualKey);

// Sets the thread's state of one key, as a key press would: for tests and orvhost.
void SetKeyDown(int virtualKey, bool down);

}  // namespace orv::ui
