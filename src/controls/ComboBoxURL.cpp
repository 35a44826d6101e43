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

void CComboBoxURL::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0) return;
    std::string text = GetLBText(selected);
    SubmitUrl(text);
    AddRecentUrl(text);
    SelectString(-1, text);
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
