// The host's side of the toolbar: drop-down and context menus, the check mark, tooltips, the
// host's two integers.
#include <string>
#include <vector>

#include "ToolBarFixture.h"
#include "ui/ToolTip.h"

namespace orv::test {
namespace {

const char kMenuGroup[] =
    "<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
    "<NODE NAME=\"G\" TYPE=\"GROUP\">"
    "  <NODE NAME=\"line\" TYPE=\"SEP\"/>"
    "  <NODE TRCODE=\"8000\" NAME=\"X\" TYPE=\"BUTTON\"/>"
    "  <NODE NAME=\"Sub\" TYPE=\"FOLDER\"><NODE NAME=\"inner\" TYPE=\"NORMAL\"/><NODE NAME=\"untyped\"/></NODE>"
    "  <NODE NAME=\"untyped\"/>"
    "</NODE>"
    "<NODE NAME=\"G2\" TYPE=\"GROUP\"/><NODE NAME=\"G3\" TYPE=\"GROUP\"/>";

TEST_F(ToolBarTest, ContextAndPlainMenusFromARecord) {
    LoadToolBar(kMenuGroup);
    const auto id = [this](const char* name) { return std::to_string(Item(name)->id); };
    CMenu context;
    ASSERT_TRUE(context.CreatePopupMenu());
    toolBar->BuildContextMenu(&context, Item("G"));
    EXPECT_EQ(Dump(context.GetSafeHmenu()),
              "---\n(8000)X #" + id("X") + "\nSub >\n  inner #" + id("inner") + "\n");
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    toolBar->BuildPlainMenu(&plain, Item("G"));
    EXPECT_EQ(Dump(plain.GetSafeHmenu()), "---\nX #" + id("X") + "\nSub #" + id("Sub") + "\n");
    // The root lists its groups, never the switch button.
    CMenu groups;
    ASSERT_TRUE(groups.CreatePopupMenu());
    toolBar->BuildPlainMenu(&groups, toolBar->GetRoot());
    EXPECT_EQ(Dump(groups.GetSafeHmenu()), "G #" + id("G") + "\nG2 #" + id("G2") + "\nG3 #" + id("G3") + "\n");
    // Nothing for no record, or one without children.
    toolBar->BuildContextMenu(&groups, nullptr);
    toolBar->BuildPlainMenu(&groups, Item("X"));
    EXPECT_EQ(groups.GetMenuItemCount(), 3);
    for (CMenu* m : {&context, &plain, &groups}) m->DestroyMenu();
}

TEST_F(ToolBarTest, CheckMarkMovesToOneItem) {
    LoadToolBar("<NODE NAME=\"G\" TYPE=\"GROUP\"><NODE NAME=\"a\" STYLE=\"CHECKGROUP\" LASTACT=\"ON\"/>"
                "<NODE NAME=\"b\" STYLE=\"CHECKGROUP\"/><NODE NAME=\"c\" STYLE=\"CHECKGROUP\"/></NODE>");
    EXPECT_EQ(toolBar->GetLastAct(), Item("a"));
    toolBar->SetLastAct(Item("b")->id);
    toolBar->SetLastAct(Item("c")->id);
    EXPECT_EQ(Item("a")->lastAct + Item("b")->lastAct, 0);
    EXPECT_EQ(Item("c")->lastAct, 1);
    EXPECT_EQ(toolBar->GetLastAct(), Item("c"));
    // The mark is saved with the toolbar.
    toolBar->SaveFile();
    EXPECT_NE(ReadFile(DataPath("ToolBar.xml")).find("NAME=\"c\" STYLE=\"CHECKGROUP\" LASTACT=\"ON\" "),
              std::string::npos);
}

TEST_F(ToolBarTest, TooltipsNameTheScreenOrSayWhatTheFileSays) {
    LoadToolBar("<NODE NAME=\"G\" TYPE=\"GROUP\">"
                "<NODE TRCODE=\"8930\" NAME=\"mine\"/>"
                "<NODE TRCODE=\"8000\" NAME=\"q\" TOOLTIP=\"Quotes &amp; more\"/>"
                "<NODE NAME=\"plain\"/>"
                "<NODE TRCODE=\"9150\" NAME=\"hidden screen\"/>"
                "</NODE>");
    ASSERT_EQ(ButtonCount(), 4);
    const HWND tips = reinterpret_cast<HWND>(Send(orv::ui::kTbGetToolTips));
    ASSERT_NE(tips, nullptr);
    // The tooltip window is the toolbar's, and its tools are the buttons' rectangles.
    std::vector<CToolTipCtrl::Tool> expected{
        {bar.GetSafeHwnd(), Item("mine")->id, ItemRect(0), "[8930] Y"},
        {bar.GetSafeHwnd(), Item("q")->id, ItemRect(1), "Quotes & more"},
        {bar.GetSafeHwnd(), Item("hidden screen")->id, ItemRect(3), "[9150] Inside"},
    };
    EXPECT_EQ(CToolTipCtrl::ToolsOf(tips), expected);
    // Recreating the tooltips gives the same tools, not twice as many, in the same window.
    toolBar->SetupToolTips();
    const HWND again = reinterpret_cast<HWND>(Send(orv::ui::kTbGetToolTips));
    EXPECT_EQ(again, tips);
    EXPECT_EQ(CToolTipCtrl::ToolsOf(again), expected);
    // Another toolbar window gets a tooltip window of its own, with the group's tools.
    CToolBar other;
    ASSERT_TRUE(other.Create(mainWnd->GetHwnd()));
    toolBar->SetToolBarWnd(&other);
    toolBar->SelectGroup(Item("G"));
    toolBar->SetupToolTips();
    const HWND own = reinterpret_cast<HWND>(other.SendMessage(orv::ui::kTbGetToolTips, 0, 0));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(CToolTipCtrl::ToolsOf(own).size(), 3u);
    toolBar->SetToolBarWnd(&bar);
}

TEST_F(ToolBarTest, HostIntegersLandOnTheToolbarWindow) {
    toolBar->SetWndWordA(7);
    toolBar->SetWndWordB(-2);
    EXPECT_EQ(bar.wndWordA, 7);
    EXPECT_EQ(bar.wndWordB, -2);
    EXPECT_EQ(toolBar->GetToolBarWnd(), &bar);
    // Before anything is loaded the operations find nothing and do no harm.
    EXPECT_EQ(toolBar->GetRoot(), nullptr);
    EXPECT_EQ(toolBar->GetLastAct(), nullptr);
    toolBar->SelectGroup(nullptr);
    toolBar->SetupToolTips();
    toolBar->SaveFile();
    toolBar->FocusScreenInput();
    toolBar->SelectAccount("A1");
    EXPECT_FALSE(FileExists(DataPath("ToolBar.xml")));
    EXPECT_TRUE(messageBoxes.empty());
}

}  // namespace
}  // namespace orv::test
