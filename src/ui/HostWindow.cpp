// What a host window does the same way on both back ends: the library's messages to the host go
// to its handler, and the host leaves named values on it.
#include "orvmenu/HostWindow.h"

#include <utility>

#include "ui/WinDefs.h"
#include "ui/Window.h"

namespace {

bool IsForHandler(unsigned message) {
    return message == orv::ui::kWmCommand || (message >= orv::ui::kWmUser && message < orv::ui::kWmApp);
}

}  // namespace

CHostWindow::~CHostWindow() { DestroyWindow(); }

void CHostWindow::SetHandler(Handler handler) { handler_ = std::move(handler); }

bool CHostWindow::OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (wnd != GetSafeHwnd() || !IsForHandler(message) || !handler_) return false;
    const Handler current = handler_;  // the handler may replace itself
    result = current(message, wParam, lParam);
    return true;
}

bool CHostWindow::SetProp(const char* name, void* value) {
    return GetSafeHwnd() != nullptr && name != nullptr && orv::ui::SetProp(GetSafeHwnd(), name, value);
}

void CHostWindow::RemoveProp(const char* name) {
    if (GetSafeHwnd() != nullptr && name != nullptr) orv::ui::RemoveProp(GetSafeHwnd(), name);
}
