// The order of the toolbar component's messages, compared with tables as the common controls'
// own tests compare theirs: a recorder on the toolbar window and one on its parent log every
// message that reaches them, and each operation's log must match its table. The contract:
// delete, colour scheme, add, image list, placeholders, boxes, tooltips. The same tables run
// on both back ends.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "ToolBarFixture.h"
#include "testsupport/MessageLog.h"
#include "ui/ToolBarControl.h"

namespace orv::test {
namespace {

using namespace orv::ui;

// What the component sends, through the toolkit: the toolbar's messages (the WM_USER range),
// the common controls' (CCM_*), WM_SETREDRAW, WM_SETFONT and WM_COMMAND, and private messages
// to the host.
// Left out as the window system's own traffic, which differs between the back ends: a box
// arriving on or leaving the toolbar (WM_PARENTNOTIFY), the control's notifications to its
// parent (WM_NOTIFY, such as the button being deleted), sizing and moving (WM_WINDOWPOS*,
// WM_SIZE, WM_NCCALCSIZE), painting and colours. A box's notifications to the toolbar are the
// box's own (the toolkit reflects them before they reach a recorder installed earlier).
// Under Wine the control sends itself none of the kept kinds during these operations, so no
// entry below is optional.
bool IsComponentTraffic(const LoggedMessage& m) {
    constexpr unsigned kWmSetRedraw = 0x000B, kWmUser = 0x0400, kWmApp = 0x8000, kCcmFirst = 0x2000, kCcmLast = 0x2200;
    return m.message == orv::kWmCommand || m.message == kWmSetFont || m.message == kWmSetRedraw ||
           (m.message >= kWmUser && m.message < kWmApp) ||
           (m.message >= kCcmFirst && m.message < kCcmLast);
}

// A group switch button, a group whose buttons stand beside the screen-number box (on a hidden
// placeholder), the address box and the code box, and a group without boxes.
const std::string kToolBarFile =
    "<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
    "<NODE NAME=\"G\" TYPE=\"GROUP\">"
    "<NODE TRCODE=\"8000\" NAME=\"a\"/><NODE NAME=\"tr\" TYPE=\"TREDIT\" TOOLTIP=\"screen\"/>"
    "<NODE NAME=\"b\" TOOLTIP=\"tip\"/><NODE NAME=\"url\" TYPE=\"URLEDIT\"/><NODE NAME=\"code\" TYPE=\"CODECOMBO\"/>"
    "</NODE>"
    "<NODE NAME=\"H\" TYPE=\"GROUP\"><NODE TRCODE=\"8930\" NAME=\"c\"/><NODE NAME=\"d\"/></NODE>";

constexpr unsigned kW = kSeqWParam;
constexpr unsigned kWL = kSeqWParam | kSeqLParam;

#define ORV_DELETE_BUTTON(n) {kTbDeleteButton, kWL, n, 0}
// One box over its placeholder: the button at the position is replaced by a separator (read,
// deleted, inserted), its rectangle read, the box made over it.
#define ORV_PLACEHOLDER(n)                                                                         \
    {kTbGetButton, kW | kSeqLParamSet, n, 0}, ORV_DELETE_BUTTON(n), {kTbInsertButtonA, kW | kSeqLParamSet, n, 0}, \
        {kTbGetItemRect, kW | kSeqLParamSet, n, 0}
// A button's tooltip: its command read, and (for a button with a record) its rectangle.
#define ORV_TOOL(n) {kTbGetButton, kW | kSeqLParamSet, n, 0}, {kTbGetItemRect, kW | kSeqLParamSet, n, 0}

// Group G: the switch button and five children, the boxes at positions 2, 4 and 5.
#define ORV_BUILD_G                                                                                \
    {kTbSetExtendedStyle, kWL, 0, kTbstyleExDrawDDArrows}, ORV_DELETE_BUTTON(0),                   \
        {kCcmSetColorScheme, kW | kSeqLParamSet, 0, 0}, {kTbAddButtonsA, kW | kSeqLParamSet, 6, 0}, \
        {kTbSetImageList, kW | kSeqLParamSet, 0, 0}, ORV_PLACEHOLDER(2), ORV_PLACEHOLDER(4), ORV_PLACEHOLDER(5)
// Its tooltips: every button has a record (the placeholders carry the group's command).
#define ORV_TOOLTIPS_G                                                                             \
    {kTbButtonCount, kWL, 0, 0}, ORV_TOOL(0), ORV_TOOL(1), ORV_TOOL(2), ORV_TOOL(3), ORV_TOOL(4),   \
        ORV_TOOL(5), {kTbSetToolTips, kSeqWParamSet | kSeqLParam, 0, 0}
// Every button of G deleted, one at a time from the front.
#define ORV_DELETE_G                                                                               \
    {kTbButtonCount, kWL, 0, 0}, ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0), \
        ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0)

