// What the user sees in the host's menu.
#include "MenuFixture.h"

namespace orv::test {
namespace {

class MenuBuild : public MenuTest {};

TEST_F(MenuBuild, LabelsPositionsSeparatorsAndSubmenus) {
    bar.AppendMenu(orv::menuflag::kString, 1, "Host");
    Load(R"(<NODE TYPE="DLL" DISP="Y" GRADE="3fffffff" NAME="報價">
  <NODE TYPE="SEP" DISP="Y" GRADE="3fffffff"/>
  <NODE TYPE="FORM" DISP="Y" GRADE="3fffffff" TRCODE="1001" FILE="a">台股報價</NODE>
  <NODE TYPE="FORM" DISP="Y" GRADE="3fffffff" TRCODE="8930">公告</NODE>
  <NODE TYPE="FORM" GRADE="3fffffff" TRCODE="1002">not shown: no DISP</NODE>
  <NODE DISP="Y" GRADE="3fffffff" TRCODE="1003">not shown: no TYPE</NODE>
  <NODE TYPE="DLL" DISP="Y" GRADE="3fffffff" NAME="深層"><NODE TYPE="FUNC" DISP="Y" GRADE="3fffffff">無代碼</NODE></NODE>
</NODE>
<NODE TYPE="SEP" DISP="Y" GRADE="3fffffff"/>
<NODE TYPE="FORM" DISP="Y" GRADE="3fffffff" TRCODE="8000">下單</NODE>
<NODE TYPE="FORM" DISP="Y" GRADE="1" TRCODE="2001">not shown: grade</NODE>
<NODE TYPE="DLL" DISP="Y" GRADE="3fffffff" NAME="空"><NODE TYPE="FORM" DISP="Y" GRADE="1" TRCODE="2002">x</NODE></NODE>)");
    const auto id = [&](const char* code) { return std::to_string(menu->GetMenuByTRCode(code)->id); };
    const std::string deepId = std::to_string(menu->GetMenuByTRCode("8930")->id + 4);
    EXPECT_EQ(Dump(bar.GetSafeHmenu()),
              "報價 >\n"
              "  ---\n"
              "  (1001)台股報價 #" + id("1001") + "\n"
              "  公告 #" + id("8930") + "\n"
              "  深層 >\n"
              "    無代碼 #" + deepId + "\n"
              "下單 #" + id("8000") + "\n"
              "空 >\n"
              "Host #1\n"
              "---\n");
}

TEST_F(MenuBuild, HiddenSubmenuHidesEverythingBelowIt) {
    Load(R"(<NODE TYPE="DLL" DISP="Y" GRADE="3fffffff" NAME="期貨"><NODE TYPE="FORM" DISP="Y" GRADE="3fffffff" TRCODE="3001">x</NODE></NODE>
<NODE TYPE="FORM" DISP="Y" GRADE="3fffffff" TRCODE="3002">ok</NODE>)", kAllGrades, /*derivatives=*/0);
    EXPECT_EQ(Dump(bar.GetSafeHmenu()), "(3002)ok #" + std::to_string(menu->GetMenuByTRCode("3002")->id) + "\n");
    EXPECT_EQ(menu->GetMenuByTRCode("3001"), nullptr);  // never read: its parent was filtered
}

}  // namespace
}  // namespace orv::test
