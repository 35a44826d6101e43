// Setting a key's state, for tests and orvhost; linked from the host-library stand-ins, never
// into the shipped libraries.
#include "ui/KeyState.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::ui {

void SetKeyDown(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey < 256) {
        headless::GetSystem().keysDown[static_cast<std::size_t>(virtualKey)] = down;
    }
}

}  // namespace orv::ui
