// The tooltip control on Windows: a real tooltip window; its tools are read back through its
// own messages.
#include "ui/ToolTip.h"

#include "ui/win32/Win32.h"

#include <commctrl.h>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The version 2 structure: every version of the control takes it, whether or not the host
// program asks for the newer common controls in its manifest.
UINT ToolInfoSize() { return TTTOOLINFOW_V2_SIZE; }
// Longest text kept, in UTF-16 units: a tool's text is read back into a buffer of this size
// plus the terminator (the control copies the whole text, whatever buffer it is given).
constexpr std::size_t kMaxToolText = 1023;

bool IsToolTipWindow(HWND wnd) {
    wchar_t name[32] = {};
    return wnd != nullptr && ::IsWindow(wnd) && ::GetClassNameW(wnd, name, 32) > 0 &&
           ::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

bool CToolTipCtrl::Create(HWND parent, unsigned style) {
    if (GetSafeHwnd() != nullptr) return false;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    if (!::InitCommonControlsEx(&init)) return false;
    HWND wnd = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                                 reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
    if (wnd == nullptr) return false;
    if (Attach(wnd)) return true;
    ::DestroyWindow(wnd);
    return false;
}

bool CToolTipCtrl::AddTool(HWND wnd, const std::string& text, const CRect& rect, std::uintptr_t id,
                           Relay relay) {
    if (!IsToolTipWindow(GetSafeHwnd())) return false;
    std::wstring wide = orv::win32::Wide(text);
    if (wide.size() > kMaxToolText) wide.resize(kMaxToolText);
    TTTOOLINFOW info{};
    info.cbSize = ToolInfoSize();
    // The host's loop never relays mouse messages: the control watches the window's itself,
    // unless the window hands them on.
    info.uFlags = relay == Relay::Subclass ? TTF_SUBCLASS : 0;
    info.hwnd = wnd;
    info.uId = id;
    info.rect = {rect.left, rect.top, rect.right, rect.bottom};
    info.lpszText = wide.data();
    return ::SendMessageW(GetSafeHwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool CToolTipCtrl::RemoveTools() {
    if (!IsToolTipWindow(GetSafeHwnd())) return false;
    // Each round removes the first tool; a tool that would not go ends the rounds.
    for (LRESULT count = ::SendMessageW(GetSafeHwnd(), TTM_GETTOOLCOUNT, 0, 0); count > 0;) {
        TTTOOLINFOW info{};
        info.cbSize = ToolInfoSize();
        if (!::SendMessageW(GetSafeHwnd(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info))) break;
        ::SendMessageW(GetSafeHwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        const LRESULT left = ::SendMessageW(GetSafeHwnd(), TTM_GETTOOLCOUNT, 0, 0);
        if (left >= count) break;
        count = left;
    }
    return true;
}

bool CToolTipCtrl::Activate(bool active) {
    if (!IsToolTipWindow(GetSafeHwnd())) return false;
    ::SendMessageW(GetSafeHwnd(), TTM_ACTIVATE, active ? TRUE : FALSE, 0);
    return true;
}

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::GetTools() const { return ToolsOf(GetSafeHwnd()); }

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::ToolsOf(HWND tooltip) {
    std::vector<Tool> tools;
    if (!IsToolTipWindow(tooltip)) return tools;
    const LRESULT count = ::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[kMaxToolText + 1] = {};
        TTTOOLINFOW info{};
        info.cbSize = ToolInfoSize();
        info.lpszText = text;
        if (!::SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info))) break;
        Tool tool;
        tool.wnd = info.hwnd;
        tool.id = info.uId;
        tool.rect = {info.rect.left, info.rect.top, info.rect.right, info.rect.bottom};
        // A callback or resource text has no characters to read.
        if (info.lpszText == text) tool.text = orv::win32::Narrow(text);
        tools.push_back(std::move(tool));
    }
    return tools;
}
