#include "orvmenu/Keyboard.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::ui {

bool IsKeyDown(int virtualKey) {
    return virtualKey >= 0 && virtualKey < 256 &&
           headless::GetSystem().keysDown[static_cast<std::size_t>(virtualKey)];
}

}  // namespace orv::ui
