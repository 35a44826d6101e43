#include "Win32Window.h"

#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "Host.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/CodePage.h"
#include <windows.h>

#include <commctrl.h>
#include <wincodec.h>

namespace orvhost {
namespace {

constexpr wchar_t kFrameClass[] = L"OrvHostFrame";
constexpr UINT_PTR kCaptureTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr UINT kCaptureDelayMs = 1500;  // the open menus have painted by then
constexpr UINT kGiveUpMs = 20000;
constexpr UINT_PTR kToolBarSubclass = 0x4f48;  // "OH": orvhost's own, beside the toolkit's

// The terminal's colours (CFormColor) for the window: the form's background and text, and the
// toolbar's background.
constexpr int kFormBackColor = 0;
constexpr int kFormTextColor = 1;
constexpr int kToolBarBackColor = 53;

struct Frame {
    Host* host = nullptr;
    CMenu* bar = nullptr;
    HWND toolBar = nullptr;  // the toolbar component's window, under the menu bar
    std::string screenshot;
    std::wstring status;
    HFONT font = nullptr;
    bool failed = false;
};

// Terminal text (code page 950) as the window system's wide text.
std::wstring Wide(const std::string& text) {
    const std::u16string utf16 = orv::cp950::ToUtf16(text);
    return std::wstring(utf16.begin(), utf16.end());
}

std::wstring FromUtf8(const std::string& utf8) {
    return Wide(orv::cp950::FromUtf8(utf8));
}

// The font the menus are drawn in, so the window's text shows the same characters.
HFONT MenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return ::CreateFontIndirectW(&metrics.lfMenuFont);
}

void ShowCommand(HWND wnd, Frame& frame, unsigned id) {
    const OrvMenu* node = frame.host->Menu()->GetMenuByID(id);
    std::ostream& out = frame.host->Out();
    if (node != nullptr) {
        frame.status = L"Command " + std::to_wstring(id) + L": the host opens screen (" +
                       Wide(node->trCode) + L") " + Wide(node->name);
        out << "-> opens screen (" << node->trCode << ") " << frame.host->Show(node->name)
            << "  [WM_COMMAND " << id << "]\n";
    } else {
        frame.status = L"Command " + std::to_wstring(id) + L": one of the host's own entries";
        out << "-> the host's own command " << id << "\n";
    }
    out.flush();
    ::InvalidateRect(wnd, nullptr, TRUE);
}

BOOL CALLBACK AddOpenMenu(HWND w, LPARAM param) {
    wchar_t cls[16] = {};
    ::GetClassNameW(w, cls, 16);
    if (::IsWindowVisible(w) && std::wstring(cls) == L"#32768") {  // a popup menu
        RECT r{};
        ::GetWindowRect(w, &r);
        auto* total = reinterpret_cast<RECT*>(param);
        ::UnionRect(total, total, &r);
    }
    return TRUE;
}
static_assert(std::is_same_v<decltype(&AddOpenMenu), WNDENUMPROC>);

// Everything on the screen that belongs to this window: the window and its open menus.
RECT CaptureArea(HWND wnd) {
    RECT area{};
    ::GetWindowRect(wnd, &area);
    ::EnumThreadWindows(::GetCurrentThreadId(), AddOpenMenu, reinterpret_cast<LPARAM>(&area));
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::IntersectRect(&area, &area, &screen);
    return area;
}

template <typename T>
void Release(T*& p) {
    if (p != nullptr) p->Release();
    p = nullptr;
}

// Writes 24-bit pixels, top row first, as a PNG file through WIC.
bool SavePng(const std::wstring& path, int width, int height, const BYTE* pixels, UINT stride) {
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok = SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
              SUCCEEDED(factory->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) &&
              SUCCEEDED(frame->Initialize(options)) &&
              SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
              SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
              SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                           stride * static_cast<UINT>(height), const_cast<BYTE*>(pixels))) &&
              SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    Release(options);
    Release(frame);
    Release(encoder);
    Release(stream);
    Release(factory);
    return ok;
}

bool Capture(HWND wnd, const std::string& pngPath, std::ostream& out) {
    const RECT area = CaptureArea(wnd);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as PNG wants it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ok = ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT) != FALSE;
        ::GdiFlush();
        ::SelectObject(memory, old);
    }
    if (ok) {
        const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const int n = ::MultiByteToWideChar(CP_ACP, 0, pngPath.c_str(), -1, nullptr, 0);
        std::wstring path(n > 0 ? static_cast<std::size_t>(n) : 0u, L'\0');
        if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, pngPath.c_str(), -1, path.data(), n);
        if (!path.empty()) path.pop_back();  // the terminator
        ok = !path.empty() && SavePng(path, width, height, static_cast<const BYTE*>(bits), stride);
        if (SUCCEEDED(com)) ::CoUninitialize();
    }
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    if (memory != nullptr) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    out << (ok ? "screenshot: " : "screenshot failed: ") << pngPath << " (" << width << "x" << height << ")\n";
    return ok;
}

