// The action tab bar: the style file, what reaches the host's tab control and in which order.
#include <cstdint>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "testsupport/RecordingActTabBar.h"
#include "orvmenu/OrvExports.h"

namespace {

using Call = CRecordingActTabBar::Call;
using Calls = std::vector<Call>;

constexpr std::intptr_t kHostWnd = 0x1234;

#define EXPECT_CALLS(bar, ...)                                           \
    do {                                                                 \
        const Calls expectedCalls_ = __VA_ARGS__;                        \
        const Calls& actualCalls_ = (bar).Calls();                       \
        EXPECT_TRUE(expectedCalls_ == actualCalls_)                      \
            << CRecordingActTabBar::Diff(expectedCalls_, actualCalls_); \
    } while (0)

std::string StyleFile(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ACTTAB>\r\n" + body + "</ACTTAB>\r\n";
}

class ActTabTest : public orv::test::OrvTest {
protected:
    void SetUp() override {
        OrvTest::SetUp();
        actTab = CreateOrvActTab();
        ASSERT_NE(actTab, nullptr);
    }
    void TearDown() override {
        DestroyOrvActTab(actTab);
        OrvTest::TearDown();
    }

    // Writes the style file and loads it with no window: the USE flag.
    std::int32_t UseOf(const std::string& body) {
        orv::test::WriteFile(DataPath("ActTab.xml"), StyleFile(body));
        return actTab->LoadActTab("ActTab.xml", 0);
    }

    IOrvActTab* actTab = nullptr;
    CRecordingActTabBar bar;
};

TEST_F(ActTabTest, UseFlagIsExactlyCapitalY) {
    actTab->SetActTabBar(&bar);
    EXPECT_EQ(UseOf("<USE>Y</USE>"), 1);
    EXPECT_EQ(UseOf("<use>Y</use>"), 1);
    EXPECT_EQ(UseOf("<Use>Y</Use>"), 1);
    EXPECT_EQ(UseOf("<USE><![CDATA[Y]]></USE>"), 1);
    EXPECT_EQ(UseOf("<USE>N</USE><USE>Y</USE>"), 1);  // the last one wins
    EXPECT_EQ(UseOf("<USE><B>Y</B></USE>"), 1);       // the text of the whole element
    EXPECT_EQ(UseOf("<USE>y</USE>"), 0);
    EXPECT_EQ(UseOf("<USE> Y</USE>"), 0);
    EXPECT_EQ(UseOf("<USE>Y </USE>"), 0);
    EXPECT_EQ(UseOf("<USE>YES</USE>"), 0);
    EXPECT_EQ(UseOf("<USE/>"), 0);
    EXPECT_EQ(UseOf("<USE>Y</USE><USE>N</USE>"), 0);
    EXPECT_EQ(UseOf("<GROUP><USE>Y</USE></GROUP>"), 0);  // only the root's children count
    EXPECT_EQ(UseOf("<USED>Y</USED>"), 0);
    EXPECT_EQ(UseOf("<USE VALUE=\"Y\">N</USE>"), 0);  // attributes are not read

    // Without a USE element the flag stays as the last load left it; a fresh component's is 0.
    EXPECT_EQ(UseOf("<USE>Y</USE>"), 1);
    EXPECT_EQ(UseOf("<FONT>Arial</FONT>"), 1);
    IOrvActTab* fresh = CreateOrvActTab();
    EXPECT_EQ(fresh->LoadActTab("ActTab.xml", 0), 0);
    DestroyOrvActTab(fresh);

    // Loading with no window never touches the control, and nothing was reported.
    EXPECT_CALLS(bar, {});
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ActTabTest, MissingOrUnreadableFileIsReportedOnceAndCreatesNothing) {
    actTab->SetActTabBar(&bar);
    actTab->SetTabParam(7);
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", 0), 0);
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", kHostWnd), 0);
    EXPECT_EQ(messageBoxes, (std::vector<std::string>{"ActTab.xmlFile open error",
                                                      "ActTab.xmlFile open error"}));
    EXPECT_CALLS(bar, {});
    EXPECT_FALSE(bar.Created());

    // Only the data directory is searched.
    orv::test::WriteFile(UserPath("ActTab.xml"), StyleFile("<USE>Y</USE>"));
    messageBoxes.clear();
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", 0), 0);
    EXPECT_EQ(messageBoxes.size(), 1u);

    // Files no reader should take: a document type (entity expansion), binary junk, a cut-off
    // file, nesting beyond the reader's limit, no root at all.
    std::string deep = "<USE>Y</USE>";
    for (int i = 0; i < 300; ++i) deep = "<a>" + deep + "</a>";
    const char junk[] = "\x00\x01\x80junk<USE>Y</USE>\xff";
    const std::vector<std::string> hostile = {
        "<?xml version=\"1.0\"?>\n<!DOCTYPE ACTTAB [<!ENTITY y \"Y\">]>\n"
        "<ACTTAB><USE>&y;</USE></ACTTAB>",
        std::string(junk, sizeof junk - 1),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ACTTAB><USE>Y</USE><FONT>Ari",
        deep,
        "",
    };
    for (const std::string& content : hostile) {
        orv::test::WriteFile(DataPath("Bad.xml"), content);
        messageBoxes.clear();
        EXPECT_EQ(actTab->LoadActTab("Bad.xml", kHostWnd), 0) << content.substr(0, 40);
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"Bad.xmlFile open error"});
    }
    EXPECT_CALLS(bar, {});
    EXPECT_EQ(UseOf("<USE>N</USE>"), 0);  // and the component still works
}

