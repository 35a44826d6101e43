// The combo box and extended combo box on Windows: real "ComboBox" and "ComboBoxEx32" controls.
// The toolkit subclasses the box's parent (its notifications and WM_CTLCOLOR* go to the box
// object and not on to the parent), the box (WM_PAINT, WM_NCPAINT) and its edit field (Enter),
// so the boxes work although the host's message loop never calls the library.
#include "ui/ComboBox.h"
#include "ui/Handler.h"

#include "ui/win32/Win32.h"

#include <commctrl.h>

// The box's own names, not the A/W macros of <windows.h>.
#undef GetWindowText
#undef SetWindowText

#include <cstddef>
#include <cstring>
#include <type_traits>

static_assert(orv::ui::kCbAddString == CB_ADDSTRING && orv::ui::kCbDeleteString == CB_DELETESTRING);
static_assert(orv::ui::kCbGetCount == CB_GETCOUNT && orv::ui::kCbGetCurSel == CB_GETCURSEL);
static_assert(orv::ui::kCbGetLbText == CB_GETLBTEXT && orv::ui::kCbGetLbTextLen == CB_GETLBTEXTLEN);
static_assert(orv::ui::kCbInsertString == CB_INSERTSTRING && orv::ui::kCbFindString == CB_FINDSTRING);
static_assert(orv::ui::kCbSelectString == CB_SELECTSTRING && orv::ui::kCbSetCurSel == CB_SETCURSEL);
static_assert(orv::ui::kCbSetEditSel == CB_SETEDITSEL && orv::ui::kCbSetItemHeight == CB_SETITEMHEIGHT);
static_assert(orv::ui::kCbFindStringExact == CB_FINDSTRINGEXACT && orv::ui::kCbSetDroppedWidth == CB_SETDROPPEDWIDTH);
static_assert(orv::ui::kCbErr == CB_ERR && orv::ui::kCbnSelChange == CBN_SELCHANGE);
static_assert(orv::ui::kCbnEditChange == CBN_EDITCHANGE && orv::ui::kCbnSelEndOk == CBN_SELENDOK);
static_assert(orv::ui::kCtlColorEdit == CTLCOLOR_EDIT && orv::ui::kCtlColorListBox == CTLCOLOR_LISTBOX);
static_assert(orv::ui::kSwShow == SW_SHOW && orv::ui::kVkReturn == VK_RETURN && orv::ui::kWmKeyDown == WM_KEYDOWN);
static_assert(orv::ui::kCbemInsertItem == CBEM_INSERTITEMA && orv::ui::kCbeifText == CBEIF_TEXT);
static_assert(orv::ui::kSmCxHThumb == SM_CXHTHUMB);

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

CComboBox* BoxOf(DWORD_PTR data) { return reinterpret_cast<CComboBox*>(data); }

LRESULT CALLBACK ParentProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    CComboBox* box = BoxOf(data);
    HWND self = box->GetSafeHwnd();
    if (message == WM_COMMAND && self != nullptr && reinterpret_cast<HWND>(lParam) == self) {
        // Every notification of the box is the box's own: the parent (a toolbar passes them on
        // to the host's window) never sees them.
        const UINT code = HIWORD(wParam);
        if (code == CBN_SELCHANGE) orv::ui::RunHandler([box] { box->OnSelChange(); });
        if (code == CBN_EDITCHANGE) orv::ui::RunHandler([box] { box->OnEditChange(); });
        return 0;
    }
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) && self != nullptr &&
        BelongsTo(self, reinterpret_cast<HWND>(lParam))) {
        void* defaultBrush = reinterpret_cast<void*>(::DefSubclassProc(wnd, message, wParam, lParam));
        CBorrowedDC dc(reinterpret_cast<void*>(wParam));
        const unsigned kind = message == WM_CTLCOLOREDIT ? orv::ui::kCtlColorEdit : orv::ui::kCtlColorListBox;
        void* brush = defaultBrush;
        orv::ui::RunHandler([&] { brush = box->OnCtlColor(dc, kind, defaultBrush); });
        return reinterpret_cast<LRESULT>(brush);
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(wnd, ParentProc, id);
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}

