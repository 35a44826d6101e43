// What every window object does the same way on both back ends: which window a message is for,
// reflection, and the end of its window.
#include "orvmenu/Wnd.h"

#include <cstdint>

#include "ui/Handler.h"
#include "ui/Window.h"
#include "ui/WinDefs.h"
#include "ui/WndHooks.h"

namespace {

// The hook count a window carries, for tools that look from outside.
void CountHook(HWND wnd, int change) {
    const auto count = reinterpret_cast<std::intptr_t>(orv::ui::GetProp(wnd, orv::wnd::kHookCountProp)) + change;
    if (count > 0) {
        orv::ui::SetProp(wnd, orv::wnd::kHookCountProp, reinterpret_cast<void*>(count));
    } else {
        orv::ui::RemoveProp(wnd, orv::wnd::kHookCountProp);
    }
}

bool IsNotification(unsigned message) {
    return message == orv::ui::kWmCommand || message == orv::ui::kWmCtlColorEdit ||
           message == orv::ui::kWmCtlColorListBox;
}

}  // namespace

CWnd::~CWnd() {
    if (hwnd_ != nullptr) orv::ui::RemoveProp(hwnd_, orv::wnd::kObjectProp);
    RemoveHooks();
    hwnd_ = nullptr;
}

bool CWnd::Attach(HWND wnd) {
    if (wnd == nullptr || hwnd_ != nullptr) return false;
    hwnd_ = wnd;
    orv::ui::SetProp(wnd, orv::wnd::kObjectProp, this);
    if (Hook(wnd)) return true;
    orv::ui::RemoveProp(wnd, orv::wnd::kObjectProp);
    hwnd_ = nullptr;
    return false;
}

bool CWnd::Hook(HWND wnd) {
    if (wnd == nullptr) return false;
    HWND* free = nullptr;
    for (HWND& slot : hooked_) {
        if (slot == wnd) return true;
        if (slot == nullptr && free == nullptr) free = &slot;
    }
    if (free == nullptr || !orv::ui::hooks::Install(wnd, this)) return false;
    *free = wnd;
    CountHook(wnd, 1);
    return true;
}

void CWnd::Unhook(HWND wnd) {
    for (HWND& slot : hooked_) {
        if (slot != wnd) continue;
        orv::ui::hooks::Remove(wnd, this);
        CountHook(wnd, -1);
        slot = nullptr;
    }
}

// The one place hooks go: at the object's WM_NCDESTROY, or with the object.
void CWnd::RemoveHooks() {
    for (HWND wnd : hooked_) {
        if (wnd != nullptr) Unhook(wnd);
    }
}

bool CWnd::DestroyWindow() {
    HWND wnd = hwnd_;
    return wnd != nullptr && orv::ui::DestroyWindow(wnd);
}

LRESULT CWnd::CallNext(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    return orv::ui::hooks::CallNext(wnd, message, wParam, lParam);
}

bool CWnd::OnMessage(HWND, unsigned, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWnd::OnReflect(HWND, unsigned, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWnd::Dispatch(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == orv::ui::kWmNcDestroy) {
        if (wnd != hwnd_) {
            Unhook(wnd);
            return false;
        }
        // The object's own window ends: nothing of the object stays on any window.
        orv::ui::RemoveProp(wnd, orv::wnd::kObjectProp);
        RemoveHooks();
        hwnd_ = nullptr;
        orv::ui::RunHandler([this] { OnNcDestroy(); });
        return false;
    }
    if (wnd != hwnd_ && IsNotification(message) && IsPartOf(reinterpret_cast<HWND>(lParam))) {
        return orv::ui::RunHandler([&] { return OnReflect(wnd, message, wParam, lParam, result); });
    }
    return orv::ui::RunHandler([&] { return OnMessage(wnd, message, wParam, lParam, result); });
}
