// The toolbar window and the tooltip control, as the toolbar component drives them. The same
// checks run against the real controls on Windows and the headless ones on Linux: each number
// here was read off the real control first.
#include "TestSupport.h"

#include <sstream>
#include <string>
#include <vector>

#include "orvmenu/ToolBar.h"
#include "orvmenu/HostWindow.h"
#include "ui/ImageList.h"
#include "testsupport/Handles.h"
#include "ui/ToolBarControl.h"
#include "ui/ToolTip.h"
#include "ui/Window.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {
namespace {

using orv::ui::TbButton;

TbButton Button(int image, int id, std::uint8_t style, std::uint8_t state = orv::ui::kTbstateEnabled) {
    TbButton b;
    b.iBitmap = image;
    b.idCommand = id;
    b.fsState = state;
    b.fsStyle = style;
    b.iString = -1;
    return b;
}

std::intptr_t Ptr(const void* p) { return reinterpret_cast<std::intptr_t>(p); }

bool AddButtons(CToolBar& bar, const std::vector<TbButton>& buttons) {
    return bar.SendMessage(orv::ui::kTbAddButtonsA, buttons.size(), Ptr(buttons.data())) != 0;
}

// Every button's rectangle in one line, "-" for a button that has none.
std::string Rects(CToolBar& bar) {
    std::ostringstream out;
    const std::intptr_t count = bar.SendMessage(orv::ui::kTbButtonCount);
    for (std::intptr_t i = 0; i < count; ++i) {
        CRect r{-1, -1, -1, -1};
        if (i != 0) out << ' ';
        if (bar.SendMessage(orv::ui::kTbGetItemRect, static_cast<std::uintptr_t>(i), Ptr(&r)) == 0) {
            // A button without a rectangle leaves the caller's untouched.
            out << (r == CRect{-1, -1, -1, -1} ? "-" : "changed");
        } else {
            out << '[' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ']';
        }
    }
    return out.str();
}

HIMAGELIST SetImageList(CToolBar& bar, const CImageList* list) {
    return reinterpret_cast<HIMAGELIST>(
        bar.SendMessage(orv::ui::kTbSetImageList, 0, Ptr(list != nullptr ? list->GetSafeHandle() : nullptr)));
}

class UiToolBarTest : public OrvTest {
protected:
    orv::test::RecordingWindow host{"main"};
};

TEST_F(UiToolBarTest, EmptyBarAnswersAsTheControl) {
    CToolBar bar;
    EXPECT_FALSE(bar.Create(nullptr));
    ASSERT_TRUE(bar.Create(host.GetHwnd()));
    EXPECT_FALSE(bar.Create(host.GetHwnd()));  // one window per object
    EXPECT_EQ(orv::ui::GetRootOwner(bar.GetSafeHwnd()), host.GetHwnd());

    EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbDeleteButton, 0), 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbDeleteButton, 5), 0);
    TbButton untouched = Button(-7, 42, 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetButton, 0, Ptr(&untouched)), 0);
    EXPECT_EQ(untouched.iBitmap, -7);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetToolTips), 0);
    EXPECT_EQ(SetImageList(bar, nullptr), nullptr);

    // The extended style is kept as given and the previous one returned.
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, orv::ui::kTbstyleExDrawDDArrows), 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, 0), 1);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, 0x11), 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetExtendedStyle), 0x11);

    orv::ui::ColorScheme scheme;
    scheme.clrBtnHighlight = orv::Rgb(158, 158, 214);
    scheme.clrBtnShadow = orv::Rgb(158, 158, 214);
    EXPECT_EQ(bar.SendMessage(orv::ui::kCcmSetColorScheme, 0, Ptr(&scheme)), 0);
    orv::ui::ColorScheme read;
    EXPECT_NE(bar.SendMessage(orv::ui::kCcmGetColorScheme, 0, Ptr(&read)), 0);
    EXPECT_EQ(read.clrBtnHighlight, scheme.clrBtnHighlight);
    EXPECT_EQ(read.clrBtnShadow, scheme.clrBtnShadow);

    EXPECT_TRUE(bar.DestroyWindow());
    EXPECT_FALSE(bar.DestroyWindow());
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 0);  // no window, no answer
}

