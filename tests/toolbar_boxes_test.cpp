// The boxes the toolbar makes over its placeholders, driven through the toolbar's own window as
// a user drives them, and the toolbar's operations that reach them.
#include <map>
#include <string>
#include <vector>

#include "FakeHostServices.h"
#include "ToolBarFixture.h"
#include "toolbar/ToolBarImpl.h"
#include "testsupport/ComboDriver.h"
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
    std::vector<orv::test::RecordingWindow::Message> Received() {
        auto out = mainWnd->Messages();
        mainWnd->ClearMessages();
        return out;
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

}  // namespace
}  // namespace orv::test
