// What CHostWindow does the same way on both back ends.
#include "orvmenu/HostWindow.h"

#include "ui/Window.h"

bool CHostWindow::SetProp(const char* name, void* value) {
    return hwnd_ != nullptr && name != nullptr && orv::ui::SetProp(hwnd_, name, value);
}

void CHostWindow::RemoveProp(const char* name) {
    if (hwnd_ != nullptr && name != nullptr) orv::ui::RemoveProp(hwnd_, name);
}
