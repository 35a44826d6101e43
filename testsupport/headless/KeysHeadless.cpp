#include "testsupport/Keys.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::test {

void SetKeyDown(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey < 256) {
        headless::GetSystem().keysDown[static_cast<std::size_t>(virtualKey)] = down;
    }
}

}  // namespace orv::test
