#include "orvmenu/HostWindow.h"

#include "ui/win32/Win32.h"

#include <new>
#include <type_traits>
#include <utility>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

using Handler = CHostWindow::Handler;

constexpr wchar_t kClassName[] = L"OrvHostWindow";

// The handler slot of the window being created: the window takes it at WM_NCCREATE and frees
// it at WM_NCDESTROY, so it also goes when the window is destroyed with its owner.
thread_local Handler* tPendingHandler = nullptr;

bool IsForHandler(UINT message) {
    return message == WM_COMMAND || (message >= WM_USER && message < WM_APP);
}

Handler* HandlerOf(HWND wnd) {
    return wnd == nullptr ? nullptr : reinterpret_cast<Handler*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
}

LRESULT CALLBACK HostWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && tPendingHandler != nullptr) {
        ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tPendingHandler));
        tPendingHandler = nullptr;
    }
    Handler* handler = HandlerOf(wnd);
    if (handler != nullptr && *handler && IsForHandler(message)) {
        try {
            const Handler current = *handler;  // the handler may replace itself
            return current(message, wParam, lParam);
        } catch (...) {
            return 0;  // nothing crosses the window procedure
        }
    }
    if (message == WM_NCDESTROY && handler != nullptr) {
        ::SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        delete handler;
    }
    return ::DefWindowProcW(wnd, message, wParam, lParam);
}
static_assert(std::is_same_v<decltype(&HostWindowProc), WNDPROC>);

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

bool RegisterHostClass() {
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = HostWindowProc;
        cls.hInstance = ThisModule();
        cls.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = kClassName;
        return ::RegisterClassExW(&cls) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

CHostWindow::CHostWindow(const std::string& title, HWND owner) {
    if (!RegisterHostClass()) return;
    const std::wstring caption = orv::win32::Wide(title);
    tPendingHandler = new (std::nothrow) Handler;
    if (tPendingHandler == nullptr) return;
    // Created hidden: the window only has to exist and receive what the library sends. An owned
    // window is a popup, as a host's floating bars and dialogs are: the system walks to the root
    // owner only through popups (GetAncestor with GA_ROOTOWNER).
    const DWORD style = owner != nullptr ? WS_POPUPWINDOW | WS_CAPTION : WS_OVERLAPPEDWINDOW;
    hwnd_ = ::CreateWindowExW(0, kClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                              640, 480, owner, nullptr, ThisModule(), nullptr);
    delete tPendingHandler;  // still here only when the window never took it
    tPendingHandler = nullptr;
}

CHostWindow::~CHostWindow() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

void CHostWindow::SetHandler(Handler handler) {
    if (Handler* slot = HandlerOf(hwnd_)) *slot = std::move(handler);
}
