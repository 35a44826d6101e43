// A tab control of the host's kind that records every call it receives, for tests and orvhost.
//
// It stands where the host's own tab control stands: the action tab bar component calls it
// through COrvActTabBar. It keeps a simple list of tabs, the selection, the font and the four
// colours, so orvhost can show the bar, and it records each call in order (name and arguments
// as text) so a test can compare the sequence with an expected table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvActTabBar.h"
#include "orvmenu/OrvActTabItem.h"
#include "orvmenu/OrvWinTypes.h"

class CRecordingActTabBar final : public COrvActTabBar {
public:
    // One call: its name and its arguments as text. Items appear as their TR code ("null" for
    // a null pointer), colours as "R,G,B", fonts as CFormFont::toString, windows in hexadecimal,
    // integers in decimal, separated by commas: {"InsertTabItem", "8000,5"}.
    struct Call {
        std::string name;
        std::string args;
        friend bool operator==(const Call&, const Call&) = default;
    };

    CRecordingActTabBar() = default;
    CRecordingActTabBar(const CRecordingActTabBar&) = delete;
    CRecordingActTabBar& operator=(const CRecordingActTabBar&) = delete;
    ~CRecordingActTabBar() = default;

    // Positions: Insert puts the item at index (any other index, -1 among them, appends; an
    // item already in the bar stays where it is). Delete removes the item, or the tab at index
    // when the item is not in the bar. Move puts the tab of wnd at index (out of range: last)
    // and returns its new position, or -1 when no tab has that window.
    void InsertTabItem(OrvActTabItem* item, std::int32_t index) override;
    void DeleteTabItem(OrvActTabItem* item, std::int32_t index) override;
    void ChangeTabItem(OrvActTabItem* item, std::int32_t index) override;
    void SelectTabItem(OrvActTabItem* item, std::int32_t index) override;
    std::int32_t MoveTabItem(HWND wnd, std::int32_t index) override;
    void RedrawActTab() override;
    void DeleteTabItems() override;
    void SetFormFont(CFormFont font) override;
    void SetNorForeColor(CFormColor color) override;
    void SetNorBackColor(CFormColor color) override;
    void SetSelForeColor(CFormColor color) override;
    void SetSelBackColor(CFormColor color) override;
    std::int32_t CreateTabCtrl() override;  // returns 1

    // The calls so far. The public fields cannot report their writes, so a change of
    // creationWnd, creationParam or barField is recorded as a call of that name when the bar
    // next notices it: at its next call, or here.
    const std::vector<Call>& Calls();
    void ClearCalls();

    // The sequences side by side, mismatching lines marked; empty when they are equal.
    static std::string Diff(const std::vector<Call>& expected, const std::vector<Call>& actual);

    // What the bar shows.
    const std::vector<OrvActTabItem*>& Tabs() const { return tabs_; }
    const OrvActTabItem* Selected() const { return selected_; }
    const CFormFont& Font() const { return font_; }
    const CFormColor& NorForeColor() const { return norFore_; }
    const CFormColor& NorBackColor() const { return norBack_; }
    const CFormColor& SelForeColor() const { return selFore_; }
    const CFormColor& SelBackColor() const { return selBack_; }
    bool Created() const { return created_; }

private:
    void Record(std::string name, std::string args);
    void NoteFieldWrites();
    int Find(const OrvActTabItem* item) const;  // position, or -1
    void RemoveAt(std::size_t position);

    std::vector<Call> calls_;
    std::vector<OrvActTabItem*> tabs_;
    OrvActTabItem* selected_ = nullptr;
    CFormFont font_;
    CFormColor norFore_, norBack_, selFore_, selBack_;
    bool created_ = false;
    // The field values last noticed.
    std::intptr_t seenWnd_ = 0;
    std::uint32_t seenParam_ = 0;
    std::int32_t seenBarField_ = 0;
};