TEST_F(UiToolBarTest, ButtonsAreSizedByTheImageListAndSitSideBySide) {
    CImageList big, small, tiny;
    ASSERT_TRUE(big.Create(40, 24, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    ASSERT_TRUE(small.Create(16, 16, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    ASSERT_TRUE(tiny.Create(10, 10, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    {
        // The component's order: buttons first, then the list.
        CToolBar bar;
        ASSERT_TRUE(bar.Create(host.GetHwnd()));
        ASSERT_TRUE(AddButtons(bar, {Button(0, 100, 0), Button(1, 101, 0), Button(0, 0, orv::ui::kTbstyleSep),
                                     Button(2, 102, orv::ui::kTbstyleCheck), Button(3, 103, orv::ui::kTbstyleGroup),
                                     Button(4, 104, orv::ui::kTbstyleCheckGroup),
                                     Button(5, 105, 0, orv::ui::kTbstateEnabled | orv::ui::kTbstateHidden),
                                     Button(6, 106, 0)}));
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 8);
        // No list yet: 23x22 buttons two pixels down; separators 8 wide; hidden ones take no room.
        EXPECT_EQ(Rects(bar), "[0,2,23,24] [23,2,46,24] [46,2,54,24] [54,2,77,24] [77,2,100,24] "
                              "[100,2,123,24] - [123,2,146,24]");
        EXPECT_EQ(SetImageList(bar, &big), nullptr);
        // Image plus 7 by image plus 6, from the top once the size changed.
        EXPECT_EQ(Rects(bar), "[0,0,47,30] [47,0,94,30] [94,0,102,30] [102,0,149,30] [149,0,196,30] "
                              "[196,0,243,30] - [243,0,290,30]");
        // A smaller list: the height follows, the buttons never get narrower.
        EXPECT_EQ(SetImageList(bar, &small), big.GetSafeHandle());
        EXPECT_EQ(Rects(bar), "[0,0,47,22] [47,0,94,22] [94,0,102,22] [102,0,149,22] [149,0,196,22] "
                              "[196,0,243,22] - [243,0,290,22]");
        // No list counts as 1x1 images.
        EXPECT_EQ(SetImageList(bar, nullptr), small.GetSafeHandle());
        EXPECT_EQ(Rects(bar), "[0,0,47,7] [47,0,94,7] [94,0,102,7] [102,0,149,7] [149,0,196,7] "
                              "[196,0,243,7] - [243,0,290,7]");
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetImageList), 0);

        // Past the end there is neither a button nor a rectangle.
        TbButton untouched = Button(-7, 0, 0);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetButton, 8, Ptr(&untouched)), 0);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetButton, static_cast<std::uintptr_t>(-1), Ptr(&untouched)), 0);
        EXPECT_EQ(untouched.iBitmap, -7);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbDeleteButton, 8), 0);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbDeleteButton, static_cast<std::uintptr_t>(-1)), 0);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbDeleteButton, 0), 1);
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 7);
        // The buttons after it close up at once.
        EXPECT_EQ(Rects(bar), "[0,0,47,7] [47,0,55,7] [55,0,102,7] [102,0,149,7] [149,0,196,7] - [196,0,243,7]");
        TbButton first;
        EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetButton, 0, Ptr(&first)), 1);
        EXPECT_EQ(first.idCommand, 101);
        EXPECT_EQ(first.iBitmap, 1);
        EXPECT_EQ(first.fsState, orv::ui::kTbstateEnabled);
        EXPECT_EQ(first.iString, -1);
        EXPECT_TRUE(bar.DestroyWindow());
    }
    {
        // A 16x16 list makes 23x22 buttons, the size they had: they stay two pixels down.
        CToolBar bar;
        ASSERT_TRUE(bar.Create(host.GetHwnd()));
        EXPECT_EQ(SetImageList(bar, &small), nullptr);
        ASSERT_TRUE(AddButtons(bar, {Button(0, 100, 0), Button(0, 0, orv::ui::kTbstyleSep), Button(1, 101, 0)}));
        EXPECT_EQ(Rects(bar), "[0,2,23,24] [23,2,31,24] [31,2,54,24]");
        EXPECT_EQ(SetImageList(bar, &tiny), small.GetSafeHandle());
        EXPECT_EQ(Rects(bar), "[0,0,23,16] [23,0,31,16] [31,0,54,16]");
        EXPECT_EQ(SetImageList(bar, &small), tiny.GetSafeHandle());
        EXPECT_EQ(Rects(bar), "[0,0,23,22] [23,0,31,22] [31,0,54,22]");
        EXPECT_TRUE(bar.DestroyWindow());
    }
}

