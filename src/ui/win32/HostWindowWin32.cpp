// The host window on Windows: a real (hidden) top-level window of the library's own class.
#include "orvmenu/HostWindow.h"

#include "ui/win32/Win32.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr wchar_t kClassName[] = L"OrvHostWindow";

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

bool RegisterHostClass() {
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = ::DefWindowProcW;  // what the window does beyond that is its object's
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
    // Created hidden: the window only has to exist and receive what the library sends. An owned
    // window is a popup, as a host's floating bars and dialogs are: the system walks to the root
    // owner only through popups (GetAncestor with GA_ROOTOWNER).
    const DWORD style = owner != nullptr ? WS_POPUPWINDOW | WS_CAPTION : WS_OVERLAPPEDWINDOW;
    HWND wnd = ::CreateWindowExW(0, kClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                 640, 480, owner, nullptr, ThisModule(), nullptr);
    if (wnd != nullptr && !Attach(wnd)) ::DestroyWindow(wnd);
}
