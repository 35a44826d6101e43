// The combo box and extended combo box on Windows: real "ComboBox" and "ComboBoxEx32" controls.
// The box object hooks the box's parent (its notifications and WM_CTLCOLOR* come back to it),
// the box (WM_PAINT, WM_NCPAINT) and its edit field (Enter), so the boxes work although the
// host's message loop never calls the library.
#include "ui/ComboBox.h"
#include "ui/Handler.h"

#include "ui/win32/Win32.h"

#include <commctrl.h>

// The box's own names, not the A/W macros of <windows.h>.
#undef GetWindowText
#undef SetWindowText

#include <cstddef>
#include <cstring>

// The structures handed to the control, as the shipped 32-bit library and the 64-bit build lay
// them out.
#ifdef __i386__
static_assert(sizeof(COMBOBOXEXITEMW) == 36);
static_assert(offsetof(COMBOBOXEXITEMW, mask) == 0 && offsetof(COMBOBOXEXITEMW, iItem) == 4);
static_assert(offsetof(COMBOBOXEXITEMW, pszText) == 8 && offsetof(COMBOBOXEXITEMW, cchTextMax) == 12);
static_assert(offsetof(COMBOBOXEXITEMW, iImage) == 16 && offsetof(COMBOBOXEXITEMW, lParam) == 32);
static_assert(sizeof(COMBOBOXINFO) == 52);
static_assert(offsetof(COMBOBOXINFO, rcItem) == 4 && offsetof(COMBOBOXINFO, stateButton) == 36);
static_assert(offsetof(COMBOBOXINFO, hwndCombo) == 40 && offsetof(COMBOBOXINFO, hwndItem) == 44);
static_assert(offsetof(COMBOBOXINFO, hwndList) == 48);
#elif defined(__x86_64__)
static_assert(sizeof(COMBOBOXEXITEMW) == 56);
static_assert(offsetof(COMBOBOXEXITEMW, mask) == 0 && offsetof(COMBOBOXEXITEMW, iItem) == 8);
static_assert(offsetof(COMBOBOXEXITEMW, pszText) == 16 && offsetof(COMBOBOXEXITEMW, cchTextMax) == 24);
static_assert(offsetof(COMBOBOXEXITEMW, iImage) == 28 && offsetof(COMBOBOXEXITEMW, lParam) == 48);
static_assert(sizeof(COMBOBOXINFO) == 64);
static_assert(offsetof(COMBOBOXINFO, rcItem) == 4 && offsetof(COMBOBOXINFO, stateButton) == 36);
static_assert(offsetof(COMBOBOXINFO, hwndCombo) == 40 && offsetof(COMBOBOXINFO, hwndItem) == 48);
static_assert(offsetof(COMBOBOXINFO, hwndList) == 56);
#endif

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

bool IsEx(HWND box) {
    wchar_t name[32] = {};
    return ::GetClassNameW(box, name, 32) > 0 && std::wcscmp(name, WC_COMBOBOXEXW) == 0;
}

// The combo box that holds the list: the extended box keeps one inside.
HWND InnerCombo(HWND box) {
    if (!IsEx(box)) return box;
    return reinterpret_cast<HWND>(::SendMessageW(box, CBEM_GETCOMBOCONTROL, 0, 0));
}

HWND EditOf(HWND box) {
    if (IsEx(box)) return reinterpret_cast<HWND>(::SendMessageW(box, CBEM_GETEDITCONTROL, 0, 0));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(box, &info) ? info.hwndItem : nullptr;
}

// Whether a window that asks its parent for colours is part of the box: the box, its inner
// combo box, edit field or dropped list.
bool BelongsTo(HWND box, HWND wnd) {
    if (wnd == nullptr) return false;
    if (wnd == box || ::IsChild(box, wnd)) return true;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(InnerCombo(box), &info) && wnd == info.hwndList;
}