TEST_F(ActTabTest, FileNameIsJoinedToTheDataDirectory) {
    orv::test::WriteFile(DataPath("Style/Dark.xml"), StyleFile("<USE>Y</USE>"));
    EXPECT_EQ(actTab->LoadActTab("Style\\Dark.xml", 0), 1);
    EXPECT_EQ(actTab->LoadActTab("Style/Missing.xml", 0), 0);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Style/Missing.xmlFile open error"});
}

TEST_F(ActTabTest, LoadWithWindowConfiguresTheControlInOrder) {
    orv::test::WriteFile(DataPath("ActTab.xml"),
                         StyleFile("<!-- the bar -->\r\n<USE>N</USE>\r\n"
                                   "<FONT>Tahoma,0,-11,700,0,0,0</FONT>\r\n<ICON>Y</ICON>\r\n"
                                   "<SELBACKCOLOR>1,2,3</SELBACKCOLOR>\r\n"
                                   "<SELFORECOLOR>4,5,6</SELFORECOLOR>\r\n"
                                   "<NORBACKCOLOR>7,8,9</NORBACKCOLOR>\r\n"
                                   "<NORFORECOLOR>10,11,12</NORFORECOLOR>\r\n"
                                   "<OTHER>x</OTHER>\r\n"));
    EXPECT_EQ(actTab->SetActTabBar(&bar), &bar);
    actTab->SetTabParam(7);
    EXPECT_EQ(actTab->GetTabParam(), 7u);

    // USE says N, yet a load with a window creates the control and answers 1.
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", kHostWnd), 1);
    EXPECT_CALLS(bar, {{"creationWnd", "0x1234"},
                       {"creationParam", "7"},
                       {"SetFormFont", "Tahoma,0,-11,700,0,0,0"},
                       {"SetSelBackColor", "1,2,3"},
                       {"SetSelForeColor", "4,5,6"},
                       {"SetNorBackColor", "7,8,9"},
                       {"SetNorForeColor", "10,11,12"},
                       {"CreateTabCtrl", ""}});
    EXPECT_EQ(bar.creationWnd, kHostWnd);
    EXPECT_EQ(bar.creationParam, 7u);

    // A second load configures and creates again, over the new window and parameter.
    bar.ClearCalls();
    actTab->SetTabParam(8);
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", 0x5678), 1);
    EXPECT_CALLS(bar, {{"creationWnd", "0x5678"},
                       {"creationParam", "8"},
                       {"SetFormFont", "Tahoma,0,-11,700,0,0,0"},
                       {"SetSelBackColor", "1,2,3"},
                       {"SetSelForeColor", "4,5,6"},
                       {"SetNorBackColor", "7,8,9"},
                       {"SetNorForeColor", "10,11,12"},
                       {"CreateTabCtrl", ""}});
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ActTabTest, TabOperationsReachTheControl) {
    OrvActTabItem a{"8000", "A", nullptr};
    OrvActTabItem b{"8930", "B", reinterpret_cast<HWND>(0x99)};
    actTab->SetActTabBar(&bar);
    EXPECT_EQ(actTab->SetHostData(42), 42);

    actTab->InsertTabItem(&a, 5);
    actTab->InsertTabItem(&b, 5);
    actTab->ChangeTabItem(&a, 5);
    actTab->SelectTabItem(&b, 5);
    EXPECT_EQ(actTab->MoveTabItem(reinterpret_cast<HWND>(0x99), 0), 0);  // the control's answer
    EXPECT_EQ(actTab->MoveTabItem(reinterpret_cast<HWND>(0x77), 0), -1);
    actTab->RedrawActTab();
    actTab->DeleteTabItem(&a, 5);
    actTab->SetBarField(-3);
    EXPECT_EQ(bar.barField, -3);
    bar.barField = 11;
    EXPECT_EQ(actTab->GetBarField(), 11);
    actTab->DeleteTabItems();
    EXPECT_CALLS(bar, {{"InsertTabItem", "8000,5"},
                       {"InsertTabItem", "8930,5"},
                       {"ChangeTabItem", "8000,-1"},
                       {"SelectTabItem", "8930,-1"},
                       {"MoveTabItem", "0x99,0"},
                       {"MoveTabItem", "0x77,0"},
                       {"RedrawActTab", ""},
                       {"DeleteTabItem", "8000,5"},
                       {"barField", "11"},
                       {"DeleteTabItems", ""}});
    EXPECT_TRUE(bar.Tabs().empty());
}

