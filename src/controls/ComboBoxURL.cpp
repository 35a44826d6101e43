#include "controls/ComboBoxURL.h"

#include "orvmenu/OrvToolBar.h"
#include "ui/Window.h"

namespace {

constexpr char kScheme[] = "http://";
constexpr std::size_t kSchemeLength = sizeof(kScheme) - 1;
constexpr std::size_t kShortest = 5;  // Enter submits an address of at least this many characters
// The first byte of a double-byte character is above this: such an address is not completed.
constexpr unsigned char kLastSingleByte = 0x80;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The control's prefix match: ASCII letters without regard to case, other bytes as they are.
bool StartsWith(const std::string& entry, const std::string& prefix) {
    if (prefix.empty() || entry.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        auto a = static_cast<unsigned char>(entry[i]);
        auto b = static_cast<unsigned char>(prefix[i]);
        if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

}  // namespace

void CComboBoxURL::SubmitUrl(std::string address) {
    if (toolBarItem == nullptr) return;
    toolBarItem->value = address;
    const HWND main = GetSafeHwnd() != nullptr ? orv::ui::GetRootOwner(GetSafeHwnd()) : nullptr;
    orv::ui::SendMessage(main, orv::kWmCommand, toolBarItem->id, 0);
}

void CComboBoxURL::AddRecentUrl(std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start])) ++start;
    text.erase(0, start);
    if (text.empty()) return;
    const auto first = static_cast<unsigned char>(text[0]);
    // Case-sensitive: "HTTP://x" gets a second, lower-case scheme in front.
    const bool complete = text.compare(0, kSchemeLength, kScheme) != 0 && first <= kLastSingleByte;
    const std::string entry = complete ? kScheme + text : text;
    const int found = FindStringExact(0, entry);
    if (found >= 0) {
        DeleteString(found);
    } else if (GetCount() >= kHistoryLimit) {
        DeleteString(kHistoryLimit - 1);
    }
    InsertItem(-1, entry);
}

bool CComboBoxURL::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0) return true;
    std::string text = GetLBText(selected);
    SubmitUrl(text);
    AddRecentUrl(text);
    SelectFirstStartingWith(text);
    return true;
}

// The box's CB_SELECTSTRING: Wine's extended box refuses it, and its prefix search answers the
// first entry whatever the text. The entry the user must see selected is found here instead,
// by the rule the control documents: the first from the top that begins with the text.
void CComboBoxURL::SelectFirstStartingWith(const std::string& text) {
    const int selected = SelectString(-1, text);
    if (selected >= 0 && StartsWith(GetLBText(selected), text)) return;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (StartsWith(GetLBText(i), text)) {
            SetCurSel(i);
            return;
        }
    }
}

bool CComboBoxURL::OnEditReturn() {
    std::string text = GetWindowText();
    if (text.size() < kShortest) return false;
    SubmitUrl(text);
    AddRecentUrl(text);
    return true;
}

bool CComboBoxURL::PreTranslateMessage(const orv::controls::BoxMessage& msg) {
    return orv::controls::IsReturnKeyDown(msg) && OnEditReturn();
}
