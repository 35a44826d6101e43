// The boxes the toolbar makes over its placeholders, driven through the toolbar's own window as
// a user drives them, and the toolbar's operations that reach them.
#include <map>
#include <string>
#include <vector>

#include "FakeHostServices.h"
#include "ToolBarFixture.h"
#include "toolbar/ToolBarImpl.h"
#include "testsupport/ComboDriver.h"
#include "testsupport/Handles.h"
#include "ui/Window.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kBoxes = "<NODE NAME=\"G\" TYPE=\"GROUP\">"
                           "<NODE NAME=\"a\"/><NODE NAME=\"tr\" TYPE=\"TREDIT\" TOOLTIP=\"screen\"/>"
                           "<NODE NAME=\"url\" TYPE=\"URLEDIT\"/><NODE NAME=\"acct\" TYPE=\"USERINFO\"/>"
                           "<NODE NAME=\"code\" TYPE=\"CODECOMBO\"/></NODE>"
                           "<NODE NAME=\"H\" TYPE=\"GROUP\"><NODE NAME=\"tr2\" TYPE=\"TREDIT\"/></NODE>"
                           "<NODE NAME=\"K\" TYPE=\"GROUP\"><NODE NAME=\"b\"/></NODE>";

class ToolBarBoxesTest : public ToolBarTest {
protected:
    void SetUp() override {
        ToolBarTest::SetUp();
        // The same screens, displayed: the box opens only those.
        std::string shown = kToolBarCatalogue;
        for (std::size_t at = 0; (at = shown.find("TYPE=\"FUNC\"", at)) != std::string::npos; at += 10) {
            shown.insert(at, "DISP=\"Y\" ");
        }
        Load(shown, 0x3ff7ffffu);
    }
    COrvToolBarImpl& Impl() { return *dynamic_cast<COrvToolBarImpl*>(toolBar); }
    static Strings Entries(CComboBox& box) {
        Strings out;
        for (int i = 0; i < box.GetCount(); ++i) out.push_back(box.GetLBText(i));
        return out;
    }
    // What the library sent the main window (commands and user codes), apart from the boxes'
    // notifications that the toolbar passed on.
    std::vector<orv::test::RecordingWindow::Message> Received() {
        std::vector<orv::test::RecordingWindow::Message> out;
        for (const auto& m : mainWnd->Messages()) {
            if (m.message != orv::kWmCommand || m.lParam == 0) out.push_back(m);
        }
        mainWnd->ClearMessages();
        return out;
    }
    // The selection and edit changes of a box that reached the main window.
    std::vector<unsigned> ChangesFrom(const CComboBox& box) const {
        std::vector<unsigned> codes;
        for (const auto& m : mainWnd->Messages()) {
            const unsigned code = orv::ui::CommandCode(m.wParam);
            if (m.message == orv::kWmCommand && m.lParam == reinterpret_cast<LPARAM>(box.GetSafeHwnd()) &&
                (code == orv::ui::kCbnSelChange || code == orv::ui::kCbnEditChange)) {
                codes.push_back(code);
            }
        }
        return codes;
    }
    static orv::test::RecordingWindow::Message Command(std::uint32_t id) { return {orv::kWmCommand, id, 0, {}}; }
};