TEST_F(UiToolBarTest, SeparatorsTakeTheirWidthAndDropDownsTheirArrow) {
    CImageList list;
    ASSERT_TRUE(list.Create(40, 24, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    CToolBar bar;
    ASSERT_TRUE(bar.Create(host.GetHwnd()));
    ASSERT_TRUE(AddButtons(bar, {Button(0, 100, orv::ui::kBtnsDropDown), Button(1, 101, orv::ui::kBtnsWholeDropDown),
                                 Button(-5, 0, orv::ui::kTbstyleSep), Button(3, 0, orv::ui::kTbstyleSep),
                                 Button(2, 102, 0)}));
    SetImageList(bar, &list);
    // Without the drawn arrows only a whole drop-down button has one (11 pixels); a separator
    // without a positive width is 8 wide.
    EXPECT_EQ(Rects(bar), "[0,0,47,30] [47,0,105,30] [105,0,113,30] [113,0,116,30] [116,0,163,30]");
    bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, orv::ui::kTbstyleExDrawDDArrows);
    EXPECT_EQ(Rects(bar), "[0,0,58,30] [58,0,116,30] [116,0,124,30] [124,0,127,30] [127,0,174,30]");
    EXPECT_TRUE(bar.DestroyWindow());
}

TEST_F(UiToolBarTest, SetButtonInfoTurnsButtonsIntoPlaceholders) {
    CImageList list;
    ASSERT_TRUE(list.Create(40, 24, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    CToolBar bar;
    ASSERT_TRUE(bar.Create(host.GetHwnd()));
    // As the component builds the bar.
    bar.SendMessage(orv::ui::kTbSetExtendedStyle, 0, orv::ui::kTbstyleExDrawDDArrows);
    bar.SendMessage(orv::ui::kTbDeleteButton, 0);
    std::vector<TbButton> buttons;
    for (int i = 0; i < 6; ++i) buttons.push_back(Button(i, 9900 + i, 0));
    ASSERT_TRUE(AddButtons(bar, buttons));
    SetImageList(bar, &list);

    const int group = 9950;
    ASSERT_TRUE(bar.SetButtonInfo(1, group, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden, 70));
    ASSERT_TRUE(bar.SetButtonInfo(2, group, CToolBar::kTbbsSeparator, 250));
    ASSERT_TRUE(bar.SetButtonInfo(3, group, CToolBar::kTbbsSeparator, 600));
    ASSERT_TRUE(bar.SetButtonInfo(4, group, CToolBar::kTbbsSeparator, 70));
    EXPECT_FALSE(bar.SetButtonInfo(6, group, CToolBar::kTbbsSeparator, 70));
    EXPECT_FALSE(bar.SetButtonInfo(-1, group, CToolBar::kTbbsSeparator, 70));
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 6);

    struct Expected {
        int image, id;
        std::uint8_t state, style;
    };
    const Expected expected[] = {
        {0, 9900, 0x04, 0x00}, {70, group, 0x0C, 0x01}, {250, group, 0x04, 0x01},
        {600, group, 0x04, 0x01}, {70, group, 0x04, 0x01}, {5, 9905, 0x04, 0x00},
    };
    for (std::uintptr_t i = 0; i < 6; ++i) {
        TbButton b;
        ASSERT_EQ(bar.SendMessage(orv::ui::kTbGetButton, i, Ptr(&b)), 1);
        EXPECT_EQ(b.iBitmap, expected[i].image) << "button " << i;
        EXPECT_EQ(b.idCommand, expected[i].id) << "button " << i;
        EXPECT_EQ(b.fsState, expected[i].state) << "button " << i;
        EXPECT_EQ(b.fsStyle, expected[i].style) << "button " << i;
        EXPECT_EQ(b.iString, -1) << "button " << i;
    }
    // The hidden placeholder has no rectangle: the component's zeroed rectangle stays zero.
    EXPECT_EQ(Rects(bar), "[0,0,47,30] - [47,0,297,30] [297,0,897,30] [897,0,967,30] [967,0,1014,30]");
    CRect zero;
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbGetItemRect, 1, Ptr(&zero)), 0);
    EXPECT_EQ(zero, CRect{});

    // The same info again changes nothing; a button comes back the same way.
    EXPECT_TRUE(bar.SetButtonInfo(2, group, CToolBar::kTbbsSeparator, 250));
    ASSERT_TRUE(bar.SetButtonInfo(1, 9901, 0, 1));
    EXPECT_EQ(Rects(bar), "[0,0,47,30] [47,0,94,30] [94,0,344,30] [344,0,944,30] [944,0,1014,30] [1014,0,1061,30]");
    EXPECT_TRUE(bar.DestroyWindow());
    EXPECT_FALSE(bar.SetButtonInfo(0, group, CToolBar::kTbbsSeparator, 70));
}

