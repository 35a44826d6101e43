// The headless combo box and extended combo box: the list, edit text and selection a real
// control holds, answering the same messages the same way and sending its parent the same
// notifications. Every rule below was measured on the real controls under 64-bit Wine; the
// marker beside each names the test that runs the same check on both back ends. Where Wine or
// the documentation says otherwise, the note says so, and the components do not rely on it.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Handler.h"
#include "ui/Window.h"
#include "ui/headless/GdiHeadless.h"
#include "ui/headless/HeadlessSystem.h"

namespace {

using orv::headless::IsWindow;
using namespace orv::ui;

// The height of the selection field with the system font, and what a field of item height h
// makes of the window (the window is the field: the dropped list is not part of it).
// measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.WindowAsTheToolBarPlacesIt
constexpr int kComboHeight = 24;
constexpr int kComboExHeight = 22;
constexpr int kFieldFrame = 6;
// measured: 64-bit Wine, tests/controls_test.cpp ControlsTest.ScreenBoxPaintsFlatInTheFormColoursWithItsTriangle
constexpr int kSmCxHThumbValue = 17;

// The state behind a box window.
constexpr char kStateProp[] = "orv.combo.state";

// Lower-case ASCII letters only; both bytes of a double-byte character stay as they are (a
// trail byte may fall in the letters' range).
std::string Folded(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (byte >= 0x81 && byte <= 0xFE) {
            ++i;
        } else if (byte >= 'A' && byte <= 'Z') {
            out[i] = static_cast<char>(byte - 'A' + 'a');
        }
    }
    return out;
}

struct BoxState {
    HWND self = nullptr;
    bool ex = false;
    bool dropList = false;
    unsigned id = 0;
    std::vector<std::string> items;
    int cur = -1;
    std::string text;  // the edit field's
    CRect rect;
    void* font = nullptr;
    int droppedWidth = 0;

    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(std::intptr_t index) const { return index >= 0 && index < Count(); }

    void Notify(unsigned code) const {
        HWND parent = self->parent;
        if (!IsWindow(parent)) return;
        orv::ui::SendMessage(parent, kWmCommand, MakeCommandParam(id, code), reinterpret_cast<LPARAM>(self));
    }

    std::string WindowText() const {
        if (dropList) return Valid(cur) ? items[static_cast<std::size_t>(cur)] : std::string();
        return text;
    }

    // The search starts after startAfter and wraps around; out of range (-1 among them) it
    // starts at the top. An empty text matches nothing. Case is folded for ASCII letters only.
    // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ListMessagesFollowTheControl
    int Find(std::intptr_t startAfter, const char* wanted, bool exact) const {
        if (wanted == nullptr || *wanted == '\0' || items.empty()) return orv::ui::kCbErr;
        const std::string key = Folded(wanted);
        const int count = Count();
        const int first = Valid(startAfter) ? static_cast<int>(startAfter) + 1 : 0;
        for (int step = 0; step < count; ++step) {
            const int index = (first + step) % count;
            const std::string item = Folded(items[static_cast<std::size_t>(index)]);
            if (exact ? item == key : item.compare(0, key.size(), key) == 0) return index;
        }
        return orv::ui::kCbErr;
    }

    std::intptr_t Insert(std::intptr_t index, const char* entry) {
        if (entry == nullptr) return orv::ui::kCbErr;
        // -1 appends; past the end is refused.
        // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ListMessagesFollowTheControl
        if (index == -1) index = Count();
        if (index < 0 || index > Count()) return orv::ui::kCbErr;
        items.insert(items.begin() + index, entry);
        if (cur >= index) ++cur;
        return index;
    }

    std::intptr_t Delete(std::intptr_t index) {
        if (!Valid(index)) return orv::ui::kCbErr;
        items.erase(items.begin() + index);
        // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ListMessagesFollowTheControl
        if (cur == index) {
            cur = -1;  // the edit text stays
        } else if (cur > index) {
            --cur;
        }
        return Count();
    }

    std::intptr_t SetCurSel(std::intptr_t index) {
        if (index != -1 && !Valid(index)) return orv::ui::kCbErr;  // the selection stays
        cur = static_cast<int>(index);
        text = Valid(index) ? items[static_cast<std::size_t>(index)] : std::string();
        // The extended box's edit field reports every text it is given.
        // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ExtendedBoxItemsAndNotifications
        if (ex) Notify(orv::ui::kCbnEditChange);
        return index;
    }

    void SetText(const char* value) {
        if (dropList) return;  // the field shows the selected entry only
        text = value == nullptr ? "" : value;
        if (ex) Notify(orv::ui::kCbnEditChange);
    }

