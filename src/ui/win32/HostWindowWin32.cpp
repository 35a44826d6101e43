#include "orvmenu/HostWindow.h"

#include "ui/win32/Win32.h"

#include <type_traits>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

using MessageLog = std::vector<CHostWindow::Message>;

constexpr wchar_t kClassName[] = L"OrvHostWindow";

// The log of the window being created: the window takes it at WM_NCCREATE and frees it at
// WM_NCDESTROY, so it also goes when the window is destroyed with its owner.
thread_local MessageLog* tPendingLog = nullptr;

bool IsRecorded(UINT message) {
    return message == WM_COMMAND || (message >= WM_USER && message < WM_APP);
}

LRESULT CALLBACK HostWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && tPendingLog != nullptr) {
        ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tPendingLog));
        tPendingLog = nullptr;
    }
    auto* log = reinterpret_cast<MessageLog*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (log != nullptr && IsRecorded(message)) {
        log->push_back({message, wParam, lParam});
        return 0;
    }
    if (message == WM_NCDESTROY && log != nullptr) {
        ::SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
        delete log;
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

const MessageLog& NoMessages() {
    static const MessageLog none;
    return none;
}

MessageLog* LogOf(HWND wnd) {
    if (wnd == nullptr) return nullptr;
    return reinterpret_cast<MessageLog*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
}

}  // namespace

CHostWindow::CHostWindow(const std::string& title, HWND owner) {
    if (!RegisterHostClass()) return;
    const std::wstring caption = orv::win32::Wide(title);
    tPendingLog = new MessageLog;
    // Created hidden: the window only has to exist and receive what the library sends. An owned
    // window is a popup, as a host's floating bars and dialogs are: the system walks to the root
    // owner only through popups (GetAncestor with GA_ROOTOWNER).
    const DWORD style = owner != nullptr ? WS_POPUPWINDOW | WS_CAPTION : WS_OVERLAPPEDWINDOW;
    hwnd_ = ::CreateWindowExW(0, kClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                              640, 480, owner, nullptr, ThisModule(), nullptr);
    delete tPendingLog;  // still here only when the window never took it
    tPendingLog = nullptr;
}

CHostWindow::~CHostWindow() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

const std::vector<CHostWindow::Message>& CHostWindow::Messages() const {
    const MessageLog* log = LogOf(hwnd_);
    return log != nullptr ? *log : NoMessages();
}

void CHostWindow::ClearMessages() {
    if (MessageLog* log = LogOf(hwnd_)) log->clear();
}
