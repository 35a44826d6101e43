#include "testsupport/ToolBarView.h"

#include "orvmenu/ToolBar.h"
#include "orvmenu/Wnd.h"
#include "testsupport/ComboDriver.h"
#include "ui/ComboBox.h"
#include "ui/ToolBarControl.h"
#include "ui/ToolTip.h"
#include "ui/Window.h"

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

// The box object the library made for the window, as the toolkit marks it on the window.
CComboBox* BoxOf(HWND wnd) {
    if (wnd == nullptr) return nullptr;
    return dynamic_cast<CComboBox*>(static_cast<CWnd*>(orv::ui::GetProp(wnd, orv::wnd::kObjectProp)));
}

}  // namespace

void TypeChar(HWND box, char c) {
    if (CComboBox* object = BoxOf(box)) TypeChar(*object, c);
}

void PressReturn(HWND box) {
    if (CComboBox* object = BoxOf(box)) PressReturn(*object);
}

void Choose(HWND box, int index) {
    if (CComboBox* object = BoxOf(box)) Choose(*object, index);
}

}  // namespace orv::test::combo
