// The headless toolbar window: the buttons, image list and tooltip a real toolbar control
// holds, answering the component's messages as the control does. Every rule below was measured
// on the real control under 64-bit Wine; the marker beside each names the test that measures it
// on both back ends (a click: tests/toolbar_click_test.cpp).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "orvmenu/ToolBar.h"
#include "ui/Gdi.h"
#include "ui/ImageList.h"
#include "ui/ToolBarControl.h"
#include "ui/Window.h"
#include "ui/headless/HeadlessSystem.h"

namespace {

using orv::ui::TbButton;

constexpr char kToolBarClass[] = "ToolbarWindow32";
// Set on a tooltip window handed over with TB_SETTOOLTIPS: the toolbar it belongs to, so the
// toolbar destroys that tooltip and never a later window that happens to reuse its address.
constexpr char kToolTipOwnerProp[] = "orv.toolbar.tooltips";

// Sizes of the control before any image list: 16x15 images in 23x22 buttons, two pixels from
// the top until the button size first changes.
// measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.EmptyBarAnswersAsTheControl
constexpr int kDefaultButtonWidth = 23;
constexpr int kDefaultButtonHeight = 22;
constexpr int kDefaultTopMargin = 2;
// A button is its image plus this much; a list that is not there counts as 1x1 images.
// measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.ButtonsAreSizedByTheImageListAndSitSideBySide
constexpr int kButtonPadWidth = 7;
constexpr int kButtonPadHeight = 6;
// A separator whose width (its image field) is not positive.
// measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.SeparatorsTakeTheirWidthAndDropDownsTheirArrow
constexpr int kSeparatorWidth = 8;
// The arrow of a drop-down button.
// measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.SeparatorsTakeTheirWidthAndDropDownsTheirArrow
constexpr int kDropDownArrowWidth = 11;

struct ToolBarState {
    HWND self = nullptr;
    std::vector<TbButton> buttons;
    HIMAGELIST imageList = nullptr;
    std::uintptr_t exStyle = 0;
    HWND toolTips = nullptr;
    orv::ui::ColorScheme colors{0, 0xFFFFFFFFu, 0xFFFFFFFFu};  // CLR_DEFAULT until set
    // measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.EmptyBarAnswersAsTheControl
    int buttonWidth = kDefaultButtonWidth;
    int buttonHeight = kDefaultButtonHeight;
    int top = kDefaultTopMargin;
    // Where each button begins, laid out again after a change as the control lays itself out
    // then, so that reading a rectangle does not walk the buttons before it.
    mutable std::vector<int> lefts;
    mutable bool laidOut = false;
    // The button a press went down on, by position and command, until the release.
    std::ptrdiff_t pressed = -1;
    std::int32_t pressedId = 0;

    void Changed() { laidOut = false; }

    void LayOut() const {
        if (laidOut) return;
        lefts.resize(buttons.size());
        int x = 0;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            lefts[i] = x;
            if ((buttons[i].fsState & orv::ui::kTbstateHidden) == 0) x += WidthOf(buttons[i]);
        }
        laidOut = true;
    }

    bool Valid(std::uintptr_t index) const { return index < buttons.size(); }

    int WidthOf(const TbButton& b) const {
        if ((b.fsStyle & orv::ui::kTbstyleSep) != 0) return b.iBitmap > 0 ? b.iBitmap : kSeparatorWidth;
        const bool arrow = (b.fsStyle & orv::ui::kBtnsWholeDropDown) != 0 ||
                           ((b.fsStyle & orv::ui::kBtnsDropDown) != 0 &&
                            (exStyle & orv::ui::kTbstyleExDrawDDArrows) != 0);
        return buttonWidth + (arrow ? kDropDownArrowWidth : 0);
    }

    // Buttons sit side by side from x = 0; hidden ones take no room and have no rectangle.
    // measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.SetButtonInfoTurnsButtonsIntoPlaceholders
    bool ItemRect(std::uintptr_t index, CRect& rect) const {
        if (!Valid(index) || (buttons[index].fsState & orv::ui::kTbstateHidden) != 0) return false;
        LayOut();
        const int x = lefts[index];
        rect = {x, top, x + WidthOf(buttons[index]), top + buttonHeight};
        return true;
    }