std::wstring ItemText(HWND box, WPARAM index) {
    const LRESULT length = ::SendMessageW(box, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring WindowTextW(HWND wnd) {
    const int length = ::GetWindowTextLengthW(wnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(wnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

bool CComboBox::Create(unsigned style, const CRect& rect, HWND parent, unsigned id) {
    if (GetSafeHwnd() != nullptr || parent == nullptr || !::IsWindow(parent)) return false;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_USEREX_CLASSES};
    if (!::InitCommonControlsEx(&init)) return false;
    const std::wstring className = orv::win32::Wide(ClassName());
    HWND wnd = ::CreateWindowExW(0, className.c_str(), L"", style, rect.left, rect.top, rect.Width(), rect.Height(),
                                 parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
    if (wnd == nullptr) return false;
    if (!Attach(wnd) || !Hook(parent)) {
        DestroyWindow();
        if (::IsWindow(wnd)) ::DestroyWindow(wnd);
        return false;
    }
    if (HWND edit = EditOf(wnd)) Hook(edit);
    return true;
}

bool CComboBox::IsPartOf(HWND wnd) const { return BelongsTo(GetSafeHwnd(), wnd); }

bool CComboBox::OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (wnd != GetSafeHwnd()) {
        // The edit field: Enter, when the box takes it.
        if (message == WM_KEYDOWN && wParam == VK_RETURN && OnEditReturn()) {
            result = 0;
            return true;
        }
        return false;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC hdc = ::BeginPaint(wnd, &paint);
        bool painted = false;
        {
            CBorrowedDC dc(hdc);
            painted = orv::ui::RunHandler([&] { return OnPaint(dc); });
        }
        // The control paints into the same context when the box did not.
        if (!painted) CallNext(wnd, WM_PAINT, reinterpret_cast<WPARAM>(hdc), 0);
        ::EndPaint(wnd, &paint);
        result = 0;
        return true;
    }
    if (message == WM_NCPAINT) {
        HDC hdc = ::GetWindowDC(wnd);
        if (hdc == nullptr) return false;
        bool painted = false;
        {
            CBorrowedDC dc(hdc);
            painted = orv::ui::RunHandler([&] { return OnNcPaint(dc); });
        }
        ::ReleaseDC(wnd, hdc);
        result = 0;
        return painted;
    }
    return false;
}

LRESULT CComboBox::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    HWND wnd = GetSafeHwnd();
    if (wnd == nullptr) return 0;
    const auto* text = reinterpret_cast<const char*>(lParam);
    switch (message) {
    // Texts travel as wide strings, so the terminal's code page works on any system code page.
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING:
    case WM_SETTEXT: {
        const std::wstring wide = orv::win32::Wide(text == nullptr ? "" : text);
        return ::SendMessageW(wnd, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: {
        if (::SendMessageW(wnd, CB_GETLBTEXTLEN, wParam, 0) < 0) return CB_ERR;
        const std::string narrow = orv::win32::Narrow(ItemText(wnd, wParam));
        // As the control does, CB_GETLBTEXT trusts the caller's buffer to hold the text.
        if (message == CB_GETLBTEXT) {
            if (lParam == 0) return CB_ERR;
            std::memcpy(reinterpret_cast<char*>(lParam), narrow.c_str(), narrow.size() + 1);
        }
        return static_cast<std::intptr_t>(narrow.size());
    }
    case CBEM_INSERTITEMA: {
        const auto* item = reinterpret_cast<const orv::ui::ComboItem*>(lParam);
        if (item == nullptr) return CB_ERR;
        std::wstring wide = orv::win32::Wide(item->text == nullptr ? "" : item->text);
        COMBOBOXEXITEMW native{};
        native.mask = item->mask & CBEIF_TEXT;
        native.iItem = item->iItem;
        native.pszText = wide.data();
        return ::SendMessageW(wnd, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&native));
    }
    default:
        return ::SendMessageW(wnd, message, wParam, lParam);
    }
}

std::string CComboBox::GetWindowText() {
    HWND wnd = GetSafeHwnd();
    return wnd == nullptr ? std::string() : orv::win32::Narrow(WindowTextW(wnd));
}

void CComboBox::SetWindowText(const std::string& text) {
    HWND wnd = GetSafeHwnd();
    if (wnd != nullptr) ::SetWindowTextW(wnd, orv::win32::Wide(text).c_str());
}

bool CComboBox::HasFocus() const {
    HWND focus = ::GetFocus();
    HWND wnd = GetSafeHwnd();
    return wnd != nullptr && focus != nullptr && (focus == wnd || ::IsChild(wnd, focus));
}

bool CComboBox::IsWindowVisible() const { return GetSafeHwnd() != nullptr && ::IsWindowVisible(GetSafeHwnd()) != FALSE; }

bool CComboBox::MoveTo(int x, int y) {
    constexpr UINT kKeepSizeAndOrder = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
    HWND wnd = GetSafeHwnd();
    return wnd != nullptr && ::SetWindowPos(wnd, nullptr, x, y, 0, 0, kKeepSizeAndOrder) != FALSE;
}

CRect CComboBox::GetWindowRect() const {
    RECT rect{};
    HWND wnd = GetSafeHwnd();
    if (wnd == nullptr || !::GetWindowRect(wnd, &rect)) return {};
    ::MapWindowPoints(nullptr, ::GetParent(wnd), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

namespace orv::ui {

int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

}  // namespace orv::ui