    static std::intptr_t CopyOut(const std::string& value, char* out, std::size_t room) {
        if (out == nullptr || room == 0) return 0;
        const std::size_t n = std::min(value.size(), room - 1);
        std::memcpy(out, value.data(), n);
        out[n] = '\0';
        return static_cast<std::intptr_t>(n);
    }

    // A character typed into the edit field, at its end (the field keeps no caret headless).
    void TypeChar(char c) {
        if (dropList) return;  // no edit field to type into
        text += c;
        // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.UserActionsReachTheBoxAndNotTheHost
        if (!ex) Notify(kCbnEditUpdate);
        if (!orv::headless::IsWindow(self)) return;  // a handler destroyed the box
        Notify(orv::ui::kCbnEditChange);
    }

    // The down-arrow key in the closed box: the next entry is chosen, and the parent is told as
    // on any choice made with the keyboard.
    // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ExtendedBoxItemsAndNotifications
    void ChooseNext() {
        if (!Valid(cur + 1)) return;
        ++cur;
        text = items[static_cast<std::size_t>(cur)];
        if (dropList || ex) Notify(orv::ui::kCbnSelEndOk);
        if (!orv::headless::IsWindow(self)) return;  // a handler destroyed the box
        if (ex) Notify(orv::ui::kCbnEditChange);
        if (!orv::headless::IsWindow(self)) return;
        Notify(orv::ui::kCbnSelChange);
    }

    LRESULT Handle(unsigned message, WPARAM wParam, LPARAM lParam) {
        using namespace orv::ui;
        const auto index = static_cast<std::intptr_t>(wParam);
        const auto* entry = reinterpret_cast<const char*>(lParam);
        switch (message) {
        case kCbAddString:
            // The extended box keeps its items as records: the plain list messages do nothing.
            // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ExtendedBoxItemsAndNotifications
            if (ex) return 0;
            return Insert(-1, entry);
        case kCbInsertString:
            if (ex) return 0;
            return Insert(index, entry);
        case kCbemInsertItem: {
            const auto* item = reinterpret_cast<const ComboItem*>(lParam);
            if (!ex) return 0;
            if (item == nullptr || (item->mask & kCbeifText) == 0) return kCbErr;
            return Insert(item->iItem, item->text);
        }
        case kCbDeleteString:
            return Delete(index);
        case kCbGetCount:
            return Count();
        case kCbGetCurSel:
            return cur;
        case kCbSetCurSel:
            return SetCurSel(index);
        case kCbFindString:
            // The extended box's inner list holds no texts: its prefix search answers the
            // first entry whatever the text. This is Wine's answer; the documentation has the
            // extended box search its items' texts, as on Windows. Components that need the entry
            // of a text search the texts themselves (CComboBoxURL).
            // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ExtendedBoxItemsAndNotifications
            if (ex) return items.empty() ? kCbErr : 0;
            return Find(index, entry, false);
        case kCbFindStringExact:
            return Find(index, entry, true);
        case kCbSelectString: {
            // Wine's extended box refuses it; on Windows it selects by prefix. Either way the
            // components do not rely on it for an extended box.
            // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.ExtendedBoxItemsAndNotifications
            if (ex) return kCbErr;
            const int found = Find(index, entry, false);
            if (found < 0) return kCbErr;  // the selection and the text stay
            cur = found;
            text = items[static_cast<std::size_t>(found)];
            return found;
        }
        case kCbGetLbText: {
            if (!Valid(index) || lParam == 0) return kCbErr;
            const std::string& item = items[static_cast<std::size_t>(index)];
            std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
            return static_cast<std::intptr_t>(item.size());
        }
        case kCbGetLbTextLen:
            return Valid(index) ? static_cast<std::intptr_t>(items[static_cast<std::size_t>(index)].size()) : kCbErr;
        case kCbSetEditSel:
            return dropList ? kCbErr : 1;
        case kCbSetItemHeight: {
            // measured: 64-bit Wine, tests/ui_combobox_test.cpp ComboBoxTest.WindowAsTheToolBarPlacesIt
            const auto height = static_cast<int>(lParam);
            if (height <= 0 || height > 255) return kCbErr;
            if (index == -1) rect.bottom = rect.top + height + kFieldFrame;
            return ex ? 0 : height;
        }
        case kCbSetDroppedWidth:
            droppedWidth = static_cast<int>(wParam);
            return droppedWidth;
        case kWmSetText:
            SetText(entry);
            return 1;
        case kWmGetText:
            return CopyOut(WindowText(), reinterpret_cast<char*>(lParam), wParam);
        case kWmGetTextLength:
            return static_cast<std::intptr_t>(WindowText().size());
        case kWmSetFont:
            font = reinterpret_cast<void*>(wParam);
            return 0;
        case kWmGetFont:
            return reinterpret_cast<std::intptr_t>(font);
        case kWmChar:
            TypeChar(static_cast<char>(wParam));
            return 0;
        case kWmKeyDown:
            if (wParam == kVkDown) ChooseNext();
            return 0;
        case kWmPaint:
            // The control's own painting is not drawn headless; it asks its parent for the
            // field's colours, as it does before painting.
            if (IsWindow(self->parent)) SendMessage(self->parent, kWmCtlColorEdit, wParam, reinterpret_cast<LPARAM>(self));
            return 0;
        default:
            return 0;
        }
    }
};

