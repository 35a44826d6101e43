// What a host reads off its toolbar window through the public headers: the buttons by position,
// the boxes by kind, the code page and the platform's paths.
#include <string>

#include "ToolBarFixture.h"
#include "orvmenu/CodePage.h"
#include "orvmenu/ToolBarBox.h"
#include "toolbar/ToolBarImpl.h"

namespace orv::test {
namespace {

const std::string kGroups = "<NODE NAME=\"G\" TYPE=\"GROUP\">"
                            "<NODE NAME=\"a\" TRCODE=\"8000\" STYLE=\"CHECK\"/><NODE NAME=\"tr\" TYPE=\"TREDIT\"/>"
                            "<NODE NAME=\"url\" TYPE=\"URLEDIT\"/><NODE NAME=\"code\" TYPE=\"CODECOMBO\"/></NODE>"
                            "<NODE NAME=\"H\" TYPE=\"GROUP\"><NODE NAME=\"tr2\" TYPE=\"TREDIT\"/></NODE>";

class ToolBarHostApiTest : public ToolBarTest {
protected:
    COrvToolBarImpl& Impl() { return *dynamic_cast<COrvToolBarImpl*>(toolBar); }
};

TEST_F(ToolBarHostApiTest, ButtonsReadBackAsTheControlHoldsThem) {
    LoadToolBar(kGroups);
    ASSERT_EQ(bar.GetCount(), ButtonCount());
    ASSERT_GT(bar.GetCount(), 1);
    for (int i = 0; i < bar.GetCount(); ++i) {
        unsigned id = 0, style = 0;
        int image = 0;
        ASSERT_TRUE(bar.GetButtonInfo(i, id, style, image));
        const orv::ui::TbButton raw = Button(i);
        EXPECT_EQ(id, static_cast<unsigned>(raw.idCommand));
        EXPECT_EQ(style & 0xFFu, raw.fsStyle);
        EXPECT_EQ((style & CToolBar::kTbbsHidden) != 0, (raw.fsState & orv::ui::kTbstateHidden) != 0);
        EXPECT_EQ((style & CToolBar::kTbbsDisabled) != 0, (raw.fsState & orv::ui::kTbstateEnabled) == 0);
        EXPECT_EQ(image, raw.iBitmap);
        int left = 0, top = 0, right = 0, bottom = 0;
        const bool hidden = (raw.fsState & orv::ui::kTbstateHidden) != 0;
        EXPECT_EQ(bar.GetItemRect(i, left, top, right, bottom), !hidden);  // the screen box's place is hidden
        EXPECT_EQ((CRect{left, top, right, bottom}), hidden ? CRect{} : ItemRect(i));
    }
    // The checked button's style says so, as the framework's style word does.
    unsigned id = 0, style = 0;
    int image = 0;
    ASSERT_TRUE(bar.GetButtonInfo(0, id, style, image));
    EXPECT_EQ(id, Item("a")->id);
    EXPECT_EQ(style & 0xFFu, unsigned{CToolBar::kTbbsCheckBox});
    // What SetButtonInfo writes reads back the same.
    ASSERT_TRUE(bar.SetButtonInfo(0, 4242, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden, 17));
    ASSERT_TRUE(bar.GetButtonInfo(0, id, style, image));
    EXPECT_EQ(id, 4242u);
    EXPECT_EQ(style, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden);
    EXPECT_EQ(image, 17);

    // No such button: false, and nothing left over from before.
    int left = 1, top = 1, right = 1, bottom = 1;
    EXPECT_FALSE(bar.GetButtonInfo(bar.GetCount(), id, style, image));
    EXPECT_EQ(id + style + static_cast<unsigned>(image), 0u);
    EXPECT_FALSE(bar.GetItemRect(-1, left, top, right, bottom));
    EXPECT_EQ(left + top + right + bottom, 0);
    CToolBar unmade;
    EXPECT_EQ(unmade.GetCount(), 0);
    EXPECT_FALSE(unmade.GetButtonInfo(0, id, style, image));
    EXPECT_EQ(unmade.GetBox(CToolBar::Box::Screen), nullptr);
}

TEST_F(ToolBarHostApiTest, BoxesAreFoundByKindAndFollowTheShownGroup) {
    LoadToolBar(kGroups);
    HWND screen = bar.GetBox(CToolBar::Box::Screen);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen, Impl().GetTrCombo()->GetSafeHwnd());
    EXPECT_EQ(bar.GetBox(CToolBar::Box::Address), Impl().GetUrlCombo()->GetSafeHwnd());
    EXPECT_EQ(bar.GetBox(CToolBar::Box::Code), Impl().GetCodeCombo()->GetSafeHwnd());
    EXPECT_EQ(bar.GetBox(CToolBar::Box::Account), nullptr);  // not asked for: a button stands there

