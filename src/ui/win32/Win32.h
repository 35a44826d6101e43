// <windows.h> for the Win32 back end of the toolkit.
//
// The toolkit's own names (CMenu::InsertMenu, orv::ui::SendMessage, ...) are also macros of
// <windows.h> that would rename them to their A/W forms: the back end calls the W or A
// functions by their full names, so the macros go.
#pragma once

#include "services/win32/Win32.h"  // <windows.h>, and terminal text <-> wide strings

#undef AppendMenu
#undef InsertMenu
#undef GetMenuString
#undef SendMessage
#undef GetProp
#undef SetProp
#undef RemoveProp
#undef MessageBox
#undef LoadMenu
#undef DrawText
