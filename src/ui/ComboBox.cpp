// What CComboBox does the same way on both back ends: the list goes through the control's own
// messages, so the box behaves as the control it stands on.
#include "ui/ComboBox.h"

#include <algorithm>

#include "ui/Handler.h"
#include "ui/Window.h"

namespace {

using orv::ui::kWmGetFont;
using orv::ui::kWmSetFont;

// An index as the control's wParam: -1 travels as all bits set, as the window system passes it.
WPARAM IndexParam(int index) { return static_cast<WPARAM>(static_cast<LPARAM>(index)); }

LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

}  // namespace

CComboBox::~CComboBox() { DestroyWindow(); }

bool CComboBox::OnReflect(HWND parent, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == orv::ui::kWmCommand) {
        result = 0;
        switch (orv::ui::CommandCode(wParam)) {
        case orv::ui::kCbnSelChange:
            return OnSelChange();
        case orv::ui::kCbnEditChange:
            return OnEditChange();
        default:
            return false;
        }
    }
    // WM_CTLCOLOR*: the parent's answer is the default brush, which the box may replace.
    void* defaultBrush = reinterpret_cast<void*>(CallNext(parent, message, wParam, lParam));
    CBorrowedDC dc(reinterpret_cast<HDC>(wParam));
    const unsigned kind = message == orv::ui::kWmCtlColorEdit ? orv::ui::kCtlColorEdit : orv::ui::kCtlColorListBox;
    void* brush = defaultBrush;
    orv::ui::RunHandler([&] { brush = OnCtlColor(dc, kind, defaultBrush); });
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

int CComboBox::AddString(const std::string& text) {
    return static_cast<int>(SendMessage(orv::ui::kCbAddString, 0, TextParam(text)));
}

int CComboBox::InsertString(int index, const std::string& text) {
    return static_cast<int>(SendMessage(orv::ui::kCbInsertString, IndexParam(index), TextParam(text)));
}

int CComboBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(orv::ui::kCbDeleteString, IndexParam(index), 0));
}

int CComboBox::FindString(int startAfter, const std::string& text) {
    return static_cast<int>(SendMessage(orv::ui::kCbFindString, IndexParam(startAfter), TextParam(text)));
}

int CComboBox::FindStringExact(int startAfter, const std::string& text) {
    return static_cast<int>(SendMessage(orv::ui::kCbFindStringExact, IndexParam(startAfter), TextParam(text)));
}

int CComboBox::SelectString(int startAfter, const std::string& text) {
    return static_cast<int>(SendMessage(orv::ui::kCbSelectString, IndexParam(startAfter), TextParam(text)));
}

int CComboBox::GetCount() { return static_cast<int>(SendMessage(orv::ui::kCbGetCount, 0, 0)); }

int CComboBox::GetCurSel() { return static_cast<int>(SendMessage(orv::ui::kCbGetCurSel, 0, 0)); }

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(orv::ui::kCbSetCurSel, IndexParam(index), 0));
}

std::string CComboBox::GetLBText(int index) {
    const auto length = SendMessage(orv::ui::kCbGetLbTextLen, IndexParam(index), 0);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessage(orv::ui::kCbGetLbText, IndexParam(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) return {};
    text.resize(std::min(static_cast<std::size_t>(copied), static_cast<std::size_t>(length)));
    return text;
}

bool CComboBox::SetEditSel(int start, int end) {
    // Both positions in one 32-bit value, each a 16-bit word; -1 is all bits of its word.
    const auto packed = (static_cast<std::uint32_t>(start) & 0xFFFFu) | ((static_cast<std::uint32_t>(end) & 0xFFFFu) << 16);
    const auto result = SendMessage(orv::ui::kCbSetEditSel, 0, static_cast<LPARAM>(packed));
    return result != 0 && result != orv::ui::kCbErr;
}

void CComboBox::SetFocus() { orv::ui::SetFocus(GetSafeHwnd()); }

bool CComboBox::ShowWindow(int command) { return orv::ui::ShowWindow(GetSafeHwnd(), command); }

void CComboBox::SetFont(CFont* font, bool redraw) {
    void* handle = font == nullptr ? nullptr : font->GetSafeHandle();
    SendMessage(kWmSetFont, reinterpret_cast<WPARAM>(handle), redraw ? 1 : 0);
}

void* CComboBox::GetFont() const {
    return reinterpret_cast<void*>(const_cast<CComboBox*>(this)->SendMessage(kWmGetFont, 0, 0));
}

int CComboBoxEx::InsertItem(int index, const std::string& text) {
    orv::ui::ComboItem item;
    item.mask = orv::ui::kCbeifText;
    item.iItem = index;
    item.text = text.c_str();
    return static_cast<int>(SendMessage(orv::ui::kCbemInsertItem, 0, reinterpret_cast<LPARAM>(&item)));
}
