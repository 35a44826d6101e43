// The toolbar's boxes on their own, driven as a user drives them: characters typed into the
// edit field, Enter, an entry chosen from the list. On Windows these are the real controls.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeHostServices.h"
#include "MenuFixture.h"
#include "controls/ComboBoxAccount.h"
#include "controls/ComboBoxTR.h"
#include "controls/ComboBoxURL.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/OrvToolBar.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/HostWindow.h"
#include "ui/Window.h"
#include "testsupport/ComboDriver.h"
#include "testsupport/Drawing.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {
namespace {

using Strings = std::vector<std::string>;
constexpr unsigned kDropDown = 0x50A00042u;
constexpr unsigned kDropDownList = 0x50A00043u;

// 8000 and twelve more screens for everyone; 1001 hidden by the user's grades.
std::string Catalogue() {
    std::string body = "<NODE TRCODE=\"8000\" TYPE=\"FUNC\" DISP=\"Y\" GRADE=\"3fffffff\">Quote</NODE>"
                       "<NODE TRCODE=\"1001\" TYPE=\"FUNC\" DISP=\"Y\" GRADE=\"20080001\">Order</NODE>";
    for (int i = 1; i <= 12; ++i) {
        const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
        body += "<NODE TRCODE=\"81" + n + "\" TYPE=\"FUNC\" DISP=\"Y\" GRADE=\"3fffffff\">S" + n + "</NODE>";
    }
    return body;
}

class ControlsTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        Load(Catalogue(), 0x3ff7ffffu);
        mainWnd = std::make_unique<orv::test::RecordingWindow>("main");
        ASSERT_TRUE(toolWnd.Create(mainWnd->GetHwnd()));
        host = std::make_unique<FakeHostServices>(*mainWnd);
    }
    void TearDown() override {
        tr.reset();
        url.reset();
        account.reset();
        host.reset();
        toolWnd.DestroyWindow();
        mainWnd.reset();
        MenuTest::TearDown();
    }

    CComboBoxTR& MakeTr() {
        tr = std::make_unique<CComboBoxTR>();
        EXPECT_TRUE(tr->Create(kDropDown, CRect{0, 0, 150, 200}, toolWnd.GetSafeHwnd(), 91000));
        tr->SetMenu(menu);
        return *tr;
    }
    CComboBoxURL& MakeUrl() {
        url = std::make_unique<CComboBoxURL>();
        EXPECT_TRUE(url->Create(kDropDown, CRect{0, 0, 250, 200}, toolWnd.GetSafeHwnd(), 91001));
        url->SetToolBarItem(&urlItem);
        return *url;
    }
    CComboBoxAccount& MakeAccount() {
        account = std::make_unique<CComboBoxAccount>();
        EXPECT_TRUE(account->Create(kDropDownList, CRect{0, 0, 600, 200}, toolWnd.GetSafeHwnd(), 91001));
        account->LoadAccounts();
        return *account;
    }

    static void Type(CComboBox& box, const std::string& text) {
        for (char c : text) orv::test::combo::TypeChar(box, c);
    }
    static Strings Entries(CComboBox& box) {
        Strings out;
        for (int i = 0; i < box.GetCount(); ++i) out.push_back(box.GetLBText(i));
        return out;
    }
    // What the main window received, one line each: "command ID" or "user code".
    // What the library sent the main window.
    Strings Received() {
        Strings out;
        for (const auto& m : mainWnd->Messages()) {
            // A box's own notifications that it leaves to its parent are not the library's.
            if (m.message == orv::kWmCommand && m.lParam == 0) out.push_back("command " + std::to_string(m.wParam));
            else if (m.message == orv::kWmUserCode) out.push_back("user code " + std::to_string(m.wParam));
        }
        mainWnd->ClearMessages();
        return out;
    }
    std::string Command(const std::string& trCode) {
        return "command " + std::to_string(menu->GetMenuByTRCode(trCode)->id);
    }

    std::unique_ptr<orv::test::RecordingWindow> mainWnd;
    CToolBar toolWnd;
    std::unique_ptr<FakeHostServices> host;
    std::unique_ptr<CComboBoxTR> tr;
    std::unique_ptr<CComboBoxURL> url;
    std::unique_ptr<CComboBoxAccount> account;
    OrvToolBar urlItem;
};

