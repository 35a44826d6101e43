// The combo box and extended combo box, through their messages and a user's actions: the same
// checks run on the headless boxes and, under Wine, on the real controls, so every rule the
// headless box copies is measured here.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "orvmenu/ToolBar.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"
#include "orvmenu/HostWindow.h"
#include "testsupport/ComboDriver.h"
#include "testsupport/RecordingWindow.h"

namespace {

using orv::ui::kCbErr;

constexpr unsigned kDropDown = 0x50A00042;      // child, visible, border, scroll bars, drop-down
constexpr unsigned kDropDownList = 0x50A00043;  // the same with a drop-down list
constexpr unsigned kBoxId = 91000;
constexpr unsigned kWmCommand = 0x0111;

// Records the handlers the toolkit calls, with the window text at the time.
template <class Base>
class Recording : public Base {
public:
    std::vector<std::string> calls;
    bool consumeReturn = false;
    orv::Color frameColor = 0;
    bool paintFrame = false;
    bool handles = true;  // what the handlers say: false lets the notification go on to the parent

    bool OnSelChange() override {
        calls.push_back("sel " + this->GetWindowText());
        return handles;
    }
    bool OnEditChange() override {
        calls.push_back("edit " + this->GetWindowText());
        return handles;
    }
    bool OnEditReturn() override {
        calls.push_back("return " + this->GetWindowText());
        return consumeReturn;
    }
    bool OnPaint(CDC&) override { return paintFrame; }
    bool OnNcPaint(CDC& dc) override {
        if (!paintFrame) return false;
        const CRect rect = this->GetWindowRect();
        dc.FillSolidRect({0, 0, rect.Width(), rect.Height()}, frameColor);
        return true;
    }
};
using RecordingBox = Recording<CComboBox>;
using RecordingBoxEx = Recording<CComboBoxEx>;

// The host's main window with its toolbar, the boxes' parent, as the toolbar places them.
class ComboBoxTest : public orv::test::OrvTest {
protected:
    void SetUp() override {
        OrvTest::SetUp();
        host = std::make_unique<orv::test::RecordingWindow>("combo host");
        toolBar = std::make_unique<CToolBar>();
        ASSERT_TRUE(toolBar->Create(host->GetHwnd()));
    }
    void TearDown() override {
        toolBar.reset();
        host.reset();
        OrvTest::TearDown();
    }

    template <class Box>
    void CreateOnToolBar(Box& box, unsigned style) {
        ASSERT_TRUE(box.Create(style, {10, 20, 110, 220}, toolBar->GetSafeHwnd(), kBoxId));
    }

    // The selection and edit changes of a box that reached the host: the toolbar hands its
    // parent what a child's object left unhandled.
    std::vector<unsigned> HostChanges(const CComboBox& box) const {
        std::vector<unsigned> codes;
        for (const auto& m : host->Messages()) {
            const unsigned code = orv::ui::CommandCode(m.wParam);
            if (m.message == kWmCommand && m.lParam == reinterpret_cast<LPARAM>(box.GetSafeHwnd()) &&
                (m.wParam & 0xFFFFu) == (kBoxId & 0xFFFFu) && (code == orv::ui::kCbnSelChange || code == orv::ui::kCbnEditChange)) {
                codes.push_back(code);
            }
        }
        return codes;
    }
    int HostCommands() const {
        int count = 0;
        for (const auto& m : host->Messages()) count += m.message == kWmCommand && m.lParam == 0 ? 1 : 0;
        return count;
    }