    // The view reads and sets the box as the box itself answers.
    CToolBarBox box(screen);
    toolBar->AddRecentScreen(menu->GetMenuByTRCode("8000"));
    ASSERT_EQ(box.GetCount(), 1);
    EXPECT_EQ(box.GetEntry(0), Impl().GetTrCombo()->GetLBText(0));
    EXPECT_EQ(box.GetEntry(5), "");
    box.SetText("89");
    EXPECT_EQ(box.GetText(), "89");
    EXPECT_TRUE(mainWnd->Messages().empty());  // setting the field opens nothing
    box.SetText("");
    EXPECT_EQ(box.GetText(), "");
    int left = 0, top = 0, right = 0, bottom = 0;
    ASSERT_TRUE(box.GetRect(left, top, right, bottom));
    EXPECT_EQ((CRect{left, top, right, bottom}), Impl().GetTrCombo()->GetWindowRect());
    box.SetFocus();
    EXPECT_TRUE(Impl().GetTrCombo()->HasFocus());

    // Another group with a screen-number box replaces it; the address box stays.
    toolBar->SelectGroup(Item("H"));
    ASSERT_NE(bar.GetBox(CToolBar::Box::Screen), nullptr);
    EXPECT_EQ(bar.GetBox(CToolBar::Box::Screen), Impl().GetTrCombo()->GetSafeHwnd());
    EXPECT_EQ(bar.GetBox(CToolBar::Box::Address), Impl().GetUrlCombo()->GetSafeHwnd());

    // Once the component is gone, so are its boxes.
    DestroyOrvToolBar(toolBar);
    toolBar = nullptr;
    for (const auto kind : {CToolBar::Box::Screen, CToolBar::Box::Address, CToolBar::Box::Code}) {
        EXPECT_EQ(bar.GetBox(kind), nullptr);
    }
    EXPECT_EQ(CToolBarBox().GetCount(), 0);
    EXPECT_EQ(CToolBarBox().GetText(), "");
}

TEST(HostTextAndPaths, CodePageAndPlatformPaths) {
    const std::string name = "\xE5\xA0\xB1\xE5\x83\xB9";  // 報價 in UTF-8
    const std::string big5 = orv::cp950::FromUtf8(name);
    EXPECT_EQ(big5, "\xB3\xF8\xBB\xF9");
    EXPECT_EQ(orv::cp950::ToUtf8(big5), name);
    EXPECT_EQ(orv::cp950::ToUtf16(big5), u"\u5831\u50F9");
    EXPECT_EQ(orv::cp950::FromUtf16(std::u16string(u"\u5831\u50F9")), big5);
    EXPECT_EQ(orv::cp950::FromUtf8("\xF0\x9F\x98\x80"), "?");  // not in the code page
#ifdef _WIN32
    EXPECT_EQ(orv::file::NativePath("C:/Data\\User/ToolBar.xml"), "C:\\Data\\User\\ToolBar.xml");
#else
    EXPECT_EQ(orv::file::NativePath("/data\\User/ToolBar.xml"), "/data/User/ToolBar.xml");
#endif
}

}  // namespace
}  // namespace orv::test
