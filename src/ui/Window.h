// Reaching the host's windows.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstdint>
#include <string>

#include "orvmenu/OrvWinTypes.h"

namespace orv::ui {

// Sends a message and waits for the window's answer, as the window system's SendMessage does.
ORV_UI_API LRESULT SendMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam);

// Destroys a window, its children and the windows it owns, as the window system's DestroyWindow
// does: each gets WM_DESTROY and, after its children, WM_NCDESTROY.
ORV_UI_API bool DestroyWindow(HWND wnd);

// The application's main window: the root owner of the window a control lives in.
ORV_UI_API HWND GetRootOwner(HWND wnd);

// Shows or hides a window (kSwShow 5, kSwHide 0), as the window system's ShowWindow does; true
// when it was visible before.
ORV_UI_API bool ShowWindow(HWND wnd, int command);

// The keyboard focus: given to a window, and which window has it (null: none of this thread's).
ORV_UI_API void SetFocus(HWND wnd);
ORV_UI_API HWND GetFocus();

// Named pointer-sized values on a window, as the host leaves them on its main window.
ORV_UI_API void* GetProp(HWND wnd, const std::string& name);
ORV_UI_API bool SetProp(HWND wnd, const std::string& name, void* value);
ORV_UI_API void RemoveProp(HWND wnd, const std::string& name);

}  // namespace orv::ui