TEST_F(ToolBarBoxesTest, ScreenCodeTypedIntoTheToolbarsBoxReachesTheMainWindow) {
    LoadToolBar(kBoxes);
    ASSERT_NE(Impl().GetTrCombo(), nullptr);
    CComboBoxTR& tr = *Impl().GetTrCombo();
    for (char c : std::string("8000")) orv::test::combo::TypeChar(tr, c);
    EXPECT_EQ(Received(), (std::vector<orv::test::RecordingWindow::Message>{Command(menu->GetMenuByTRCode("8000")->id)}));
    EXPECT_EQ(Entries(tr), Strings{"8000 Quote"});

    // Over its hidden placeholder, 80 pixels wider, 4 down; the tooltip over that rectangle.
    const CRect place = ItemRect(1);
    const CRect box = tr.GetWindowRect();
    EXPECT_EQ(box.left, place.left);
    EXPECT_EQ(box.top, place.top + 4);
    EXPECT_EQ(box.Width(), place.Width() + 80);
    ASSERT_NE(tr.GetToolTipWnd(), nullptr);
    const auto tools = CToolTipCtrl::ToolsOf(tr.GetToolTipWnd());
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].text, "screen");
    EXPECT_EQ(tools[0].rect, (CRect{place.left, place.top, place.right + 80, place.top + 200}));
    EXPECT_NE(tr.GetFont(), nullptr);

    // The toolbar's operations reach the box.
    toolBar->AddRecentScreen(menu->GetMenuByTRCode("8930"));
    EXPECT_EQ(Entries(tr), (Strings{"8930 Y", "8000 Quote"}));
    toolBar->FocusScreenInput();
    EXPECT_TRUE(tr.HasFocus());
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ToolBarBoxesTest, AddressAndCodeBoxesStandOnTheirPlaceholders) {
    LoadToolBar(kBoxes);
    ASSERT_NE(Impl().GetUrlCombo(), nullptr);
    ASSERT_NE(Impl().GetCodeCombo(), nullptr);
    EXPECT_EQ(Impl().GetAccountCombo(), nullptr);  // not asked for: the item keeps its button
    CComboBoxURL& url = *Impl().GetUrlCombo();
    const CRect place = ItemRect(2);
    EXPECT_EQ(url.GetWindowRect().left, place.left);
    EXPECT_EQ(url.GetWindowRect().top, place.top + 5);
    EXPECT_EQ(url.GetWindowRect().Width(), 248);
    EXPECT_EQ(Impl().GetCodeCombo()->GetWindowRect().Width(), 68);

    url.SetWindowText("www.b.tw");
    orv::test::combo::PressReturn(url);
    EXPECT_EQ(Item("url")->value, "www.b.tw");
    EXPECT_EQ(Received(), (std::vector<orv::test::RecordingWindow::Message>{Command(Item("url")->id)}));
    EXPECT_EQ(Entries(url), Strings{"http://www.b.tw"});

    // Without an account box the account operations do nothing.
    const std::vector<std::string> record{"A1", "", "", "", "", ""};
    toolBar->UpdateAccountInfo(&record);
    toolBar->SelectAccount("A1");
}

TEST_F(ToolBarBoxesTest, AccountBoxListsTheHostsAccountsWhenAskedFor) {
    FakeHostServices host(*mainWnd);
    const std::map<std::string, std::string> lin{{"Name", "Lin"}, {"Phone", "1"}};
    host.AddAccount("A0000001B000002", &lin);
    host.AddAccount("A0000003B000004", &lin);
    toolBar->SetUserInfoMode(2);
    LoadToolBar(kBoxes);
    ASSERT_NE(Impl().GetAccountCombo(), nullptr);
    CComboBoxAccount& account = *Impl().GetAccountCombo();
    EXPECT_EQ(Entries(account), (Strings{"0000001-B000002 Lin: 1 /   :  / ", "0000003-B000004 Lin: 1 /   :  / "}));
    EXPECT_EQ(account.GetWindowRect().Width(), 598);
    EXPECT_EQ(account.GetWindowRect().top, ItemRect(3).top + 1);
    toolBar->SelectAccount("A0000003B000004");
    EXPECT_EQ(account.GetCurSel(), 1);
    const std::vector<std::string> record{"A0000001B000002", "9", "", "", "", ""};
    toolBar->UpdateAccountInfo(&record);
    EXPECT_EQ(Entries(account)[0], "0000001-B000002 Lin: 9 /   :  / ");
    EXPECT_EQ(account.GetCurSel(), 1);
}

TEST_F(ToolBarBoxesTest, AGroupShownAgainGetsNewBoxesAndAGroupWithoutKeepsThem) {
    LoadToolBar(kBoxes);
    toolBar->AddRecentScreen(menu->GetMenuByTRCode("8000"));
    ASSERT_EQ(Impl().GetTrCombo()->GetCount(), 1);
    toolBar->SelectGroup(Item("H"));
    ASSERT_NE(Impl().GetTrCombo(), nullptr);
    EXPECT_EQ(Impl().GetTrCombo()->GetCount(), 0);  // a new box
    EXPECT_EQ(Impl().GetTrCombo()->GetToolTipWnd(), nullptr);  // its item has no tooltip
    EXPECT_NE(Impl().GetUrlCombo(), nullptr);  // H has no address box: the old one stays
    toolBar->SelectGroup(Item("K"));
    ASSERT_NE(Impl().GetTrCombo(), nullptr);
    toolBar->AddRecentScreen(menu->GetMenuByTRCode("8930"));
    EXPECT_EQ(Impl().GetTrCombo()->GetCount(), 1);
}

