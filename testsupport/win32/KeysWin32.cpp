#include "testsupport/Keys.h"

#include <windows.h>

namespace orv::test {

void SetKeyDown(int virtualKey, bool down) {
    if (virtualKey <= 0 || virtualKey > 0xFF) return;
    BYTE state[256]{};
    if (!::GetKeyboardState(state)) return;
    // Bit 7 is "down"; the toggle bit (0) is left as it was.
    state[virtualKey] = static_cast<BYTE>(down ? (state[virtualKey] | 0x80) : (state[virtualKey] & 0x7F));
    ::SetKeyboardState(state);
}

}  // namespace orv::test
