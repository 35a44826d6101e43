// What each back end gives CWnd: one hook procedure per window object, installed, removed and
// passed on as the window system's subclasses are (SetWindowSubclass, RemoveWindowSubclass,
// DefSubclassProc on Windows; the headless system's own twins).
#pragma once

#include "orvmenu/OrvWinTypes.h"
#include "orvmenu/Wnd.h"

namespace orv::ui::hooks {

bool Install(HWND wnd, CWnd* object);
void Remove(HWND wnd, CWnd* object);
LRESULT CallNext(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam);

}  // namespace orv::ui::hooks

// The back end's hook procedure hands every message to its object through this.
struct WndHookEntry {
    static bool Dispatch(CWnd* object, HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return object->Dispatch(wnd, message, wParam, lParam, result);
    }
};