LRESULT CALLBACK BoxProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    CComboBox* box = BoxOf(data);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC hdc = ::BeginPaint(wnd, &paint);
        bool painted = false;
        {
            CBorrowedDC dc(hdc);
            painted = orv::ui::RunHandler([&] { return box->OnPaint(dc); });
        }
        // The control paints into the same context when the box did not.
        if (!painted) ::DefSubclassProc(wnd, WM_PAINT, reinterpret_cast<WPARAM>(hdc), 0);
        ::EndPaint(wnd, &paint);
        return 0;
    }
    case WM_NCPAINT: {
        HDC hdc = ::GetWindowDC(wnd);
        bool painted = false;
        if (hdc != nullptr) {
            CBorrowedDC dc(hdc);
            painted = orv::ui::RunHandler([&] { return box->OnNcPaint(dc); });
        }
        if (hdc != nullptr) ::ReleaseDC(wnd, hdc);
        if (painted) return 0;
        break;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(wnd, BoxProc, id);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN &&
        orv::ui::RunHandler([data] { return BoxOf(data)->OnEditReturn(); })) {
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(wnd, EditProc, id);
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}

// The system calls these through its own pointer type: their type, calling convention included,
// is exactly that one, so no cast stands between them and SetWindowSubclass.
static_assert(std::is_same_v<decltype(&ParentProc), SUBCLASSPROC>);
static_assert(std::is_same_v<decltype(&BoxProc), SUBCLASSPROC>);
static_assert(std::is_same_v<decltype(&EditProc), SUBCLASSPROC>);
#ifdef __i386__
// On i686 the convention is part of the type, so a procedure without CALLBACK fails the checks.
static_assert(!std::is_same_v<LRESULT (*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR), SUBCLASSPROC>);
#endif

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
    if (hwnd_ != nullptr || parent == nullptr || !::IsWindow(parent)) return false;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_USEREX_CLASSES};
    if (!::InitCommonControlsEx(&init)) return false;
    const std::wstring className = orv::win32::Wide(ClassName());
    hwnd_ = ::CreateWindowExW(0, className.c_str(), L"", style, rect.left, rect.top, rect.Width(), rect.Height(),
                              parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
    if (hwnd_ == nullptr) return false;
    const auto self = reinterpret_cast<UINT_PTR>(this);
    ::SetWindowSubclass(parent, ParentProc, self, self);
    ::SetWindowSubclass(hwnd_, BoxProc, self, self);
    if (HWND edit = EditOf(hwnd_)) ::SetWindowSubclass(edit, EditProc, self, self);
    return true;
}

bool CComboBox::DestroyWindow() {
    HWND wnd = hwnd_;
    // Gone already when its parent was destroyed first; the parent took its hook with it.
    if (wnd == nullptr || !::IsWindow(wnd)) {
        hwnd_ = nullptr;
        return false;
    }
    HWND parent = ::GetParent(wnd);
    // The box keeps its handle while it goes, so its last notifications stay its own.
    const bool destroyed = ::DestroyWindow(wnd) != FALSE;
    hwnd_ = nullptr;
    if (parent != nullptr) ::RemoveWindowSubclass(parent, ParentProc, reinterpret_cast<UINT_PTR>(this));
    return destroyed;
}

LRESULT CComboBox::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (hwnd_ == nullptr) return 0;
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
        return ::SendMessageW(hwnd_, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: {
        if (::SendMessageW(hwnd_, CB_GETLBTEXTLEN, wParam, 0) < 0) return CB_ERR;
        const std::string narrow = orv::win32::Narrow(ItemText(hwnd_, wParam));
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
        return ::SendMessageW(hwnd_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&native));
    }
    default:
        return ::SendMessageW(hwnd_, message, wParam, lParam);
    }
}

std::string CComboBox::GetWindowText() { return hwnd_ == nullptr ? std::string() : orv::win32::Narrow(WindowTextW(hwnd_)); }

void CComboBox::SetWindowText(const std::string& text) {
    if (hwnd_ != nullptr) ::SetWindowTextW(hwnd_, orv::win32::Wide(text).c_str());
}

void CComboBox::SetFocus() {
    if (hwnd_ != nullptr) ::SetFocus(hwnd_);
}

bool CComboBox::HasFocus() const {
    HWND focus = ::GetFocus();
    return hwnd_ != nullptr && focus != nullptr && (focus == hwnd_ || ::IsChild(hwnd_, focus));
}

bool CComboBox::ShowWindow(int command) { return hwnd_ != nullptr && ::ShowWindow(hwnd_, command) != FALSE; }

bool CComboBox::IsWindowVisible() const { return hwnd_ != nullptr && ::IsWindowVisible(hwnd_) != FALSE; }

bool CComboBox::MoveTo(int x, int y) {
    constexpr UINT kKeepSizeAndOrder = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
    static_assert(kKeepSizeAndOrder == 0x115);
    return hwnd_ != nullptr && ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, kKeepSizeAndOrder) != FALSE;
}

CRect CComboBox::GetWindowRect() const {
    RECT rect{};
    if (hwnd_ == nullptr || !::GetWindowRect(hwnd_, &rect)) return {};
    ::MapWindowPoints(nullptr, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

namespace orv::ui {

int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

}  // namespace orv::ui
