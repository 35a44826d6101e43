#include "ui/Window.h"

#include "ui/win32/Win32.h"

namespace orv::ui {

LRESULT SendMessage(HWND wnd, unsigned message, WPARAM wParam,
                          LPARAM lParam) {
    // The host's windows are ANSI windows: user codes travel as code-page text.
    return ::SendMessageA(wnd, message, wParam, lParam);
}

HWND GetRootOwner(HWND wnd) {
    if (wnd == nullptr || !::IsWindow(wnd)) return nullptr;
    return ::GetAncestor(wnd, GA_ROOTOWNER);
}

bool ShowWindow(HWND wnd, int command) {
    return wnd != nullptr && ::ShowWindow(wnd, command) != FALSE;
}

void SetFocus(HWND wnd) {
    if (wnd != nullptr) ::SetFocus(wnd);
}

HWND GetFocus() { return ::GetFocus(); }

void* GetProp(HWND wnd, const std::string& name) {
    if (wnd == nullptr) return nullptr;
    return ::GetPropA(wnd, name.c_str());
}

bool SetProp(HWND wnd, const std::string& name, void* value) {
    if (wnd == nullptr) return false;
    return ::SetPropA(wnd, name.c_str(), value) != FALSE;
}

void RemoveProp(HWND wnd, const std::string& name) {
    if (wnd != nullptr) ::RemovePropA(wnd, name.c_str());
}

}  // namespace orv::ui