TEST_F(ControlsTest, TypingAScreenCodeOpensItOnTheFourthCharacter) {
    CComboBoxTR& box = MakeTr();
    Type(box, "800");
    EXPECT_EQ(Received(), Strings{});
    orv::test::combo::PressReturn(box);  // three characters: Enter goes on to the field
    EXPECT_EQ(Received(), Strings{});
    EXPECT_EQ(box.GetWindowText(), "800");
    Type(box, "0");
    EXPECT_EQ(Received(), Strings{Command("8000")});
    EXPECT_EQ(box.GetWindowText(), "");
    EXPECT_EQ(Entries(box), Strings{"8000 Quote"});

    // Choosing an entry opens the screen its first four characters name.
    Type(box, "8101");
    box.SetCurSel(-1);
    orv::test::combo::Choose(box, 1);
    EXPECT_EQ(Received(), (Strings{Command("8101"), Command("8000")}));
    EXPECT_EQ(Entries(box), (Strings{"8000 Quote", "8101 S01"}));

    // A host whose loop offers messages: Enter with a code is consumed, without one it is not.
    box.SetWindowText("8102");
    orv::controls::BoxMessage enter;
    enter.hwnd = box.GetSafeHwnd();
    enter.message = orv::ui::kWmKeyDown;
    enter.wParam = orv::ui::kVkReturn;
    EXPECT_TRUE(box.PreTranslateMessage(enter));
    EXPECT_EQ(Received(), Strings{Command("8102")});
    box.SetWindowText("81");
    EXPECT_FALSE(box.PreTranslateMessage(enter));
    EXPECT_EQ(Received(), Strings{});
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ControlsTest, RecentScreensStayUniqueNewestFirstAndSettleAtEleven) {
    CComboBoxTR& box = MakeTr();
    Type(box, "8000");
    Type(box, "8101");
    Type(box, "8000");
    EXPECT_EQ(Entries(box), (Strings{"8000 Quote", "8101 S01"}));
    for (int i = 1; i <= 12; ++i) Type(box, std::string("81") + (i < 10 ? "0" : "") + std::to_string(i));
    const Strings entries = Entries(box);
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(entries.front(), "8112 S12");
    EXPECT_EQ(entries.back(), "8102 S02");
    // The toolbar's forwarding reaches the same list.
    box.AddRecentScreen(menu->GetMenuByTRCode("8105"));
    EXPECT_EQ(Entries(box).front(), "8105 S05");
    EXPECT_EQ(box.GetCount(), 11);
    box.AddRecentScreen(nullptr);
    EXPECT_EQ(box.GetCount(), 11);
}

TEST_F(ControlsTest, UserCodesGoToTheMainWindowAndUnknownCodesAreNotFound) {
    host->groups["U001"] = Big5("我的看盤");
    host->AddLayout("L001", "Wide");
    CComboBoxTR& box = MakeTr();
    Type(box, "U001");
    Type(box, "L001");
    Type(box, "U001");
    EXPECT_EQ(Received(), (Strings{"user code 0", "user code 0", "user code 0"}));
    EXPECT_EQ(host->codesSent, (Strings{"U001", "L001", "U001"}));
    EXPECT_EQ(host->asked, (Strings{"U001/0", "L001/0", "U001/0"}));
    // Every opening of a user code adds its entry, duplicates and all.
    EXPECT_EQ(Entries(box), (Strings{"U001 " + Big5("我的看盤"), "L001 Wide", "U001 " + Big5("我的看盤")}));

    // Unknown: the message, and the code with a blank still lands on top.
    Type(box, "7777");
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], Big5("找不到畫面編號 7777"));
    EXPECT_EQ(Entries(box).front(), "7777 ");
    // A screen the user may not open: the message, the field cleared, the list unchanged.
    Type(box, "1001");
    ASSERT_EQ(messageBoxes.size(), 2u);
    EXPECT_EQ(messageBoxes[1], Big5("找不到畫面編號 1001"));
    EXPECT_EQ(box.GetWindowText(), "");
    EXPECT_EQ(box.GetCount(), 4);
    EXPECT_EQ(Received(), Strings{});

    // Without the host's services every unknown code is not found; without a menu nothing
    // happens at all.
    host.reset();
    Type(box, "U001");
    EXPECT_EQ(messageBoxes.size(), 3u);
    box.SetMenu(nullptr);
    Type(box, "8000");
    EXPECT_EQ(Received(), Strings{});
    EXPECT_EQ(box.GetWindowText(), "8000");
}