// The host paints its toolbar's background in the theme's toolbar colour, as a terminal does;
// the buttons and the boxes paint themselves over it.
LRESULT CALLBACK ToolBarProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(wnd, &client);
        HBRUSH brush = ::CreateSolidBrush(CFormColor::GetFormColor(kToolBarBackColor));
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        ::DeleteObject(brush);
        return 1;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(wnd, ToolBarProc, kToolBarSubclass);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* frame = reinterpret_cast<Frame*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (frame == nullptr) return ::DefWindowProcW(wnd, message, wParam, lParam);

    switch (message) {
    case WM_COMMAND:
        // From the menu: the notification code is 0 and there is no control.
        if (HIWORD(wParam) == 0 && lParam == 0) {
            ShowCommand(wnd, *frame, LOWORD(wParam));
            return 0;
        }
        // A toolbar button: the host looks its record up.
        if (frame->toolBar != nullptr && reinterpret_cast<HWND>(lParam) == frame->toolBar) {
            const std::string what = frame->host->DescribeToolBarCommand(LOWORD(wParam));
            frame->status = L"Toolbar command " + std::to_wstring(LOWORD(wParam)) + L": " + Wide(what);
            frame->host->Out() << "toolbar command " << LOWORD(wParam) << ": " << frame->host->Show(what) << "\n";
            ::InvalidateRect(wnd, nullptr, TRUE);
            return 0;
        }
        break;
    case WM_SIZE:
        if (frame->toolBar != nullptr) ::SendMessageW(frame->toolBar, TB_AUTOSIZE, 0, 0);
        break;
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(wnd, &client);
        HBRUSH brush = ::CreateSolidBrush(CFormColor::GetFormColor(kFormBackColor));
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        ::DeleteObject(brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(wnd, &paint);
        RECT client;
        ::GetClientRect(wnd, &client);
        if (frame->toolBar != nullptr) {
            RECT bar{};
            ::GetWindowRect(frame->toolBar, &bar);
            client.top += bar.bottom - bar.top;
        }
        ::InflateRect(&client, -16, -16);
        HGDIOBJ old = frame->font != nullptr ? ::SelectObject(dc, frame->font) : nullptr;
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, CFormColor::GetFormColor(kFormTextColor));
        ::DrawTextW(dc, frame->status.c_str(), static_cast<int>(frame->status.size()), &client,
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        if (old != nullptr) ::SelectObject(dc, old);
        ::EndPaint(wnd, &paint);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kCaptureTimer || wParam == kGiveUpTimer) {
            ::KillTimer(wnd, kCaptureTimer);
            ::KillTimer(wnd, kGiveUpTimer);
            if (wParam == kCaptureTimer) {
                frame->failed = !Capture(wnd, frame->screenshot, frame->host->Out());
            } else {
                frame->host->Out() << "screenshot failed: the window did not come up\n";
                frame->failed = true;
            }
            ::EndMenu();
            ::PostMessageW(wnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_CLOSE:
        // The menu bar and the toolbar belong to the host's code, which destroys them: take
        // them back first.
        ::SetMenu(wnd, nullptr);
        if (frame->toolBar != nullptr) {
            ::RemoveWindowSubclass(frame->toolBar, ToolBarProc, kToolBarSubclass);
            ::SetParent(frame->toolBar, frame->host->MainWindow());
        }
        ::DestroyWindow(wnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(wnd, message, wParam, lParam);
}
static_assert(std::is_same_v<decltype(&FrameProc), WNDPROC>);

// Opens the bar's menu number index as a user would with the keyboard: F10, arrows right to it,
// arrow down to drop it, and arrow right into its first entry when that is a submenu.
void OpenMenu(HWND wnd, const CMenu& bar, int index) {
    ::PostMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
    for (int i = 0; i < index; ++i) ::PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0);
    ::PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
    const CMenu popup(bar.GetSubMenu(index));
    if (popup.GetSafeHmenu() != nullptr && popup.GetItemKind(0) == CMenu::ItemKind::Popup) {
        ::PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0);
    }
}

}  // namespace

int RunWin32Window(Host& host, CMenu& bar, const std::string& screenshot, int openMenu) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = FrameProc;
    cls.hInstance = instance;
    cls.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = kFrameClass;
    if (::RegisterClassExW(&cls) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return 1;

    Frame frame;
    frame.host = &host;
    frame.bar = &bar;
    frame.screenshot = screenshot;
    frame.font = MenuFont();
    frame.status = L"Choose a screen from the menu or press a toolbar button: the window shows which screen the host opens.";

    const std::wstring title = FromUtf8("orvhost - 證券交易終端");
    HWND wnd = ::CreateWindowExW(0, kFrameClass, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 760, 440,
                                 nullptr, nullptr, instance, &frame);
    if (wnd == nullptr) {
        if (frame.font != nullptr) ::DeleteObject(frame.font);
        return 1;
    }
    ::SetMenu(wnd, bar.GetSafeHmenu());
    ::DrawMenuBar(wnd);
    // The toolbar the host made for the toolbar component stands under the menu bar.
    CToolBar* toolBar = host.ToolBarWindow();
    if (toolBar != nullptr && toolBar->GetSafeHwnd() != nullptr) {
        frame.toolBar = toolBar->GetSafeHwnd();
        ::SetParent(frame.toolBar, wnd);
        ::SetWindowSubclass(frame.toolBar, ToolBarProc, kToolBarSubclass, 0);
        ::SendMessageW(frame.toolBar, TB_AUTOSIZE, 0, 0);
        ::ShowWindow(frame.toolBar, SW_SHOW);
    }
    ::ShowWindow(wnd, SW_SHOWNORMAL);
    ::UpdateWindow(wnd);
    ::SetForegroundWindow(wnd);

    if (!screenshot.empty()) {
        if (openMenu >= 0) OpenMenu(wnd, bar, openMenu);
        ::SetTimer(wnd, kCaptureTimer, kCaptureDelayMs, nullptr);
        ::SetTimer(wnd, kGiveUpTimer, kGiveUpMs, nullptr);
    }

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (frame.font != nullptr) ::DeleteObject(frame.font);
    if (frame.toolBar != nullptr && ::IsWindow(frame.toolBar)) ::SetParent(frame.toolBar, host.MainWindow());
    return frame.failed ? 1 : 0;
}

}  // namespace orvhost
