#include "orvmenu/HostWindow.h"

#include <vector>

#include "ui/WinDefs.h"
#include "ui/Window.h"
#include "ui/WndHooks.h"
#include "ui/headless/HeadlessSystem.h"

using orv::headless::GetSystem;
using orv::headless::IsWindow;

namespace orv::ui {

LRESULT SendMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(wnd) || !wnd->proc) return 0;
    // Held while the message runs: a handler may destroy the window.
    struct Lock {
        HWND wnd;
        ~Lock() {
            if (--wnd->busy == 0 && wnd->destroyed) delete wnd;
        }
    } lock{wnd};
    ++wnd->busy;
    return wnd->proc(message, wParam, lParam);
}

bool DestroyWindow(HWND wnd) {
    if (!IsWindow(wnd)) return false;
    ++wnd->busy;
    // The windows it owns go first and whole; then it gets WM_DESTROY, its children go, and it
    // gets WM_NCDESTROY last.
    // measured: 64-bit Wine, tests/ui_window_test.cpp HostWindowTest.DestroyingAWindowEndsWhatItOwnsAndHoldsFirst
    auto destroyAll = [wnd](HWND__* HWND__::*link) {
        std::vector<HWND> dependants;
        for (const HWND__* other : GetSystem().windows) {
            if (other->*link == wnd) dependants.push_back(const_cast<HWND>(other));
        }
        for (HWND dependant : dependants) DestroyWindow(dependant);
    };
    destroyAll(&HWND__::owner);
    SendMessage(wnd, kWmDestroy, 0, 0);
    destroyAll(&HWND__::parent);
    SendMessage(wnd, kWmNcDestroy, 0, 0);
    wnd->subclasses.clear();  // what its WM_NCDESTROY left, as comctl32 removes it
    GetSystem().windows.erase(wnd);
    if (GetSystem().focus == wnd) GetSystem().focus = nullptr;
    wnd->destroyed = true;
    if (--wnd->busy == 0) delete wnd;
    return true;
}

namespace hooks {

bool Install(HWND wnd, CWnd* object) {
    return orv::headless::SetWindowSubclass(wnd, reinterpret_cast<std::uintptr_t>(object),
        [object](HWND target, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return WndHookEntry::Dispatch(object, target, message, wParam, lParam, result);
        });
}

void Remove(HWND wnd, CWnd* object) {
    orv::headless::RemoveWindowSubclass(wnd, reinterpret_cast<std::uintptr_t>(object));
}

LRESULT CallNext(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    return orv::headless::DefSubclassProc(wnd, message, wParam, lParam);
}

}  // namespace hooks

HWND GetRootOwner(HWND wnd) {
    if (!IsWindow(wnd)) return nullptr;
    // Up through parents to the top-level window, then through owners. The chains are short;
    // the bound only guards against a cycle made by hand.
    for (int guard = 0; guard < 1000; ++guard) {
        if (IsWindow(wnd->parent)) {
            wnd = wnd->parent;
        } else if (IsWindow(wnd->owner)) {
            wnd = wnd->owner;
        } else {
            break;
        }
    }
    return wnd;
}

bool ShowWindow(HWND wnd, int command) {
    if (!IsWindow(wnd)) return false;
    const bool was = wnd->visible;
    wnd->visible = command != 0;
    return was;
}

void SetFocus(HWND wnd) {
    if (IsWindow(wnd)) GetSystem().focus = wnd;
}

HWND GetFocus() {
    HWND focus = GetSystem().focus;
    return IsWindow(focus) ? focus : nullptr;
}

void* GetProp(HWND wnd, const std::string& name) {
    if (!IsWindow(wnd)) return nullptr;
    const auto it = wnd->props.find(name);
    return it == wnd->props.end() ? nullptr : it->second;
}

bool SetProp(HWND wnd, const std::string& name, void* value) {
    if (!IsWindow(wnd)) return false;
    wnd->props[name] = value;
    return true;
}

void RemoveProp(HWND wnd, const std::string& name) {
    if (IsWindow(wnd)) wnd->props.erase(name);
}

}  // namespace orv::ui

CHostWindow::CHostWindow(const std::string& title, HWND owner) {
    HWND wnd = orv::headless::CreateWindow("", nullptr, owner, 0, 0, nullptr);
    wnd->title = title;
    if (!Attach(wnd)) orv::ui::DestroyWindow(wnd);
}