    // The button whose rectangle holds a client point, or -1.
    std::ptrdiff_t HitTest(LPARAM point) const {
        const auto x = static_cast<std::int16_t>(point & 0xFFFF);
        const auto y = static_cast<std::int16_t>((point >> 16) & 0xFFFF);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            CRect rect;
            if (ItemRect(i, rect) && x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
        return -1;
    }

    // A click is a press and a release over one button; the parent gets WM_COMMAND with the
    // button's command and the toolbar's handle on the release. A press on a separator, a
    // disabled button or a drop-down part (which asks the parent for its menu instead) makes
    // no click, nor does a release over another button. The notifications the control also
    // sends its parent (WM_NOTIFY) are not made here: nothing above the toolkit reads them.
    // measured: 64-bit Wine, ToolBarClick.TheControlCommandsOnReleaseOverThePressedButton
    void Press(LPARAM point) {
        pressed = -1;
        const std::ptrdiff_t hit = HitTest(point);
        if (hit < 0) return;
        const TbButton& b = buttons[static_cast<std::size_t>(hit)];
        if ((b.fsStyle & orv::ui::kTbstyleSep) != 0 || (b.fsState & orv::ui::kTbstateEnabled) == 0) return;
        if ((b.fsStyle & orv::ui::kBtnsWholeDropDown) != 0) return;
        if ((b.fsStyle & orv::ui::kBtnsDropDown) != 0 && (exStyle & orv::ui::kTbstyleExDrawDDArrows) != 0) {
            CRect rect;
            ItemRect(static_cast<std::uintptr_t>(hit), rect);
            const auto x = static_cast<std::int16_t>(point & 0xFFFF);
            if (x >= rect.right - kDropDownArrowWidth) return;
        }
        pressed = hit;
        pressedId = b.idCommand;
    }

    void Release(LPARAM point) {
        const std::ptrdiff_t down = pressed;
        pressed = -1;
        if (down < 0 || HitTest(point) != down || buttons[static_cast<std::size_t>(down)].idCommand != pressedId) return;
        Check(static_cast<std::size_t>(down));
        const auto command = static_cast<WPARAM>(static_cast<std::uint32_t>(pressedId) & 0xFFFFu);
        orv::ui::SendMessage(self->parent, orv::kWmCommand, command, reinterpret_cast<LPARAM>(self));
    }

    // A click flips a check button's check; in a check group it checks the button and takes
    // the check from the group's other buttons (its neighbours with the group style), so a
    // checked one stays checked. The parent hears of the click after the change.
    // measured: 64-bit Wine, ToolBarClick.TheControlCommandsOnReleaseOverThePressedButton
    void Check(std::size_t at) {
        using orv::ui::kTbstateChecked;
        TbButton& b = buttons[at];
        if ((b.fsStyle & orv::ui::kTbstyleCheck) == 0) return;
        if ((b.fsStyle & orv::ui::kTbstyleGroup) == 0) {
            b.fsState = static_cast<std::uint8_t>(b.fsState ^ kTbstateChecked);
            return;
        }
        auto uncheck = [](TbButton& other) { other.fsState = static_cast<std::uint8_t>(other.fsState & ~kTbstateChecked); };
        for (std::size_t i = at; i > 0 && (buttons[i - 1].fsStyle & orv::ui::kTbstyleGroup) != 0; --i) uncheck(buttons[i - 1]);
        for (std::size_t i = at + 1; i < buttons.size() && (buttons[i].fsStyle & orv::ui::kTbstyleGroup) != 0; ++i) {
            uncheck(buttons[i]);
        }
        b.fsState = static_cast<std::uint8_t>(b.fsState | kTbstateChecked);
    }

    std::intptr_t SetImageList(HIMAGELIST list) {
        HIMAGELIST previous = imageList;
        imageList = list;
        int cx = 1;
        int cy = 1;
        if (list == nullptr || !CImageList::GetIconSize(list, cx, cy)) cx = cy = 1;
        // Buttons never get narrower; their height follows the images.
        // measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.ButtonsAreSizedByTheImageListAndSitSideBySide
        const int width = std::max(buttonWidth, cx + kButtonPadWidth);
        const int height = cy + kButtonPadHeight;
        if (width != buttonWidth || height != buttonHeight) top = 0;
        buttonWidth = width;
        buttonHeight = height;
        Changed();
        return reinterpret_cast<std::intptr_t>(previous);
    }

    std::intptr_t Insert(std::uintptr_t index, const TbButton* button) {
        if (button == nullptr) return 0;
        // Past the end (or -1) appends.
        // measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.SetButtonInfoTurnsButtonsIntoPlaceholders
        const std::size_t at = std::min<std::uintptr_t>(index, buttons.size());
        buttons.insert(buttons.begin() + static_cast<std::ptrdiff_t>(at), *button);
        Changed();
        return 1;
    }

    LRESULT Handle(unsigned message, WPARAM wParam, LPARAM lParam) {
        using namespace orv::ui;
        switch (message) {
        case kTbButtonCount:
            return static_cast<std::intptr_t>(buttons.size());
        case kTbAddButtonsA: {
            const auto* added = reinterpret_cast<const TbButton*>(lParam);
            if (added == nullptr) return 0;
            buttons.insert(buttons.end(), added, added + wParam);
            Changed();
            return 1;
        }
        case kTbInsertButtonA:
            return Insert(wParam, reinterpret_cast<const TbButton*>(lParam));
        case kTbDeleteButton:
            if (!Valid(wParam)) return 0;
            buttons.erase(buttons.begin() + static_cast<std::ptrdiff_t>(wParam));
            Changed();
            return 1;
        case kTbGetButton: {
            auto* out = reinterpret_cast<TbButton*>(lParam);
            if (!Valid(wParam) || out == nullptr) return 0;
            *out = buttons[wParam];
            return 1;
        }
        case kTbGetItemRect: {
            auto* out = reinterpret_cast<CRect*>(lParam);
            CRect rect;
            if (out == nullptr || !ItemRect(wParam, rect)) return 0;
            *out = rect;
            return 1;
        }
        case kTbSetImageList:
            return SetImageList(reinterpret_cast<HIMAGELIST>(lParam));
        case kTbGetImageList:
            return reinterpret_cast<std::intptr_t>(imageList);
        case kTbSetExtendedStyle: {
            const std::uintptr_t previous = exStyle;
            exStyle = static_cast<std::uintptr_t>(lParam);
            Changed();
            return static_cast<std::intptr_t>(previous);
        }
        case kTbGetExtendedStyle:
            return static_cast<std::intptr_t>(exStyle);
        case kWmCommand:
            // A child's notification the control does not use goes on to the control's parent.
            // measured: 64-bit Wine, tests/toolbar_boxes_test.cpp
            // ToolBarBoxesTest.TheCodeBoxsNotificationsReachTheHostAndTheOtherBoxesKeepTheirs
            return orv::ui::SendMessage(self->parent, message, wParam, lParam);
        case kWmDestroy:
            // The control destroys the tooltip window it was given.
            // measured: 64-bit Wine, tests/ui_toolbar_test.cpp UiToolBarTest.ToolTipHoldsOneToolPerButtonAndGoesWithTheBar
            if (orv::headless::IsWindow(toolTips)) {
                const auto it = toolTips->props.find(kToolTipOwnerProp);
                if (it != toolTips->props.end() && it->second == self) orv::ui::DestroyWindow(toolTips);
            }
            return 0;
        case kTbSetToolTips: {
            toolTips = reinterpret_cast<HWND>(wParam);
            if (orv::headless::IsWindow(toolTips)) toolTips->props[kToolTipOwnerProp] = self;
            return 0;
        }
        case kTbGetToolTips:
            return reinterpret_cast<std::intptr_t>(toolTips);
        case kCcmSetColorScheme: {
            const auto* scheme = reinterpret_cast<const ColorScheme*>(lParam);
            if (scheme != nullptr) colors = *scheme;
            return 0;
        }
        case kCcmGetColorScheme: {
            auto* out = reinterpret_cast<ColorScheme*>(lParam);
            if (out == nullptr) return 0;
            out->clrBtnHighlight = colors.clrBtnHighlight;
            out->clrBtnShadow = colors.clrBtnShadow;
            return 1;
        }
        case kWmLButtonDown:
            Press(lParam);
            return 0;
        case kWmLButtonUp:
            Release(lParam);
            return 0;
        default:
            return 0;  // TB_BUTTONSTRUCTSIZE, WM_SETFONT and the rest: nothing to keep
        }
    }
};

}  // namespace

bool CToolBar::Create(HWND parent, unsigned id) {
    if (GetSafeHwnd() != nullptr || !orv::headless::IsWindow(parent)) return false;
    auto state = std::make_shared<ToolBarState>();
    HWND wnd = orv::headless::CreateWindow(kToolBarClass, parent, nullptr, id, orv::ui::kWsChild | orv::ui::kWsVisible,
                                           [state](unsigned message, WPARAM wParam, LPARAM lParam) {
                                               return state->Handle(message, wParam, lParam);
                                           });
    state->self = wnd;
    if (Attach(wnd)) return true;
    orv::ui::DestroyWindow(wnd);
    return false;
}