// Load: the first build of G, then its tooltips.
constexpr SeqEntry kFirstBuild[] = {ORV_BUILD_G, ORV_TOOLTIPS_G};

// SelectGroup(H): G's buttons go, then H is built: the switch button and two buttons, no boxes.
// The image list is deleted without a message: the next build sets the new one.
constexpr SeqEntry kSelectH[] = {
    ORV_DELETE_G,
    {kTbSetExtendedStyle, kWL, 0, kTbstyleExDrawDDArrows}, ORV_DELETE_BUTTON(0),
    {kCcmSetColorScheme, kW | kSeqLParamSet, 0, 0}, {kTbAddButtonsA, kW | kSeqLParamSet, 3, 0},
    {kTbSetImageList, kW | kSeqLParamSet, 0, 0},
};
// SelectGroup(G) from H: H's three buttons go; G's boxes are made again.
constexpr SeqEntry kSelectG[] = {
    {kTbButtonCount, kWL, 0, 0}, ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0), ORV_DELETE_BUTTON(0), ORV_BUILD_G,
};

// SetupToolTips again: the same reads and the tooltip handed over again.
constexpr SeqEntry kToolTips[] = {ORV_TOOLTIPS_G};

// Reload: the buttons go, the toolbar lets go of the image list, then the file is read and
// shown as on the first load.
constexpr SeqEntry kReload[] = {
    ORV_DELETE_G, {kTbSetImageList, kWL, 0, 0}, ORV_BUILD_G, ORV_TOOLTIPS_G,
};

// The destructor takes the image list from the toolbar before deleting it: the host's toolbar
// keeps its buttons and would paint them from a list that is gone. The tooltip window and the
// boxes go without a message of the component's (each going is the window system's news).
constexpr SeqEntry kDestructor[] = {{kTbSetImageList, kWL, 0, 0}};

class ToolBarSequence : public ToolBarTest {
protected:
    void SetUp() override {
        ToolBarTest::SetUp();
        parent = std::make_unique<WindowRecorder>(mainWnd->GetHwnd(), log, true);
        self = std::make_unique<WindowRecorder>(bar.GetSafeHwnd(), log, false);
        ASSERT_TRUE(parent->Active() && self->Active());
        LoadToolBar(kToolBarFile);
        ASSERT_TRUE(messageBoxes.empty());
    }
    void TearDown() override {
        self.reset();
        parent.reset();
        ToolBarTest::TearDown();
    }

    // Compares what was recorded since the last check with a table, then starts afresh.
    void Expect(std::span<const SeqEntry> expected, const char* what) {
        const std::string diff = CompareSequence(log, IsComponentTraffic, expected);
        if (!diff.empty()) ADD_FAILURE() << what << ": " << diff;
        log.Clear();
    }

    MessageLog log;
    std::unique_ptr<WindowRecorder> parent;
    std::unique_ptr<WindowRecorder> self;
};

TEST_F(ToolBarSequence, FirstBuildOfAGroupWithBoxesThenItsTooltips) {
    Expect(kFirstBuild, "Load");
    ASSERT_EQ(ButtonCount(), 6);
    EXPECT_EQ(Button(2).fsStyle, kTbstyleSep);  // the placeholders are in place
}

TEST_F(ToolBarSequence, SelectGroupDeletesEveryButtonAndBuildsTheGroup) {
    log.Clear();
    toolBar->SelectGroup(Item("H"));
    Expect(kSelectH, "SelectGroup(H)");
    toolBar->SelectGroup(Item("G"));
    Expect(kSelectG, "SelectGroup(G)");
}

TEST_F(ToolBarSequence, SetupToolTipsReadsEveryButtonThenHandsTheTooltipOver) {
    log.Clear();
    toolBar->SetupToolTips();
    Expect(kToolTips, "SetupToolTips");
    toolBar->SetupToolTips();
    Expect(kToolTips, "SetupToolTips again");
}

TEST_F(ToolBarSequence, ReloadEmptiesTheToolbarAndBuildsItAgain) {
    log.Clear();
    toolBar->Reload();
    Expect(kReload, "Reload");
}

TEST_F(ToolBarSequence, DestructorTakesTheImageListFromTheToolbar) {
    log.Clear();
    DestroyOrvToolBar(toolBar);
    toolBar = nullptr;
    Expect(kDestructor, "destructor");
    toolBar = Create();  // for the fixture's end
}

}  // namespace
}  // namespace orv::test