TEST_F(ToolBarBoxesTest, TheCodeBoxsNotificationsReachTheHostAndTheOtherBoxesKeepTheirs) {
    LoadToolBar(kBoxes);
    ASSERT_NE(Impl().GetCodeCombo(), nullptr);
    CComboBoxCode& code = *Impl().GetCodeCombo();
    CComboBoxTR& tr = *Impl().GetTrCombo();
    CComboBoxURL& url = *Impl().GetUrlCombo();
    mainWnd->ClearMessages();

    // The code box handles nothing: what it tells the toolbar goes on to the toolbar's parent,
    // with the box's identifier and window.
    code.AddString("2330 TSMC");
    orv::test::combo::TypeChar(code, '2');
    orv::test::combo::Choose(code, 0);
    EXPECT_EQ(ChangesFrom(code), (std::vector<unsigned>{orv::ui::kCbnEditChange, orv::ui::kCbnSelChange}));
    bool identified = false;
    for (const auto& m : mainWnd->Messages()) {
        if (m.lParam == reinterpret_cast<LPARAM>(code.GetSafeHwnd())) {
            identified = (m.wParam & 0xFFFFu) == (91001u & 0xFFFFu);
            if (!identified) break;
        }
    }
    EXPECT_TRUE(identified);

    // The screen-number and address boxes handle their changes themselves.
    orv::test::combo::TypeChar(tr, '8');
    orv::test::combo::TypeChar(url, 'w');
    url.InsertItem(-1, "http://a.tw");
    orv::test::combo::Choose(url, 0);
    EXPECT_TRUE(ChangesFrom(tr).empty());
    EXPECT_TRUE(ChangesFrom(url).empty());
    EXPECT_EQ(Received(), (std::vector<orv::test::RecordingWindow::Message>{Command(Item("url")->id)}));
}

TEST_F(ToolBarBoxesTest, ChoosingAnAddressLeavesItsEntrySelected) {
    LoadToolBar(kBoxes);
    CComboBoxURL& url = *Impl().GetUrlCombo();
    for (const char* address : {"www.a.tw", "www.b.tw", "www.c.tw"}) {
        url.SetWindowText(address);
        orv::test::combo::PressReturn(url);
    }
    ASSERT_EQ(Entries(url), (Strings{"http://www.a.tw", "http://www.b.tw", "http://www.c.tw"}));
    orv::test::combo::Choose(url, 0);
    EXPECT_EQ(Item("url")->value, "http://www.a.tw");
    EXPECT_EQ(Entries(url), (Strings{"http://www.b.tw", "http://www.c.tw", "http://www.a.tw"}));
    EXPECT_EQ(url.GetCurSel(), 2);
    // Of two entries where one begins with the other, the first from the top is selected. (A
    // new box: the test's chooser starts from a list nobody has chosen in yet.)
    toolBar->SelectGroup(Item("K"));
    toolBar->SelectGroup(Item("G"));
    CComboBoxURL& fresh = *Impl().GetUrlCombo();
    for (const char* address : {"www.b.tw", "http://www.b.tw/x"}) {
        fresh.SetWindowText(address);
        orv::test::combo::PressReturn(fresh);
    }
    orv::test::combo::Choose(fresh, 0);
    EXPECT_EQ(Entries(fresh), (Strings{"http://www.b.tw/x", "http://www.b.tw"}));
    EXPECT_EQ(fresh.GetCurSel(), 0);
}

TEST_F(ToolBarBoxesTest, BoxWindowsDestroyedFromOutsideLeaveNothingBehind) {
    LoadToolBar(kBoxes);
    const WindowObjectCounts before = CountWindowObjects();
    CComboBoxCode* code = Impl().GetCodeCombo();
    CComboBoxTR* tr = Impl().GetTrCombo();
    ASSERT_NE(code, nullptr);
    ASSERT_NE(tr, nullptr);
    EXPECT_TRUE(orv::ui::DestroyWindow(code->GetSafeHwnd()));
    EXPECT_TRUE(orv::ui::DestroyWindow(tr->GetSafeHwnd()));
    // The objects know at once, and took their hooks on the toolbar with them.
    EXPECT_EQ(code->GetSafeHwnd(), nullptr);
    EXPECT_EQ(tr->GetSafeHwnd(), nullptr);
    const WindowObjectCounts gone = CountWindowObjects();
    EXPECT_EQ(gone.objects, before.objects - 2);
    EXPECT_LE(gone.hooks + 4, before.hooks);

    // The toolbar goes on: its operations on the boxes find no window, and the next groups get
    // new boxes that work.
    toolBar->FocusScreenInput();
    toolBar->AddRecentScreen(menu->GetMenuByTRCode("8000"));
    EXPECT_EQ(Send(orv::ui::kTbButtonCount), 5);
    toolBar->SelectGroup(Item("K"));
    toolBar->SelectGroup(Item("G"));
    ASSERT_NE(Impl().GetCodeCombo(), nullptr);
    EXPECT_NE(Impl().GetCodeCombo()->GetSafeHwnd(), nullptr);
    EXPECT_EQ(CountWindowObjects(), before);
    for (char c : std::string("8000")) orv::test::combo::TypeChar(*Impl().GetTrCombo(), c);
    EXPECT_EQ(Received(), (std::vector<orv::test::RecordingWindow::Message>{Command(menu->GetMenuByTRCode("8000")->id)}));
    EXPECT_TRUE(messageBoxes.empty());
}

}  // namespace
}  // namespace orv::test
