// Writing the toolbar file: the exact form of what is written, and that every written field
// reads back the same.
#include <string>

#include "ToolBarFixture.h"
#include "services/File.h"

namespace orv::test {
namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TOOLBAR>\r\n";

TEST_F(ToolBarTest, WritesEachItemAsOneNodeLineWithItsSetFields) {
    LoadToolBar("<MINSIZE>5</MINSIZE><NAME>bar</NAME>"
                "<NODE NAME=\"B\" TYPE=\"button\"/>"
                "<NODE TRCODE=\"8000\" NAME=\"Halden Q\" TYPE=\"GROUP\" STYLE=\"BUTTON\" ICON=\"q.bmp\" "
                "PROP=\"p\" VALUE=\"v\" TOOLTIP=\"t\" LASTACT=\"ON\">"
                "<NODE TYPE=\"URLEDIT\" STYLE=\"SEP\"/></NODE>");
    toolBar->SaveFile();
    EXPECT_EQ(ReadFile(DataPath("ToolBar.xml")),
              kHead +
                  "\t<CONTEXTMENU>OFF</CONTEXTMENU>\r\n"
                  "\t<NODE NAME=\"B\" TYPE=\"BUTTON\" >\r\n"
                  "\t</NODE>\r\n"
                  "\t<NODE TRCODE=\"8000\" NAME=\"Morvane\" TYPE=\"GROUP\" ICON=\"q.bmp\" LASTACT=\"ON\" >\r\n"
                  "\t\t<NODE TYPE=\"URLEDIT\" STYLE=\"SEP\" >\r\n"
                  "\t\t</NODE>\r\n"
                  "\t</NODE>\r\n"
                  "</TOOLBAR>\r\n");
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ToolBarTest, EveryWrittenFieldReadsBack) {
    const std::string name = Big5("\xE5\x8A\xA0\xE6\xAC\x8A & \"<odd>\"");  // 加權 & "<odd>"
    LoadToolBar("<CONTEXTMENU>ON</CONTEXTMENU>"
                "<NODE NAME=\"G\" TYPE=\"GROUP\" STYLE=\"CHECKGROUP\"><NODE NAME=\"x\"/></NODE>");
    OrvToolBar* x = Item("x");
    ASSERT_NE(x, nullptr);
    x->name = name;
    x->trCode = "8930";
    x->type = kOrvTbCodeCombo;
    x->style = kOrvTbStyleGroup;
    x->icon = imageDir + "\\sub\\x&y.bmp";
    x->lastAct = 1;
    toolBar->SaveFile();

    IOrvToolBar* again = Create();
    again->SetFileName("ToolBar.xml");
    again->Load();
    ASSERT_NE(again->GetRoot(), nullptr);
    EXPECT_EQ(again->IsContextMenuOn(), 1);
    const OrvToolBar* g = again->GetRoot()->children.at(0);
    EXPECT_EQ(g->style, kOrvTbStyleCheckGroup);
    const OrvToolBar* y = g->children.at(0);
    EXPECT_EQ(Utf8(y->name), Utf8(name));
    EXPECT_EQ(y->trCode, "8930");
    EXPECT_EQ(y->menuNode, menu->GetMenuByTRCode("8930"));
    EXPECT_EQ(y->type, kOrvTbCodeCombo);
    EXPECT_EQ(y->style, kOrvTbStyleGroup);
    EXPECT_EQ(y->icon, x->icon);
    EXPECT_EQ(y->lastAct, 1);
    EXPECT_EQ(again->GetLastAct(), y);
    EXPECT_NE(y->id, x->id) << "ids are given afresh";
    DestroyOrvToolBar(again);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ToolBarTest, EmptyToolbarAndFailedSaves) {
    LoadToolBar("");
    ASSERT_NE(toolBar->GetRoot(), nullptr);
    toolBar->SaveFile();
    EXPECT_EQ(ReadFile(DataPath("ToolBar.xml")), kHead + "\t<CONTEXTMENU>OFF</CONTEXTMENU>\r\n</TOOLBAR>\r\n");

    // A save that cannot be made tells the user and leaves the file as it was.
    const std::string before = ReadFile(DataPath("ToolBar.xml"));
    toolBar->SetFileName("NoSuchFolder/ToolBar.xml");
    toolBar->SaveFile();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], dataDir + "\\NoSuchFolder/ToolBar.xml" + "File save error");
    EXPECT_EQ(ReadFile(DataPath("ToolBar.xml")), before);

    // Save into a file the host opened: the same document.
    CFile file;
    ASSERT_TRUE(file.Open(DataPath("Copy.xml"), CFile::modeCreate | CFile::modeWrite));
    toolBar->Save(&file);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(DataPath("Copy.xml")), before);
}

}  // namespace
}  // namespace orv::test
