#include "testsupport/ToolBarView.h"

#include "orvmenu/ToolBar.h"
#include "testsupport/ComboDriver.h"
#include "ui/ComboBox.h"
#include "ui/ToolBarControl.h"
#include "ui/ToolTip.h"

namespace orv::test {

std::vector<ToolBarTip> ToolBarTips(CToolBar& toolBar) {
    std::vector<ToolBarTip> tips;
    if (toolBar.GetSafeHwnd() == nullptr) return tips;
    const auto tipWnd = reinterpret_cast<HWND>(toolBar.SendMessage(orv::ui::kTbGetToolTips));
    if (tipWnd == nullptr) return tips;
    for (const auto& tool : CToolTipCtrl::ToolsOf(tipWnd)) {
        tips.push_back({static_cast<unsigned>(tool.id), tool.text});
    }
    return tips;
}

}  // namespace orv::test

namespace orv::test::combo {
namespace {

// The box's window, borrowed from its owner for one action.
class Borrowed final : public CComboBox {
public:
    explicit Borrowed(HWND wnd) { hwnd_ = wnd; }
    Borrowed(const Borrowed&) = delete;
    Borrowed& operator=(const Borrowed&) = delete;
    ~Borrowed() override { hwnd_ = nullptr; }
};

}  // namespace

void TypeChar(HWND box, char c) {
    if (box == nullptr) return;
    Borrowed view(box);
    TypeChar(view, c);
}

void PressReturn(HWND box) {
    if (box == nullptr) return;
    Borrowed view(box);
    PressReturn(view);
}

void Choose(HWND box, int index) {
    if (box == nullptr) return;
    Borrowed view(box);
    Choose(view, index);
}

}  // namespace orv::test::combo