TEST_F(UiToolBarTest, ToolTipHoldsOneToolPerButtonAndGoesWithTheBar) {
    CImageList list;
    ASSERT_TRUE(list.Create(40, 24, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    CToolBar bar;
    ASSERT_TRUE(bar.Create(host.GetHwnd()));
    ASSERT_TRUE(AddButtons(bar, {Button(0, 9900, 0), Button(1, 9901, 0), Button(2, 9902, 0)}));
    SetImageList(bar, &list);

    CToolTipCtrl tip;
    EXPECT_FALSE(tip.AddTool(bar.GetSafeHwnd(), "x", {}, 1));  // no window yet
    EXPECT_FALSE(tip.RemoveTools());
    ASSERT_TRUE(tip.Create(bar.GetSafeHwnd(), orv::ui::kTtsAlwaysTip | orv::ui::kTtsNoPrefix));
    // A popup's owner is the top-level window of the bar.
    EXPECT_EQ(orv::ui::GetRootOwner(tip.GetSafeHwnd()), host.GetHwnd());

    const std::vector<std::string> texts = {Big5("個股報價"), "[8930] Y", ""};
    std::vector<CToolTipCtrl::Tool> expected;
    for (std::uintptr_t i = 0; i < 3; ++i) {
        CRect rect;
        ASSERT_EQ(bar.SendMessage(orv::ui::kTbGetItemRect, i, Ptr(&rect)), 1);
        EXPECT_TRUE(tip.AddTool(bar.GetSafeHwnd(), texts[i], rect, 9900 + i));
        expected.push_back({bar.GetSafeHwnd(), 9900 + i, rect, texts[i]});
    }
    // The control keeps a second tool with an identifier it already has.
    EXPECT_TRUE(tip.AddTool(bar.GetSafeHwnd(), "again", {1, 2, 3, 4}, 9900));
    expected.push_back({bar.GetSafeHwnd(), 9900, {1, 2, 3, 4}, "again"});
    EXPECT_EQ(tip.GetTools(), expected);
    EXPECT_TRUE(tip.Activate(true));

    EXPECT_EQ(bar.SendMessage(orv::ui::kTbSetToolTips, reinterpret_cast<std::uintptr_t>(tip.GetSafeHwnd())), 0);
    const auto held = reinterpret_cast<HWND>(bar.SendMessage(orv::ui::kTbGetToolTips));
    EXPECT_EQ(held, tip.GetSafeHwnd());
    EXPECT_EQ(CToolTipCtrl::ToolsOf(held), expected);

    // Emptied, it stays the bar's tooltip; both tools of the repeated identifier go.
    EXPECT_TRUE(tip.RemoveTools());
    EXPECT_TRUE(tip.GetTools().empty());
    EXPECT_EQ(reinterpret_cast<HWND>(bar.SendMessage(orv::ui::kTbGetToolTips)), held);
    EXPECT_TRUE(tip.AddTool(bar.GetSafeHwnd(), "again", {1, 2, 3, 4}, 9900));
    EXPECT_EQ(tip.GetTools().size(), 1u);

    // The bar destroys the tooltip it holds.
    const HWND tipWnd = tip.GetSafeHwnd();
    EXPECT_TRUE(bar.DestroyWindow());
    EXPECT_EQ(orv::ui::GetRootOwner(tipWnd), nullptr);
    EXPECT_TRUE(tip.GetTools().empty());
    EXPECT_FALSE(tip.AddTool(host.GetHwnd(), "late", {}, 1));
    EXPECT_FALSE(tip.DestroyWindow());
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
}

TEST_F(UiToolBarTest, ThousandBarsWithToolTipsLeaveNoHandles) {
    CImageList list;
    ASSERT_TRUE(list.Create(40, 24, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    const orv::test::HandleCounts before = orv::test::CountHandles();
    HWND lastBar = nullptr;
    HWND lastTip = nullptr;
    for (int round = 0; round < 1000; ++round) {
        CToolBar bar;
        ASSERT_TRUE(bar.Create(host.GetHwnd()));
        std::vector<TbButton> buttons;
        for (int i = 0; i < 5; ++i) buttons.push_back(Button(i, 9900 + i, 0));
        ASSERT_TRUE(AddButtons(bar, buttons));
        SetImageList(bar, &list);
        ASSERT_TRUE(bar.SetButtonInfo(2, 9950, CToolBar::kTbbsSeparator, 250));
        CToolTipCtrl tip;
        ASSERT_TRUE(tip.Create(bar.GetSafeHwnd(), orv::ui::kTtsAlwaysTip | orv::ui::kTtsNoPrefix));
        for (std::uintptr_t i = 0; i < 5; ++i) {
            CRect rect;
            bar.SendMessage(orv::ui::kTbGetItemRect, i, Ptr(&rect));
            ASSERT_TRUE(tip.AddTool(bar.GetSafeHwnd(), "tool", rect, 9900 + i));
        }
        bar.SendMessage(orv::ui::kTbSetToolTips, reinterpret_cast<std::uintptr_t>(tip.GetSafeHwnd()));
        lastBar = bar.GetSafeHwnd();
        lastTip = tip.GetSafeHwnd();
        // Either order: the tooltip first (as the component does) or the bar taking it along.
        if (round % 2 == 0) {
            ASSERT_TRUE(tip.DestroyWindow());
        }
        ASSERT_TRUE(bar.DestroyWindow());
    }
    EXPECT_EQ(orv::test::CountHandles(), before);
    EXPECT_EQ(orv::ui::GetRootOwner(lastBar), nullptr);
    EXPECT_EQ(orv::ui::GetRootOwner(lastTip), nullptr);
}

}  // namespace
}  // namespace orv::test
