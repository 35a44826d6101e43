// A click on the toolbar: the real control measured under Wine, the headless one held to the
// same answers, then every button of the toolbar component's groups clicked through to the
// record the host looks up with GetItem. The same sources run on both back ends.
#include "ToolBarFixture.h"

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/HostWindow.h"
#include "orvmenu/ToolBar.h"
#include "testsupport/MessageLog.h"
#include "testsupport/RecordingWindow.h"
#include "ui/ToolBarControl.h"

namespace orv::test {
namespace {

using orv::ui::TbButton;

constexpr WPARAM kMkLButton = 0x0001;

LPARAM Point(int x, int y) {
    return static_cast<LPARAM>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) | static_cast<std::uint32_t>(x & 0xFFFF));
}

// The parent hears of a click by WM_COMMAND. The control's notifications (WM_NOTIFY: the
// press, the click, the hot item, the drop-down) and the system's own traffic are left out:
// the host routes commands, and nothing above the toolkit reads those.
bool IsCommandToParent(const LoggedMessage& m) { return m.parent && m.message == orv::kWmCommand; }

CRect RectOf(CToolBar& bar, int index) {
    CRect r;
    bar.SendMessage(orv::ui::kTbGetItemRect, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// Presses at one point and releases at another; the WM_COMMANDs the parent got, checking that
// the press alone sent none.
std::vector<LoggedMessage> Click(CToolBar& bar, MessageLog& log, int downX, int downY, int upX, int upY) {
    log.Clear();
    bar.SendMessage(orv::ui::kWmLButtonDown, kMkLButton, Point(downX, downY));
    EXPECT_TRUE(log.Filtered(IsCommandToParent).empty()) << "a press sends no command:\n" << Describe(log.All());
    bar.SendMessage(orv::ui::kWmLButtonUp, 0, Point(upX, upY));
    return log.Filtered(IsCommandToParent);
}

std::vector<LoggedMessage> ClickAt(CToolBar& bar, MessageLog& log, int x, int y) { return Click(bar, log, x, y, x, y); }

TbButton Make(int id, std::uint8_t style, std::uint8_t state = orv::ui::kTbstateEnabled, int image = 0) {
    TbButton b;
    b.iBitmap = image;
    b.idCommand = id;
    b.fsState = state;
    b.fsStyle = style;
    b.iString = -1;
    return b;
}

class ToolBarClick : public OrvTest {};

// What the real toolbar answers to a press and a release, which the headless one copies.
// Measured on the real control (64-bit Wine): a press on an enabled button sends the parent
// TBN_HOTITEMCHANGE, TBN_BEGINDRAG and NM_LDOWN (WM_NOTIFY) and takes the mouse; the release
// over it gives the mouse back (NM_RELEASEDCAPTURE), sends TBN_ENDDRAG, then WM_COMMAND, then
// NM_CLICK. A separator gets NM_LDOWN and NM_CLICK only, a whole drop-down button TBN_DROPDOWN
// on the press. The headless toolbar sends the WM_COMMAND alone.
TEST_F(ToolBarClick, TheControlCommandsOnReleaseOverThePressedButton) {
    orv::test::RecordingWindow host{"main"};
    CToolBar bar;
    ASSERT_TRUE(bar.Create(host.GetHwnd()));
    bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, orv::ui::kTbstyleExDrawDDArrows);
    const std::vector<TbButton> buttons{
        Make(101, 0),                                                          // 0 plain
        Make(0, orv::ui::kTbstyleSep),                                         // 1 separator
        Make(103, 0, 0),                                                       // 2 disabled
        Make(104, 0, orv::ui::kTbstateEnabled | orv::ui::kTbstateHidden),      // 3 hidden
        Make(105, 0),                                                          // 4 plain, where 3 would be
        Make(106, orv::ui::kBtnsDropDown),                                     // 5 button and arrow
        Make(107, orv::ui::kBtnsWholeDropDown),                                // 6 all arrow
        Make(108, orv::ui::kTbstyleCheck),                                     // 7 check
        Make(109, orv::ui::kTbstyleCheckGroup),                                // 8, 9 a check group
        Make(110, orv::ui::kTbstyleCheckGroup),
    };
    ASSERT_NE(bar.SendMessage(orv::ui::kTbAddButtonsA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())), 0);

    MessageLog log;
    WindowRecorder parent(host.GetHwnd(), log, true);
    WindowRecorder self(bar.GetSafeHwnd(), log, false);
    ASSERT_TRUE(parent.Active() && self.Active());
    const auto hwnd = reinterpret_cast<LPARAM>(bar.GetSafeHwnd());
    auto centre = [&bar](int i) {
        const CRect r = RectOf(bar, i);
        return CPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    auto commands = [](const std::vector<LoggedMessage>& got) {
        std::vector<WPARAM> ids;
        for (const LoggedMessage& m : got) ids.push_back(m.wParam);
        return ids;
    };
    using Ids = std::vector<WPARAM>;

    // On the release, the command in wParam's low word (high word 0), the toolbar in lParam.
    const CPoint plain = centre(0);
    const auto clicked = ClickAt(bar, log, plain.x, plain.y);
    ASSERT_EQ(clicked.size(), 1u) << Describe(log.All());
    EXPECT_EQ(clicked[0].wParam, 101u);
    EXPECT_EQ(clicked[0].lParam, hwnd);
    EXPECT_EQ(host.Messages().back(), (RecordingWindow::Message{orv::kWmCommand, 101, hwnd, {}}));

    // A separator, a disabled button, a point beside every button: nothing.
    EXPECT_EQ(commands(ClickAt(bar, log, centre(1).x, centre(1).y)), Ids{});
    EXPECT_EQ(commands(ClickAt(bar, log, centre(2).x, centre(2).y)), Ids{});
    const CRect last = RectOf(bar, 9);
    EXPECT_EQ(commands(ClickAt(bar, log, last.right + 40, last.top + 2)), Ids{});
    // A hidden button has no place: the next one stands there.
    EXPECT_EQ(RectOf(bar, 4).left, RectOf(bar, 2).right);
    EXPECT_EQ(commands(ClickAt(bar, log, centre(4).x, centre(4).y)), Ids{105});
    // Released over another button, or pressed on one and released beside it: no command.
    EXPECT_EQ(commands(Click(bar, log, plain.x, plain.y, centre(4).x, centre(4).y)), Ids{});
    EXPECT_EQ(commands(Click(bar, log, centre(4).x, centre(4).y, centre(1).x, centre(1).y)), Ids{});
    // A drop-down button commands from its button part; its arrow and a whole drop-down
    // button ask the parent for a menu instead.
    const CRect split = RectOf(bar, 5);
    EXPECT_EQ(commands(ClickAt(bar, log, split.left + 2, split.top + 5)), Ids{106});
    EXPECT_EQ(commands(ClickAt(bar, log, split.right - 2, split.top + 5)), Ids{});
    EXPECT_EQ(commands(ClickAt(bar, log, centre(6).x, centre(6).y)), Ids{});
    // Check buttons command on every click. A click flips a check; in a check group it
    // checks the button clicked, even a checked one, and unchecks the others.
    auto checked = [&bar](int i) {
        TbButton b;
        bar.SendMessage(orv::ui::kTbGetButton, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
        return (b.fsState & orv::ui::kTbstateChecked) != 0;
    };
    EXPECT_EQ(commands(ClickAt(bar, log, centre(7).x, centre(7).y)), Ids{108});
    EXPECT_TRUE(checked(7));
    EXPECT_EQ(commands(ClickAt(bar, log, centre(7).x, centre(7).y)), Ids{108});
    EXPECT_FALSE(checked(7));
    EXPECT_EQ(commands(ClickAt(bar, log, centre(8).x, centre(8).y)), Ids{109});
    EXPECT_EQ(commands(ClickAt(bar, log, centre(8).x, centre(8).y)), Ids{109});
    EXPECT_TRUE(checked(8));
    EXPECT_EQ(commands(ClickAt(bar, log, centre(9).x, centre(9).y)), Ids{110});
    EXPECT_TRUE(checked(9));
    EXPECT_FALSE(checked(8));
    EXPECT_FALSE(checked(0)) << "a plain button keeps no check";
    // Nothing in the press or the release reached the parent but those commands and the
    // control's notifications.
    for (const LoggedMessage& m : log.All()) {
        if (m.parent) {
            EXPECT_TRUE(m.message == orv::kWmCommand || m.message == 0x004E) << MessageName(m.message);
        }
    }
}

// The path every host depends on: a button pressed, WM_COMMAND with its item's identifier to
// the toolbar's parent, GetItem returning the item's record. Every button of both groups.
TEST_F(ToolBarTest, EveryButtonClickedLeadsTheHostToItsRecord) {
    LoadToolBar("<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
                "<NODE NAME=\"G\" TYPE=\"GROUP\">"
                "<NODE TRCODE=\"8000\" NAME=\"a\" STYLE=\"CHECKGROUP\"/><NODE NAME=\"tr\" TYPE=\"TREDIT\"/>"
                "<NODE NAME=\"b\" STYLE=\"CHECK\"/><NODE NAME=\"url\" TYPE=\"URLEDIT\"/>"
                "<NODE NAME=\"s\" TYPE=\"SEP\"/><NODE TRCODE=\"1001\" NAME=\"not for this user\"/>"
                "<NODE NAME=\"sub\"><NODE NAME=\"inner\"/></NODE></NODE>"
                "<NODE NAME=\"H\" TYPE=\"GROUP\"><NODE TRCODE=\"8930\" NAME=\"c\" STYLE=\"GROUP\"/>"
                "<NODE NAME=\"d\"/></NODE>");
    ASSERT_TRUE(messageBoxes.empty());
    struct Shown {
        const char* group;
        std::vector<const char*> buttons;  // by position; null: a box's placeholder
    };
    const Shown groups[] = {{"G", {"Switch", "a", nullptr, "b", nullptr, "s", "sub"}},
                            {"H", {"Switch", "c", "d"}}};
    for (const Shown& shown : groups) {
        toolBar->SelectGroup(Item(shown.group));
        ASSERT_EQ(ButtonCount(), static_cast<int>(shown.buttons.size())) << shown.group;
        for (int i = 0; i < ButtonCount(); ++i) {
            const char* name = shown.buttons[static_cast<std::size_t>(i)];
            CRect r;
            if (Send(orv::ui::kTbGetItemRect, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)) == 0) {
                EXPECT_EQ(name, nullptr) << "only the hidden placeholder has no place: " << shown.group << " " << i;
                continue;
            }
            mainWnd->ClearMessages();
            Send(orv::ui::kWmLButtonDown, kMkLButton, Point((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            Send(orv::ui::kWmLButtonUp, 0, Point((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            const auto& got = mainWnd->Messages();
            if (name == nullptr) {
                EXPECT_TRUE(got.empty()) << shown.group << " placeholder " << i;
                continue;
            }
            ASSERT_EQ(got.size(), 1u) << shown.group << " " << name;
            EXPECT_EQ(got[0].message, orv::kWmCommand);
            EXPECT_EQ(got[0].lParam, reinterpret_cast<LPARAM>(bar.GetSafeHwnd()));
            EXPECT_EQ(toolBar->GetItem(static_cast<std::uint32_t>(got[0].wParam & 0xFFFFu)), Item(name))
                << shown.group << " " << name;
        }
    }
}

}  // namespace
}  // namespace orv::test