BoxState* StateOf(const CComboBox& box) {
    HWND wnd = box.GetSafeHwnd();
    if (!IsWindow(wnd)) return nullptr;
    const auto it = wnd->props.find(kStateProp);
    return it == wnd->props.end() ? nullptr : static_cast<BoxState*>(it->second);
}

}  // namespace

bool CComboBox::Create(unsigned style, const CRect& rect, HWND parent, unsigned id) {
    if (GetSafeHwnd() != nullptr || !IsWindow(parent)) return false;
    auto state = std::make_shared<BoxState>();
    HWND wnd = orv::headless::CreateWindow(ClassName(), parent, nullptr, id, style,
                                           [state](unsigned message, WPARAM wParam, LPARAM lParam) {
                                               return state->Handle(message, wParam, lParam);
                                           });
    state->self = wnd;
    state->ex = wnd->className == "ComboBoxEx32";
    state->dropList = (style & kCbsTypeMask) == kCbsDropDownList;
    state->id = id;
    wnd->visible = (style & kWsVisible) != 0;
    state->rect = rect;
    state->rect.bottom = rect.top + (state->ex ? kComboExHeight : kComboHeight);
    wnd->props[kStateProp] = state.get();
    if (Attach(wnd) && Hook(parent)) return true;
    orv::ui::DestroyWindow(wnd);
    return false;
}

bool CComboBox::IsPartOf(HWND wnd) const { return wnd != nullptr && wnd == GetSafeHwnd(); }

// The box's own window: Enter in its field (the field is the box headless), and its painting,
// WM_NCPAINT then WM_PAINT into the window's surface. The client area is the whole window: a
// box has no frame outside its client rectangle.
bool CComboBox::OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM, LRESULT& result) {
    BoxState* state = StateOf(*this);
    if (state == nullptr || wnd != GetSafeHwnd()) return false;
    result = 0;
    if (message == kWmKeyDown && wParam == kVkReturn && !state->dropList) return OnEditReturn();
    if (message != kWmPaint) return false;
    const int width = std::clamp(state->rect.Width(), 1, orv::headless::kMaxBitmapSide);
    const int height = std::clamp(state->rect.Height(), 1, orv::headless::kMaxBitmapSide);
    const auto size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (wnd->surface.size() != size) wnd->surface.assign(size, 0xFFFFFFu);
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateFromPixels(width, height, wnd->surface)) return true;
    const CSelection selected(dc, &bitmap);
    OnNcPaint(dc);
    if (!OnPaint(dc)) CallNext(wnd, kWmPaint, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    if (IsWindow(wnd)) {
        const auto* painted = orv::headless::Lookup<orv::headless::GdiBitmap>(bitmap.GetSafeHandle(), orv::headless::GdiKind::Bitmap);
        if (painted != nullptr && painted->pixels.size() == size) wnd->surface = painted->pixels;
    }
    return true;
}

LRESULT CComboBox::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return orv::ui::SendMessage(GetSafeHwnd(), message, wParam, lParam);
}

std::string CComboBox::GetWindowText() {
    const BoxState* state = StateOf(*this);
    return state == nullptr ? std::string() : state->WindowText();
}

void CComboBox::SetWindowText(const std::string& text) {
    if (BoxState* state = StateOf(*this)) state->SetText(text.c_str());
}

bool CComboBox::HasFocus() const {
    HWND wnd = GetSafeHwnd();
    return wnd != nullptr && orv::headless::GetSystem().focus == wnd && IsWindow(wnd);
}

bool CComboBox::IsWindowVisible() const { return IsWindow(GetSafeHwnd()) && GetSafeHwnd()->visible; }

bool CComboBox::MoveTo(int x, int y) {
    BoxState* state = StateOf(*this);
    if (state == nullptr) return false;
    const int width = state->rect.Width();
    const int height = state->rect.Height();
    state->rect = {x, y, x + width, y + height};
    return true;
}

CRect CComboBox::GetWindowRect() const {
    const BoxState* state = StateOf(*this);
    return state == nullptr ? CRect{} : state->rect;
}

namespace orv::ui {

int GetSystemMetrics(int index) { return index == kSmCxHThumb ? kSmCxHThumbValue : 0; }

}  // namespace orv::ui