TEST_F(ControlsTest, AddressesAreSubmittedAsTypedAndKeptCompletedNewestLast) {
    urlItem.id = 9931;
    CComboBoxURL& box = MakeUrl();
    Type(box, "a.tw");
    orv::test::combo::PressReturn(box);  // four characters: nothing
    EXPECT_EQ(Received(), Strings{});
    Type(box, "/x");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(Received(), Strings{"command 9931"});
    EXPECT_EQ(urlItem.value, "a.tw/x");
    box.SetWindowText("  http://b.tw ");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(urlItem.value, "  http://b.tw ");
    box.SetWindowText("HTTP://C.TW");
    orv::test::combo::PressReturn(box);
    box.SetWindowText(Big5("網址") + ".tw");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(Entries(box), (Strings{"http://a.tw/x", "http://b.tw ", "http://HTTP://C.TW", Big5("網址") + ".tw"}));

    // The same address in other letters moves to the end; blank text is submitted, not kept.
    box.SetWindowText("http://A.TW/X");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(Entries(box).back(), "http://A.TW/X");
    EXPECT_EQ(box.GetCount(), 4);
    box.SetWindowText("      ");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(urlItem.value, "      ");
    EXPECT_EQ(box.GetCount(), 4);
    Received();

    // Choosing an entry submits it and moves it to the end.
    orv::test::combo::Choose(box, 0);
    EXPECT_EQ(Received(), Strings{"command 9931"});
    EXPECT_EQ(urlItem.value, "http://b.tw ");
    EXPECT_EQ(Entries(box).back(), "http://b.tw ");
    EXPECT_EQ(box.GetCount(), 4);

    // Full at 18: a new address takes the last place, the 17 before it stay.
    for (int i = 0; i < 20; ++i) {
        std::string text = "site" + std::to_string(i) + ".tw";
        box.AddRecentUrl(text);
    }
    const Strings entries = Entries(box);
    ASSERT_EQ(entries.size(), 18u);
    EXPECT_EQ(entries[0], "http://HTTP://C.TW");
    EXPECT_EQ(entries[16], "http://site12.tw");
    EXPECT_EQ(entries[17], "http://site19.tw");

    // Without its item the host is not told; the history still changes.
    box.SetToolBarItem(nullptr);
    box.SetWindowText("  last.tw");
    orv::test::combo::PressReturn(box);
    EXPECT_EQ(Received(), Strings{});
    EXPECT_EQ(Entries(box).back(), "http://last.tw");
    std::string text = " \t next.tw";
    box.AddRecentUrl(text);
    EXPECT_EQ(text, "next.tw");
}

