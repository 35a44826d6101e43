// The toolbar file: what each element and attribute does, command identifiers, seeding a new
// user's file from the default definition, and files that cannot be read.
#include <string>
#include <vector>

#include "ToolBarFixture.h"
#include "services/XMLParser.h"
#include "toolbar/ToolBarImpl.h"

namespace orv::test {
namespace {

TEST_F(ToolBarTest, ReadsEveryElementAndAttributeAndNumbersItemsInDocumentOrder) {
    // A new toolbar answers 9900 until it loads; items take the process's counter.
    EXPECT_EQ(toolBar->GetNextId(), 9900u);
    const std::uint32_t first = COrvToolBarImpl::PeekNextCommandId();
    LoadToolBar("<MINSIZE> 120px</MINSIZE><BREAK>-3</BREAK>"
                "<CONTEXTMENU>ON</CONTEXTMENU><CONTEXTMENU>OFF</CONTEXTMENU>"
                "<node name=\"Quotes\" type=\"group\" style=\"checkgroup\" icon=\"g.bmp\" LASTACT=\"ON\">"
                "  <NAME>Main bar</NAME>"
                "  <NODE TRCODE=\"8000\" NAME=\"A\" TYPE=\"NORMAL\" PROP=\"p\" VALUE=\"v\" TOOLTIP=\"t\" COLOR=\"red\"/>"
                "  <NODE NAME=\"Sub\" TYPE=\"FOLDER\"><NODE TRCODE=\"7777\" NAME=\"Deep\" TYPE=\"BUTTON\" STYLE=\"CHECK\"/></NODE>"
                "  <NODE NAME=\"Odd\" TYPE=\"WIDGET\" STYLE=\"ROUND\"/>"
                "  <UNKNOWN><NODE NAME=\"Hidden in unknown\"/></UNKNOWN>"
                "</node>"
                "<NODE NAME=\"Halden Trader\" TYPE=\"GROUP\" LASTACT=\"ON\"/>");

    OrvToolBar* root = toolBar->GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(toolBar->GetMinSize(), 120);
    EXPECT_EQ(toolBar->GetBreak(), -3);
    EXPECT_EQ(toolBar->IsContextMenuOn(), 1) << "a later OFF does not undo ON";
    EXPECT_EQ(root->name, "Main bar") << "NAME inside a NODE names the toolbar";
    ASSERT_EQ(root->children.size(), 2u);

    OrvToolBar* quotes = root->children[0];
    EXPECT_EQ(quotes->name, "Quotes");
    EXPECT_EQ(quotes->type, kOrvTbGroup);
    EXPECT_EQ(quotes->style, kOrvTbStyleCheckGroup);
    EXPECT_EQ(quotes->icon, imageDir + "\\g.bmp");
    EXPECT_EQ(quotes->parent, root);
    ASSERT_EQ(quotes->children.size(), 3u) << "a NODE inside an unknown element is skipped";

    OrvToolBar* a = quotes->children[0];
    EXPECT_EQ(a->trCode, "8000");
    EXPECT_EQ(a->menuNode, menu->GetMenuByTRCode("8000"));
    EXPECT_EQ(a->prop, "p");
    EXPECT_EQ(a->value, "v");
    EXPECT_EQ(a->toolTip, "t");
    EXPECT_EQ(a->style, kOrvTbStyleButton);
    OrvToolBar* deep = quotes->children[1]->children.at(0);
    EXPECT_EQ(deep->menuNode, nullptr) << "a TR code the menu does not know";
    EXPECT_EQ(deep->type, kOrvTbButton);
    EXPECT_EQ(deep->style, kOrvTbStyleCheck);
    OrvToolBar* odd = quotes->children[2];
    EXPECT_EQ(odd->name, "Odd");
    EXPECT_EQ(odd->type, kOrvTbNone) << "an unknown keyword leaves the type as it was";
    EXPECT_EQ(odd->style, kOrvTbStyleButton);
    EXPECT_EQ(root->children[1]->name, "Morvane") << "the former brand name is replaced whole";

    // Ids in pre-order from the process counter; the map finds them by their low 16 bits.
    const std::vector<OrvToolBar*> order{quotes, a, quotes->children[1], deep, odd, root->children[1]};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i]->id, first + i);
        EXPECT_EQ(toolBar->GetItem(order[i]->id), order[i]);
        EXPECT_EQ(toolBar->GetItem(order[i]->id + 0x10000u), order[i]);
    }
    EXPECT_EQ(toolBar->GetItem(first + 6), nullptr);
    EXPECT_EQ(toolBar->GetNextId(), first + 6);
    EXPECT_EQ(toolBar->GetLastAct(), root->children[1]) << "the later LASTACT is the checked item";
    EXPECT_EQ(quotes->lastAct, 1);

    // A second toolbar goes on where the first stopped.
    IOrvToolBar* second = Create();
    WriteToolBar("<NODE NAME=\"x\"/>", "Second.xml");
    second->SetFileName("Second.xml");
    second->Load();
    ASSERT_NE(second->GetRoot(), nullptr);
    EXPECT_EQ(second->GetRoot()->children.at(0)->id, first + 6);
    DestroyOrvToolBar(second);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ToolBarTest, MissingFileIsReportedAndOnlyUserFilesAreSeeded) {
    WriteFile(DataPath("OrvUIInit.xml"),
              "<UI><MENU/><TOOLBAR><NODE NAME=\"G\" TYPE=\"GROUP\"/></TOOLBAR></UI>");
    // A path without "User" is no user's file: the default is never used for it.
    toolBar->SetFileName("Bar.xml");
    EXPECT_EQ(toolBar->GetFilePath(), dataDir + "\\Bar.xml");
    toolBar->Load();
    EXPECT_EQ(toolBar->GetRoot(), nullptr);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], dataDir + "\\Bar.xmlFile open error");
    EXPECT_FALSE(FileExists(DataPath("Bar.xml")));
    // Without a default definition a missing user file is reported the same way.
    std::filesystem::remove(DataPath("OrvUIInit.xml"));
    toolBar->SetFileName("User/Bar.xml");
    toolBar->Load();
    EXPECT_EQ(toolBar->GetRoot(), nullptr);
    ASSERT_EQ(messageBoxes.size(), 2u);
    EXPECT_EQ(messageBoxes[1], dataDir + "\\User/Bar.xmlFile open error");
}

