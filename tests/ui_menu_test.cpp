// The toolkit's menu behaves like the window system's for what the library does with it.
#include "TestSupport.h"
#include "orvmenu/Menu.h"

namespace orv::test {
namespace {

using Kind = CMenu::ItemKind;
using namespace orv::menuflag;

TEST(UiMenu, InsertsByPositionAppendsPastTheEndAndOwnsItsPopups) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    bar.AppendMenu(kString, 100, "Host");
    EXPECT_TRUE(bar.InsertMenu(0, kByPosition, 7800, "first"));
    EXPECT_TRUE(bar.InsertMenu(99, kByPosition, 7801, "past the end"));
    bar.AppendMenu(kSeparator);

    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(bar.InsertMenu(1, kByPosition | kPopup, reinterpret_cast<std::uintptr_t>(popup.GetSafeHmenu()), "Sub"));
    popup.InsertMenu(5, kByPosition, 7802, "a");
    popup.InsertMenu(5, kByPosition, 7803, "b");
    HMENU sub = popup.Detach();
    EXPECT_EQ(popup.GetSafeHmenu(), nullptr);

    ASSERT_EQ(bar.GetMenuItemCount(), 5);
    EXPECT_EQ(bar.GetMenuString(0), "first");
    EXPECT_EQ(bar.GetMenuItemID(0), 7800u);
    EXPECT_EQ(bar.GetItemKind(1), Kind::Popup);
    EXPECT_EQ(bar.GetMenuItemID(1), 0xFFFFFFFFu);
    EXPECT_EQ(bar.GetMenuString(1), "Sub");
    EXPECT_EQ(bar.GetSubMenu(1), sub);
    EXPECT_EQ(bar.GetMenuString(2), "Host");
    EXPECT_EQ(bar.GetMenuItemID(3), 7801u);
    EXPECT_EQ(bar.GetItemKind(4), Kind::Separator);
    EXPECT_EQ(bar.GetMenuItemID(4), 0u);
    EXPECT_EQ(bar.GetItemKind(5), Kind::None);
    EXPECT_EQ(bar.GetSubMenu(0), nullptr);

    CMenu view(sub);
    ASSERT_EQ(view.GetMenuItemCount(), 2);
    EXPECT_EQ(view.GetMenuString(0), "a");
    EXPECT_EQ(view.GetMenuString(1), "b");
    view.Detach();

    EXPECT_TRUE(bar.DestroyMenu());  // takes the popup with it
    EXPECT_EQ(bar.GetMenuItemCount(), -1);
    EXPECT_FALSE(bar.DestroyMenu());
}

TEST(UiMenu, KeepsChineseLabels) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    bar.AppendMenu(kString, 1, Big5("(1001)台股報價"));
    EXPECT_EQ(Utf8(bar.GetMenuString(0)), "(1001)台股報價");
    bar.DestroyMenu();
}

}  // namespace
}  // namespace orv::test
