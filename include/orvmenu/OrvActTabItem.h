// OrvActTabItem: the tab record the action tab bar hands between the host and its tab control.
#pragma once

#include <string>

#include "orvmenu/OrvWinTypes.h"

// The host's tab record. The library only passes pointers to it through; the host makes, fills
// and frees it.
struct OrvActTabItem {
    std::string trCode;   // the screen the tab stands for
    std::string caption;  // code page 950
    HWND wnd = nullptr;   // the screen's window: MoveTabItem finds the tab by it
};
