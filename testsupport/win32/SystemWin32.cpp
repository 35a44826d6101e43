// The test-support library on Windows: the system's own view of the toolkit (GetGuiResources,
// GetDIBits, GetPixel), real keyboard messages to the real controls, and DrawText recorded by
// putting a hook in the toolkit DLL's import table.
// The toolkit's headers come before <windows.h>, whose macros would rename their members.
#include "testsupport/ComboDriver.h"
#include "testsupport/Drawing.h"
#include "testsupport/Handles.h"
#include "orvmenu/Wnd.h"
#include "ui/ComboBox.h"

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <type_traits>
#include <vector>

namespace orv::test {

namespace {

BOOL CALLBACK CountWindow(HWND wnd, LPARAM param) {
    auto& counts = *reinterpret_cast<WindowObjectCounts*>(param);
    if (::GetPropA(wnd, orv::wnd::kObjectProp) != nullptr) ++counts.objects;
    counts.hooks += static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(::GetPropA(wnd, orv::wnd::kHookCountProp)));
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND wnd, LPARAM param) {
    CountWindow(wnd, param);
    ::EnumChildWindows(wnd, CountWindow, param);  // every descendant, not just the children
    return TRUE;
}

}  // namespace

WindowObjectCounts CountWindowObjects() {
    WindowObjectCounts counts;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

HandleCounts CountHandles() {
    HANDLE process = ::GetCurrentProcess();
    return {::GetGuiResources(process, GR_USEROBJECTS), ::GetGuiResources(process, GR_GDIOBJECTS)};
}

// --- DrawText ------------------------------------------------------------------------------------

namespace {

using DrawTextWProc = int(WINAPI*)(HDC, LPCWSTR, int, LPRECT, UINT);
static_assert(std::is_same_v<DrawTextWProc, decltype(&::DrawTextW)>);

DrawTextRecorder* current = nullptr;
ULONG_PTR* slot = nullptr;  // the toolkit's import of DrawTextW
ULONG_PTR replaced = 0;

std::string ToCodePage(const wchar_t* text, int count) {
    if (text == nullptr) return {};
    if (count < 0) count = static_cast<int>(std::wcslen(text));
    const int n = ::WideCharToMultiByte(950, 0, text, count, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(950, 0, text, count, out.data(), n, nullptr, nullptr);
    return out;
}

std::string FaceOf(HDC hdc) {
    // The system font (the stock font of a new context) has no face of its own here.
    HGDIOBJ font = ::GetCurrentObject(hdc, OBJ_FONT);
    LOGFONTW logFont{};
    if (font == nullptr || font == ::GetStockObject(SYSTEM_FONT) || ::GetObjectW(font, sizeof logFont, &logFont) == 0) {
        return {};
    }
    return ToCodePage(logFont.lfFaceName, -1);
}

int WINAPI RecordingDrawText(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
    if (current != nullptr && rect != nullptr) {
        current->Add({ToCodePage(text, count), {rect->left, rect->top, rect->right, rect->bottom}, format,
                      ::GetTextColor(hdc), ::GetBkMode(hdc), FaceOf(hdc)});
    }
    return reinterpret_cast<DrawTextWProc>(replaced)(hdc, text, count, rect, format);
}
static_assert(std::is_same_v<decltype(&RecordingDrawText), DrawTextWProc>);

// The import address table entry through which module calls function of dll.
ULONG_PTR* FindImport(HMODULE module, const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name != 0; ++entry) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

bool WriteSlot(ULONG_PTR* target, ULONG_PTR value) {
    DWORD old = 0;
    if (!::VirtualProtect(target, sizeof *target, PAGE_READWRITE, &old)) return false;
    *target = value;
    ::VirtualProtect(target, sizeof *target, old, &old);
    return true;
}

}  // namespace

DrawTextRecorder::DrawTextRecorder() {
    if (current != nullptr) return;
    HMODULE toolkit = ::GetModuleHandleW(L"OrvUi.dll");
    ULONG_PTR* entry = toolkit == nullptr ? nullptr : FindImport(toolkit, "user32.dll", "DrawTextW");
    if (entry == nullptr) return;
    replaced = *entry;
    if (!WriteSlot(entry, reinterpret_cast<ULONG_PTR>(&RecordingDrawText))) return;
    slot = entry;
    current = this;
    active_ = true;
}

DrawTextRecorder::~DrawTextRecorder() {
    if (!active_) return;
    WriteSlot(slot, replaced);
    slot = nullptr;
    current = nullptr;
}

DrawTextRecorder* DrawTextRecorder::Current() { return current; }

orv::Color BitmapPixel(const CBitmap& bitmap, int x, int y) {
    BITMAP info{};
    auto* handle = static_cast<HBITMAP>(bitmap.GetSafeHandle());
    if (handle == nullptr || ::GetObjectW(handle, sizeof info, &info) == 0) return 0xFFFFFFFF;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFF;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;  // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, handle, 0, static_cast<UINT>(height), pixels.data(), &request, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != height) return 0xFFFFFFFF;
    // 0x00BBGGRR from the DIB's pixel, blue in the low byte.
    const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

}  // namespace orv::test

// --- combo boxes ---------------------------------------------------------------------------------

namespace orv::test::combo {

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
    if (box == nullptr) return nullptr;
    if (IsEx(box)) return reinterpret_cast<HWND>(::SendMessageW(box, CBEM_GETEDITCONTROL, 0, 0));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(box, &info) ? info.hwndItem : nullptr;
}

}  // namespace

void TypeChar(CComboBox& box, char c) {
    HWND edit = EditOf(box.GetSafeHwnd());
    if (edit == nullptr) return;
    // Typed at the end of the field, as one types a code character by character.
    const int length = ::GetWindowTextLengthW(edit);
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
    ::SendMessageW(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressReturn(CComboBox& box) {
    HWND edit = EditOf(box.GetSafeHwnd());
    if (edit != nullptr) ::SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
}

void Choose(CComboBox& box, int index) {
    HWND wnd = box.GetSafeHwnd();
    if (wnd == nullptr || index < 0 || index >= box.GetCount()) return;
    if (IsEx(wnd)) {
        // The entry before it, then the down-arrow key on the inner box: the control moves to
        // the entry and tells its parent, as on a user's choice.
        ::SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(index - 1), 0);
        if (HWND combo = InnerCombo(wnd)) ::SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 1);
        return;
    }
    // The plain box's arrow keys move from its list's caret, which CB_SETCURSEL does not move
    // under Wine: the entry is selected, then the box's parent is told what the control tells
    // it on a choice made with the keyboard.
    ::SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND parent = ::GetParent(wnd);
    const auto id = static_cast<WORD>(::GetDlgCtrlID(wnd));
    const bool dropList = (::GetWindowLongW(wnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (dropList) ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(wnd));
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(wnd));
}

void Paint(CComboBox& box) {
    HWND wnd = box.GetSafeHwnd();
    if (wnd != nullptr) ::RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

orv::Color WindowPixel(CComboBox& box, int x, int y) {
    HWND wnd = box.GetSafeHwnd();
    HDC hdc = wnd == nullptr ? nullptr : ::GetWindowDC(wnd);
    if (hdc == nullptr) return 0xFFFFFFFFu;
    const COLORREF pixel = ::GetPixel(hdc, x, y);
    ::ReleaseDC(wnd, hdc);
    return pixel;
}

}  // namespace orv::test::combo