TEST_F(ToolBarTest, NewUserGetsTheDefaultToolbarWrittenToHisFile) {
    WriteFile(DataPath("OrvUIInit.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><UI><HOTKEY/>"
              "<TOOLBAR><CONTEXTMENU>ON</CONTEXTMENU>"
              "<NODE NAME=\"G\" TYPE=\"GROUP\" LASTACT=\"ON\"><NODE TRCODE=\"8930\" NAME=\"n\" TOOLTIP=\"tip\"/></NODE>"
              "</TOOLBAR><TOOLBAR><NODE NAME=\"second\"/></TOOLBAR></UI>");
    std::filesystem::create_directories(DataPath("User"));
    toolBar->SetFileName("User/ToolBar.xml");
    toolBar->Load();
    ASSERT_NE(toolBar->GetRoot(), nullptr);
    ASSERT_EQ(toolBar->GetRoot()->children.size(), 1u) << "the first TOOLBAR element seeds";
    EXPECT_EQ(ButtonCount(), 1) << "the first group is shown";
    EXPECT_TRUE(messageBoxes.empty());

    // No group selection and no tooltips in this load.
    EXPECT_EQ(Send(orv::ui::kTbGetToolTips), 0);

    // The user's file now holds the toolbar as it is written, and reads back the same.
    const std::string written = ReadFile(DataPath("User/ToolBar.xml"));
    EXPECT_NE(written.find("<CONTEXTMENU>ON</CONTEXTMENU>"), std::string::npos) << written;
    IOrvToolBar* again = Create();
    again->SetFileName("User/ToolBar.xml");
    again->Load();
    ASSERT_NE(again->GetRoot(), nullptr);
    const OrvToolBar* g = again->GetRoot()->children.at(0);
    EXPECT_EQ(g->name, "G");
    EXPECT_EQ(g->lastAct, 1);
    EXPECT_EQ(g->children.at(0)->trCode, "8930");
    EXPECT_EQ(g->children.at(0)->toolTip, "") << "tooltips stay with the default definition";
    DestroyOrvToolBar(again);
}

TEST_F(ToolBarTest, UnreadableUserFileIsKeptAndNeverWrittenOver) {
    const std::string garbage = "<?xml version=\"1.0\"?><TOOLBAR><NODE NAME=\"lost";
    WriteFile(DataPath("User/ToolBar.xml"), garbage);
    toolBar->SetFileName("User/ToolBar.xml");
    toolBar->Load();
    EXPECT_EQ(toolBar->GetRoot(), nullptr);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], dataDir + "\\User/ToolBar.xml" + "File open error");
    EXPECT_EQ(ReadFile(DataPath("User/ToolBar.xml.unreadable")), garbage);
    toolBar->SaveFile();  // nothing was loaded: the user's file stays as it was
    EXPECT_EQ(ReadFile(DataPath("User/ToolBar.xml")), garbage);
}

}  // namespace
}  // namespace orv::test
