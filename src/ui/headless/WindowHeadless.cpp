#include "orvmenu/HostWindow.h"

#include <memory>
#include <utility>

#include "ui/Window.h"
#include "ui/headless/HeadlessSystem.h"

using orv::headless::GetSystem;
using orv::headless::IsWindow;

namespace orv::ui {

LRESULT SendMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(wnd)) return 0;
    return wnd->proc ? wnd->proc(message, wParam, lParam) : 0;
}

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

namespace {

constexpr char kHandlerProp[] = "orv.host.handler";
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned kWmApp = 0x8000;

bool IsForHandler(unsigned message) {
    return message == orv::kWmCommand || (message >= kWmUser && message < kWmApp);
}

}  // namespace

CHostWindow::CHostWindow(const std::string& title, HWND owner) {
    hwnd_ = new HWND__;
    hwnd_->title = title;
    hwnd_->owner = owner;
    auto handler = std::make_shared<Handler>();
    hwnd_->props[kHandlerProp] = handler.get();
    hwnd_->proc = [handler](unsigned message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (!IsForHandler(message) || !*handler) return 0;
        try {
            const Handler current = *handler;  // the handler may replace itself
            return current(message, wParam, lParam);
        } catch (...) {
            return 0;
        }
    };
    GetSystem().windows.insert(hwnd_);
}

CHostWindow::~CHostWindow() {
    GetSystem().windows.erase(hwnd_);
    delete hwnd_;
}

void CHostWindow::SetHandler(Handler handler) {
    if (auto* slot = static_cast<Handler*>(orv::ui::GetProp(hwnd_, kHandlerProp))) *slot = std::move(handler);
}