TEST_F(ControlsTest, AccountsShowTheirContactsAndKeepTheSelectionAcrossUpdates) {
    const std::map<std::string, std::string> a{{"Name", " Lin "}, {"Phone", "02-1 "}, {"CellPhone", "0912"},
                                               {"Name2", "Wu"}, {"Phone2", "03-2"}, {"CellPhone2", ""}};
    const std::map<std::string, std::string> b{{"Name", "Chen"}};
    host->AddAccount("F12345677654321A", &a);  // 16 characters: keyed by the first 15
    host->AddAccount("F12345677654321B", &b);  // the same key: the first one stays
    host->AddAccount("S98", &b);                   // short
    host->AddAccount("Tnull", nullptr);            // no fields: skipped
    CComboBoxAccount& box = MakeAccount();
    EXPECT_EQ(Entries(box), (Strings{"1234567-7654321 Lin: 02-1 / 0912  Wu: 03-2 / ", "98-S98 Chen:  /   :  / "}));
    EXPECT_EQ(box.GetCurSel(), -1);
    EXPECT_EQ(box.IndexOfAccount("F12345677654321"), 0);
    EXPECT_EQ(box.IndexOfAccount("F12345677654321A"), -1);
    EXPECT_EQ(box.AccountOfIndex(1), "S98");

    // Choosing an account gives the keyboard back to the main window.
    box.SetFocus();
    orv::test::combo::Choose(box, 1);
    EXPECT_EQ(orv::ui::GetFocus(), mainWnd->GetHwnd());
    box.SelectAccount("S98");
    EXPECT_EQ(box.GetCurSel(), 1);
    const std::vector<std::string> update{"F12345677654321", " 02-9 ", "0933", "Wu", "03-2", "x"};
    box.UpdateAccountInfo(&update);
    // The contact name stays as loaded; the host's fields are shown as given; the list is
    // filled anew, not grown.
    EXPECT_EQ(Entries(box), (Strings{"1234567-7654321 Lin:  02-9  / 0933  Wu: 03-2 / x", "98-S98 Chen:  /   :  / "}));
    EXPECT_EQ(box.GetCurSel(), 1);
    const std::vector<std::string> added{"A0000001", "1", "2", "3", "4", "5"};
    box.UpdateAccountInfo(&added);
    EXPECT_EQ(box.GetCount(), 3);
    EXPECT_EQ(Entries(box)[0], "0000001-0000001 : 1 / 2  3: 4 / 5");
    EXPECT_EQ(box.GetCurSel(), 2);  // S98 moved down a place
    const std::vector<std::string> shortRecord{"S98", "1"};
    box.UpdateAccountInfo(&shortRecord);
    box.UpdateAccountInfo(nullptr);
    EXPECT_EQ(box.GetCount(), 3);
    box.SelectAccount("nobody");
    EXPECT_EQ(box.GetCurSel(), -1);

    EXPECT_EQ(FormatAccountLabel("", nullptr), "-");
    EXPECT_EQ(FormatAccountLabel("X", nullptr), "-X");
}

TEST_F(ControlsTest, ScreenBoxPaintsFlatInTheFormColoursWithItsTriangle) {
    CComboBoxTR& box = MakeTr();
    const CRect r = box.GetWindowRect();
    const int w = orv::ui::GetSystemMetrics(orv::ui::kSmCxHThumb);
    const orv::Color back = CFormColor::GetFormColor(52);
    const orv::Color text = CFormColor::GetFormColor(54);
    // The triangle stands in the button's place, centred, pointing down: just below the
    // middle of its base.
    const int placeWidth = w + 1;
    const int base = std::max(3, (placeWidth / 2) | 1);
    const int height = (base + 1) / 2;
    const int tipX = r.Width() - placeWidth + (placeWidth - base) / 2 + base / 2;
    const int baseY = (r.Height() - height) / 2;

    // The box's painting on a bitmap of its size: the window's background everywhere, no
    // border and no button of the control's own, and the triangle.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromPixels(r.Width(), r.Height(),
                                        std::vector<orv::Color>(static_cast<std::size_t>(r.Width() * r.Height()), 0xFFFFFFu)));
    void* previous = dc.SelectObject(&bitmap);
    EXPECT_TRUE(box.OnNcPaint(dc));
    EXPECT_TRUE(box.OnPaint(dc));
    dc.SelectHandle(previous);
    EXPECT_EQ(orv::test::BitmapPixel(bitmap, 0, 0), back);
    EXPECT_EQ(orv::test::BitmapPixel(bitmap, r.Width() - 1, r.Height() - 1), back);
    EXPECT_EQ(orv::test::BitmapPixel(bitmap, r.Width() - 2, 0), back);
    EXPECT_EQ(orv::test::BitmapPixel(bitmap, tipX, baseY + 1), text);
    EXPECT_EQ(orv::test::BitmapPixel(bitmap, tipX, baseY + height), back);  // just below the tip

    // The edit field and the list in the form colours; other parts as the control has them.
    CDC field;
    ASSERT_TRUE(field.CreateCompatibleDC(nullptr));
    void* const defaultBrush = reinterpret_cast<void*>(std::uintptr_t{0x1234});
    void* brush = box.OnCtlColor(field, orv::ui::kCtlColorEdit, defaultBrush);
    EXPECT_NE(brush, nullptr);
    EXPECT_NE(brush, defaultBrush);
    EXPECT_EQ(field.SetTextColor(0), text);
    EXPECT_EQ(field.SetBkMode(orv::ui::kOpaque), orv::ui::kTransparent);
    EXPECT_NE(box.OnCtlColor(field, orv::ui::kCtlColorListBox, defaultBrush), defaultBrush);
    EXPECT_EQ(box.OnCtlColor(field, 6 /* static */, defaultBrush), defaultBrush);
}