    std::unique_ptr<orv::test::RecordingWindow> host;
    std::unique_ptr<CToolBar> toolBar;
};

TEST_F(ComboBoxTest, ListMessagesFollowTheControl) {
    CComboBox box;
    CreateOnToolBar(box, kDropDown);
    // An unsorted box appends; -1 appends too; past the end is refused, at the end is not.
    EXPECT_EQ(box.AddString("abc"), 0);
    EXPECT_EQ(box.AddString("Abd"), 1);
    EXPECT_EQ(box.AddString("8000 x"), 2);
    EXPECT_EQ(box.InsertString(99, "past"), kCbErr);
    EXPECT_EQ(box.InsertString(-1, "minus"), 3);
    EXPECT_EQ(box.InsertString(4, "end"), 4);
    EXPECT_EQ(box.DeleteString(4), 4);  // the count left
    EXPECT_EQ(box.GetCount(), 4);

    // Prefix search without regard to case, starting after the index and wrapping around; an
    // index out of range starts at the top; an empty text finds nothing.
    EXPECT_EQ(box.FindString(-1, "ab"), 0);
    EXPECT_EQ(box.FindString(0, "ab"), 1);
    EXPECT_EQ(box.FindString(1, "ab"), 0);
    EXPECT_EQ(box.FindString(99, "ab"), 0);
    EXPECT_EQ(box.FindString(-1, ""), kCbErr);
    EXPECT_EQ(box.FindString(-1, "ABC"), 0);
    EXPECT_EQ(box.FindString(-1, "abcd"), kCbErr);
    EXPECT_EQ(box.FindStringExact(-1, "ABC"), 0);
    EXPECT_EQ(box.FindStringExact(-1, "ab"), kCbErr);
    EXPECT_EQ(box.FindStringExact(0, "abc"), 0);
    EXPECT_EQ(box.FindStringExact(1, "abd"), 1);

    // Selecting by prefix puts the entry in the field; a failed selection changes nothing.
    EXPECT_EQ(box.SelectString(-1, "AB"), 0);
    EXPECT_EQ(box.GetWindowText(), "abc");
    EXPECT_EQ(box.SelectString(-1, "zz"), kCbErr);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(box.GetWindowText(), "abc");

    EXPECT_EQ(box.SetCurSel(2), 2);
    EXPECT_EQ(box.GetWindowText(), "8000 x");
    EXPECT_EQ(box.SetCurSel(99), kCbErr);
    EXPECT_EQ(box.GetCurSel(), 2);
    // Deleting the selected entry leaves no selection but the text in the field.
    EXPECT_EQ(box.DeleteString(2), 3);
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(box.GetWindowText(), "8000 x");
    EXPECT_EQ(box.DeleteString(99), kCbErr);
    EXPECT_EQ(box.DeleteString(-1), kCbErr);
    EXPECT_EQ(box.GetLBText(1), "Abd");
    EXPECT_EQ(box.GetLBText(99), "");

    // The selection follows its entry when others come and go before it.
    EXPECT_EQ(box.SetCurSel(1), 1);
    EXPECT_EQ(box.InsertString(0, "z"), 0);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(box.DeleteString(0), 3);
    EXPECT_EQ(box.GetCurSel(), 1);
    // No selection empties the field.
    EXPECT_EQ(box.SetCurSel(-1), kCbErr);
    EXPECT_EQ(box.GetWindowText(), "");

    // The terminal's text survives the trip, and a double-byte character is never folded: its
    // trail byte 0x41 is not the letter A.
    const std::string name = orv::test::Big5("台積電");
    EXPECT_EQ(box.AddString(name), 3);
    EXPECT_EQ(box.GetLBText(3), name);
    EXPECT_EQ(box.FindStringExact(-1, name), 3);
    EXPECT_EQ(box.AddString("\xA4\x41"), 4);
    EXPECT_EQ(box.FindStringExact(-1, "\xA4\x61"), kCbErr);
    EXPECT_EQ(box.FindStringExact(-1, "\xA4\x41"), 4);
    EXPECT_TRUE(box.SetEditSel(0, -1));
}

TEST_F(ComboBoxTest, WindowAsTheToolBarPlacesIt) {
    CComboBox box;
    CreateOnToolBar(box, kDropDown);
    // The window is the selection field: the dropped list's height is not part of it.
    EXPECT_EQ(box.GetWindowRect(), (CRect{10, 20, 110, 44}));
    EXPECT_EQ(box.SendMessage(orv::ui::kCbSetDroppedWidth, 100, 0), 100);
    EXPECT_EQ(box.SendMessage(orv::ui::kCbSetItemHeight, static_cast<std::uintptr_t>(-1), 14), 14);
    EXPECT_EQ(box.GetWindowRect(), (CRect{10, 20, 110, 40}));
    EXPECT_TRUE(box.MoveTo(5, 6));
    EXPECT_EQ(box.GetWindowRect(), (CRect{5, 6, 105, 26}));
    // The window's own visibility, whatever its parents'.
    EXPECT_TRUE(box.ShowWindow(0));
    EXPECT_FALSE(box.ShowWindow(orv::ui::kSwShow));
    EXPECT_TRUE(box.ShowWindow(orv::ui::kSwShow));
    EXPECT_EQ(orv::ui::GetSystemMetrics(orv::ui::kSmCxHThumb), 17);

    // A drop-down list shows its selected entry only.
    CComboBox list;
    ASSERT_TRUE(list.Create(kDropDownList, {10, 60, 110, 260}, toolBar->GetSafeHwnd(), kBoxId + 1));
    list.AddString("one");
    list.AddString("two");
    list.SetWindowText("free");
    EXPECT_EQ(list.GetWindowText(), "");
    list.SetCurSel(1);
    EXPECT_EQ(list.GetWindowText(), "two");
    list.SetWindowText("one");
    EXPECT_EQ(list.GetWindowText(), "two");
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(list.DestroyWindow());
    EXPECT_FALSE(list.DestroyWindow());
}

TEST_F(ComboBoxTest, UserActionsReachTheBoxAndNotTheHost) {
    RecordingBox box;
    CreateOnToolBar(box, kDropDown);
    box.AddString("8000 first");
    box.AddString("8001 second");

    orv::test::combo::TypeChar(box, '8');
    orv::test::combo::TypeChar(box, '0');
    // Text set by the program is no edit change.
    box.SetWindowText("80");
    orv::test::combo::TypeChar(box, '1');
    orv::test::combo::PressReturn(box);
    box.consumeReturn = true;
    orv::test::combo::PressReturn(box);
    orv::test::combo::Choose(box, 1);
    orv::test::combo::Choose(box, 0);
    orv::test::combo::Choose(box, 2);  // no such entry: nothing happens
    const std::vector<std::string> expected = {"edit 8",        "edit 80",        "edit 801", "return 801",
                                               "return 801",    "sel 8001 second", "sel 8000 first"};
    EXPECT_EQ(box.calls, expected);
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(HostCommands(), 0);
    EXPECT_TRUE(HostChanges(box).empty());

    // A box that leaves its notifications unhandled: the toolbar's parent gets each one, as the
    // box sent it, and no other box's.
    RecordingBox other;
    CreateOnToolBar(other, kDropDown);
    other.handles = false;
    other.AddString("9000 third");
    orv::test::combo::TypeChar(other, '9');
    orv::test::combo::Choose(other, 0);
    EXPECT_EQ(other.calls, (std::vector<std::string>{"edit 9", "sel 9000 third"}));
    EXPECT_EQ(HostChanges(other), (std::vector<unsigned>{orv::ui::kCbnEditChange, orv::ui::kCbnSelChange}));
    EXPECT_TRUE(HostChanges(box).empty());
}

TEST_F(ComboBoxTest, ExtendedBoxItemsAndNotifications) {
    RecordingBoxEx box;
    CreateOnToolBar(box, kDropDown);
    EXPECT_EQ(box.GetWindowRect(), (CRect{10, 20, 110, 42}));
    EXPECT_EQ(box.InsertItem(-1, "first"), 0);
    EXPECT_EQ(box.InsertItem(-1, "second"), 1);
    EXPECT_EQ(box.InsertItem(0, "zero"), 0);
    EXPECT_EQ(box.InsertItem(99, "past"), kCbErr);
    EXPECT_EQ(box.GetCount(), 3);
    EXPECT_EQ(box.FindStringExact(0, "SECOND"), 2);
    EXPECT_EQ(box.FindStringExact(-1, "first"), 1);
    EXPECT_EQ(box.GetLBText(2), "second");
    // Its items are records: the plain list's additions and prefix selection do nothing.
    EXPECT_EQ(box.AddString("added"), 0);
    EXPECT_EQ(box.InsertString(0, "inserted"), 0);
    EXPECT_EQ(box.SelectString(-1, "sec"), kCbErr);
    EXPECT_EQ(box.GetCount(), 3);
    EXPECT_TRUE(box.calls.empty());

    // Its field reports every text it gets, the program's too.
    box.SetWindowText("zz");
    orv::test::combo::TypeChar(box, 'q');
    orv::test::combo::Choose(box, 2);
    const std::vector<std::string> expected = {"edit zz", "edit zzq", "edit first", "edit second", "sel second"};
    EXPECT_EQ(box.calls, expected);
    EXPECT_EQ(box.DeleteString(1), 2);
    EXPECT_EQ(box.DeleteString(99), kCbErr);
    EXPECT_EQ(box.GetCount(), 2);
    EXPECT_EQ(HostCommands(), 0);
}

TEST_F(ComboBoxTest, FramePaintedByTheBoxIsWhatTheWindowShows) {
    // Pixels are read back from the screen: the host is shown, and the box stands at the
    // toolbar's top, where the toolbar (which clips it) shows all of it.
    RecordingBox box;
    ASSERT_TRUE(box.Create(kDropDown, {10, 0, 110, 200}, toolBar->GetSafeHwnd(), kBoxId));
    orv::ui::ShowWindow(host->GetHwnd(), orv::ui::kSwShow);
    box.paintFrame = true;
    box.frameColor = 0x00336699;
    orv::test::combo::Paint(box);
    // The box's own painting covers it all: no edge or edit field of the control's shows.
    EXPECT_EQ(orv::test::combo::WindowPixel(box, 1, 1), 0x00336699u);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, 50, 12), 0x00336699u);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, 98, 22), 0x00336699u);
    box.frameColor = 0x00102030;
    orv::test::combo::Paint(box);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, 1, 1), 0x00102030u);
    EXPECT_EQ(HostCommands(), 0);
}

}  // namespace
