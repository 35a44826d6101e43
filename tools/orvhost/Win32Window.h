// orvhost's real window on Windows: the host's main window with the menu bar that the main menu
// component filled.
#pragma once

#include <string>

class CMenu;

namespace orvhost {

class Host;

// Shows a top-level window whose menu bar is bar and runs its message loop until the user
// closes it. Choosing an entry shows in the window which screen the host would open.
// With a PNG path: opens the bar's menu number openMenu (0: the first; its first submenu too,
// when it starts with one; negative: none), saves a picture of the window and the open menus there, and closes.
// Returns the number of failures (0 or 1).
int RunWin32Window(Host& host, CMenu& bar, const std::string& screenshot, int openMenu = 0);

}  // namespace orvhost
