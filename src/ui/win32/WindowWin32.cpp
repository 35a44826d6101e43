#include "ui/Window.h"

#include "ui/WndHooks.h"
#include "ui/win32/Win32.h"

#include <commctrl.h>

#include <type_traits>

namespace {

// Every window object's hook: the object rides in the subclass's data.
LRESULT CALLBACK WndHookProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    LRESULT result = 0;
    if (WndHookEntry::Dispatch(reinterpret_cast<CWnd*>(data), wnd, message, wParam, lParam, result)) return result;
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}
// The system calls it through its own pointer type, calling convention included.
static_assert(std::is_same_v<decltype(&WndHookProc), SUBCLASSPROC>);

}  // namespace

namespace orv::ui {

LRESULT SendMessage(HWND wnd, unsigned message, WPARAM wParam,
                          LPARAM lParam) {
    // The host's windows are ANSI windows: user codes travel as code-page text.
    return ::SendMessageA(wnd, message, wParam, lParam);
}

bool DestroyWindow(HWND wnd) { return wnd != nullptr && ::DestroyWindow(wnd) != FALSE; }

namespace hooks {

bool Install(HWND wnd, CWnd* object) {
    const auto id = reinterpret_cast<UINT_PTR>(object);
    return ::SetWindowSubclass(wnd, WndHookProc, id, static_cast<DWORD_PTR>(id)) != FALSE;
}

void Remove(HWND wnd, CWnd* object) { ::RemoveWindowSubclass(wnd, WndHookProc, reinterpret_cast<UINT_PTR>(object)); }

LRESULT CallNext(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}

}  // namespace hooks

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