TEST_F(ControlsTest, ScreenBoxWindowShowsItsPainting) {
    CComboBoxTR& box = MakeTr();
    const CRect r = box.GetWindowRect();
    const int placeWidth = orv::ui::GetSystemMetrics(orv::ui::kSmCxHThumb) + 1;
    const int base = std::max(3, (placeWidth / 2) | 1);
    const int tipX = r.Width() - placeWidth + (placeWidth - base) / 2 + base / 2;
    const int baseY = (r.Height() - (base + 1) / 2) / 2;
    const orv::Color back = CFormColor::GetFormColor(52);
    const orv::Color text = CFormColor::GetFormColor(54);
    // Only a window on the screen has pixels to read back: the main window is shown.
    orv::ui::ShowWindow(mainWnd->GetHwnd(), orv::ui::kSwShow);
    orv::test::combo::Paint(box);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, 0, 0), back);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, r.Width() - 1, r.Height() - 1), back);
    EXPECT_EQ(orv::test::combo::WindowPixel(box, tipX, baseY + 1), text);
}

// In each sample theme the screen-number box's triangle and text read on its field, as the box
// paints them. (The URL, account and code boxes are the system's own controls in the system's
// colours.)
TEST_F(ControlsTest, ScreenBoxReadsInBothSampleThemes) {
    orv::ui::ShowWindow(mainWnd->GetHwnd(), orv::ui::kSwShow);
    for (const char* theme : {"/examples/Data/FormColor.xml", "/examples/Themes/Dark/FormColor.xml"}) {
        SCOPED_TRACE(theme);
        CFormColor::Table table = CFormColor::GetDefaultFormColorTable();
        ASSERT_TRUE(CFormColor::ReadFormColorTable(std::string(ORV_SOURCE_DIR) + theme, table));
        CFormColor::SetFormColorTable(table);
        CComboBoxTR& box = MakeTr();
        const CRect r = box.GetWindowRect();
        const int placeWidth = orv::ui::GetSystemMetrics(orv::ui::kSmCxHThumb) + 1;
        const int base = std::max(3, (placeWidth / 2) | 1);
        const int tipX = r.Width() - placeWidth + (placeWidth - base) / 2 + base / 2;
        const int baseY = (r.Height() - (base + 1) / 2) / 2;
        orv::test::combo::Paint(box);
        const orv::Color field = orv::test::combo::WindowPixel(box, 1, r.Height() / 2);
        const orv::Color triangle = orv::test::combo::WindowPixel(box, tipX, baseY + 1);
        EXPECT_EQ(field, table[52]);
        EXPECT_GE(orv::test::ContrastRatio(triangle, field), 4.5);
        // The text colour the box hands the edit field when the field paints, on the field.
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        box.OnCtlColor(dc, orv::ui::kCtlColorEdit, nullptr);
        EXPECT_GE(orv::test::ContrastRatio(dc.SetTextColor(0), field), 7.0);
    }
}

TEST_F(ControlsTest, ScreenBoxCarriesOneToolOverItsRectangle) {
    CComboBoxTR& box = MakeTr();
    box.SetToolTip("screen number", CRect{1, 2, 150, 30});
    ASSERT_NE(box.GetToolTipWnd(), nullptr);
    const auto tools = CToolTipCtrl::ToolsOf(box.GetToolTipWnd());
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].id, 1u);
    EXPECT_EQ(tools[0].wnd, box.GetSafeHwnd());
    EXPECT_EQ(tools[0].text, "screen number");
    EXPECT_EQ(tools[0].rect, (CRect{1, 2, 150, 30}));
    box.SetToolTip("", CRect{});
    EXPECT_EQ(box.GetToolTipWnd(), nullptr);
}

}  // namespace
}  // namespace orv::test