TEST_F(ActTabTest, ColoursSetBeforeTheControlReachItUnlessTheFileOverrides) {
    actTab->SetNorForeColor(CFormColor(orv::Rgb(1, 1, 1)));
    actTab->SetNorBackColor(CFormColor(orv::Rgb(2, 2, 2)));
    actTab->SetSelForeColor(CFormColor(orv::Rgb(3, 3, 3)));
    actTab->SetSelBackColor(CFormColor(orv::Rgb(4, 4, 4)));
    orv::test::WriteFile(DataPath("ActTab.xml"),
                         StyleFile("<SelBackColor>#0A0B0C</SelBackColor>"
                                   "<NORFORECOLOR>not a colour</NORFORECOLOR>"));
    actTab->SetActTabBar(&bar);
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", kHostWnd), 1);
    // The tab parameter is still 0, so creationParam shows no change.
    EXPECT_CALLS(bar, {{"creationWnd", "0x1234"},
                       {"SetFormFont", "Verdana,0,-12,400,0,0,0"},
                       {"SetSelBackColor", "10,11,12"},
                       {"SetSelForeColor", "3,3,3"},
                       {"SetNorBackColor", "2,2,2"},
                       {"SetNorForeColor", "1,1,1"},
                       {"CreateTabCtrl", ""}});

    // With a control, a colour goes to it at once.
    bar.ClearCalls();
    actTab->SetSelForeColor(CFormColor(orv::Rgb(9, 9, 9)));
    EXPECT_CALLS(bar, {{"SetSelForeColor", "9,9,9"}});
    EXPECT_EQ(bar.SelForeColor(), CFormColor(orv::Rgb(9, 9, 9)));
}

TEST_F(ActTabTest, FontElementsApplyInTurn) {
    actTab->SetActTabBar(&bar);
    const std::string face = orv::test::Big5("新細明體");
    orv::test::WriteFile(DataPath("ActTab.xml"),
                         StyleFile("<FONT>Arial,0,-10,400,0,0,0</FONT>"
                                   "<FONT>新細明體,0,-12,700,1,0,0</FONT>"
                                   "<FONT>Courier,zero,-12,400,0,0,0</FONT>"
                                   "<FONT></FONT>"));
    EXPECT_EQ(actTab->LoadActTab("ActTab.xml", kHostWnd), 1);
    // The second font wins: the malformed and empty ones after it keep it.
    EXPECT_EQ(bar.Font().faceName, face) << orv::test::Utf8(bar.Font().faceName);
    EXPECT_EQ(bar.Font().toString(), face + ",0,-12,700,1,0,0");
}

TEST(ActTabExports, DestroyIgnoresNullAndLeavesTheControlAlone) {
    DestroyOrvActTab(nullptr);
    CRecordingActTabBar bar;
    IOrvActTab* actTab = CreateOrvActTab();
    ASSERT_NE(actTab, nullptr);
    actTab->SetActTabBar(&bar);
    DestroyOrvActTab(actTab);
    EXPECT_TRUE(bar.Calls().empty());
}

}  // namespace
