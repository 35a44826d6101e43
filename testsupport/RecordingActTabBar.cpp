#include "testsupport/RecordingActTabBar.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

std::string ItemText(const OrvActTabItem* item) { return item ? item->trCode : "null"; }

std::string WindowText(std::intptr_t wnd) {
    char digits[2 * sizeof wnd];
    const auto end = std::to_chars(digits, digits + sizeof digits,
                                   static_cast<std::uintptr_t>(wnd), 16).ptr;
    return "0x" + std::string(digits, end);
}

std::string WindowText(HWND wnd) { return WindowText(reinterpret_cast<std::intptr_t>(wnd)); }

std::string CallText(const CRecordingActTabBar::Call& call) {
    return call.name + "(" + call.args + ")";
}

}  // namespace

void CRecordingActTabBar::Record(std::string name, std::string args) {
    NoteFieldWrites();
    calls_.push_back({std::move(name), std::move(args)});
}

void CRecordingActTabBar::NoteFieldWrites() {
    if (creationWnd != seenWnd_) {
        seenWnd_ = creationWnd;
        calls_.push_back({"creationWnd", WindowText(creationWnd)});
    }
    if (creationParam != seenParam_) {
        seenParam_ = creationParam;
        calls_.push_back({"creationParam", std::to_string(creationParam)});
    }
    if (barField != seenBarField_) {
        seenBarField_ = barField;
        calls_.push_back({"barField", std::to_string(barField)});
    }
}

const std::vector<CRecordingActTabBar::Call>& CRecordingActTabBar::Calls() {
    NoteFieldWrites();
    return calls_;
}

void CRecordingActTabBar::ClearCalls() {
    NoteFieldWrites();
    calls_.clear();
}

int CRecordingActTabBar::Find(const OrvActTabItem* item) const {
    const auto it = std::find(tabs_.begin(), tabs_.end(), item);
    return it == tabs_.end() ? -1 : static_cast<int>(it - tabs_.begin());
}

void CRecordingActTabBar::RemoveAt(std::size_t position) {
    if (tabs_[position] == selected_) selected_ = nullptr;
    tabs_.erase(tabs_.begin() + static_cast<std::ptrdiff_t>(position));
}

void CRecordingActTabBar::InsertTabItem(OrvActTabItem* item, std::int32_t index) {
    Record("InsertTabItem", ItemText(item) + "," + std::to_string(index));
    if (!item || Find(item) >= 0) return;
    const bool inRange = index >= 0 && static_cast<std::size_t>(index) <= tabs_.size();
    tabs_.insert(inRange ? tabs_.begin() + index : tabs_.end(), item);
}

void CRecordingActTabBar::DeleteTabItem(OrvActTabItem* item, std::int32_t index) {
    Record("DeleteTabItem", ItemText(item) + "," + std::to_string(index));
    if (const int position = item ? Find(item) : -1; position >= 0)
        RemoveAt(static_cast<std::size_t>(position));
    else if (index >= 0 && static_cast<std::size_t>(index) < tabs_.size())
        RemoveAt(static_cast<std::size_t>(index));
}

void CRecordingActTabBar::ChangeTabItem(OrvActTabItem* item, std::int32_t index) {
    Record("ChangeTabItem", ItemText(item) + "," + std::to_string(index));
}

void CRecordingActTabBar::SelectTabItem(OrvActTabItem* item, std::int32_t index) {
    Record("SelectTabItem", ItemText(item) + "," + std::to_string(index));
    if (item && Find(item) >= 0) selected_ = item;
}

std::int32_t CRecordingActTabBar::MoveTabItem(HWND wnd, std::int32_t index) {
    Record("MoveTabItem", WindowText(wnd) + "," + std::to_string(index));
    const auto it = std::find_if(tabs_.begin(), tabs_.end(), [wnd](const OrvActTabItem* item) {
        return wnd && item->wnd == wnd;
    });
    if (it == tabs_.end()) return -1;
    OrvActTabItem* item = *it;
    tabs_.erase(it);
    const bool inRange = index >= 0 && static_cast<std::size_t>(index) <= tabs_.size();
    const auto at = inRange ? tabs_.begin() + index : tabs_.end();
    return static_cast<std::int32_t>(tabs_.insert(at, item) - tabs_.begin());
}

void CRecordingActTabBar::RedrawActTab() { Record("RedrawActTab", {}); }

void CRecordingActTabBar::DeleteTabItems() {
    Record("DeleteTabItems", {});
    tabs_.clear();
    selected_ = nullptr;
}

void CRecordingActTabBar::SetFormFont(CFormFont font) {
    Record("SetFormFont", font.toString());
    font_ = std::move(font);
}

void CRecordingActTabBar::SetNorForeColor(CFormColor color) {
    Record("SetNorForeColor", color.toString());
    norFore_ = color;
}

void CRecordingActTabBar::SetNorBackColor(CFormColor color) {
    Record("SetNorBackColor", color.toString());
    norBack_ = color;
}

void CRecordingActTabBar::SetSelForeColor(CFormColor color) {
    Record("SetSelForeColor", color.toString());
    selFore_ = color;
}

void CRecordingActTabBar::SetSelBackColor(CFormColor color) {
    Record("SetSelBackColor", color.toString());
    selBack_ = color;
}

std::int32_t CRecordingActTabBar::CreateTabCtrl() {
    Record("CreateTabCtrl", {});
    created_ = true;
    return 1;
}

std::string CRecordingActTabBar::Diff(const std::vector<Call>& expected,
                                      const std::vector<Call>& actual) {
    if (expected == actual) return {};
    std::size_t width = 8;
    for (const Call& call : expected) width = std::max(width, CallText(call).size());
    std::string text = "    #  " + std::string("expected").append(width - 8, ' ') + " | actual\n";
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string want = i < expected.size() ? CallText(expected[i]) : "-";
        const std::string got = i < actual.size() ? CallText(actual[i]) : "-";
        const std::string number = std::to_string(i);
        text += (want == got ? " " : "*");
        text += std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') + number + "  ";
        text += want + std::string(width - want.size(), ' ') + " | " + got + "\n";
    }
    return text;
}
