#include "orvmenu/Keyboard.h"

#include "ui/win32/Win32.h"

namespace orv::ui {

bool IsKeyDown(int virtualKey) {
    return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace orv::ui
