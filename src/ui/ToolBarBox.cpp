// CToolBarBox: the host's view of a box reads and sets it through the toolkit's combo box
// calls on the box's window, so both back ends answer as the box itself does.
#include "orvmenu/ToolBarBox.h"

#include "orvmenu/Wnd.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"

namespace {

// The box object the toolbar made for the window: the toolkit marks each window with its
// object, and the object leaves the mark when its window goes.
CComboBox* BoxOf(HWND wnd) {
    if (wnd == nullptr) return nullptr;
    return dynamic_cast<CComboBox*>(static_cast<CWnd*>(orv::ui::GetProp(wnd, orv::wnd::kObjectProp)));
}

}  // namespace

std::string CToolBarBox::GetText() const {
    CComboBox* box = BoxOf(hwnd_);
    return box == nullptr ? std::string() : box->GetWindowText();
}

void CToolBarBox::SetText(const std::string& text) {
    if (CComboBox* box = BoxOf(hwnd_)) box->SetWindowText(text);
}

int CToolBarBox::GetCount() const {
    CComboBox* box = BoxOf(hwnd_);
    return box == nullptr ? 0 : box->GetCount();
}

std::string CToolBarBox::GetEntry(int index) const {
    CComboBox* box = BoxOf(hwnd_);
    return box == nullptr ? std::string() : box->GetLBText(index);
}

int CToolBarBox::GetCurSel() const {
    CComboBox* box = BoxOf(hwnd_);
    return box == nullptr ? -1 : box->GetCurSel();
}

void CToolBarBox::SetFocus() {
    if (CComboBox* box = BoxOf(hwnd_)) box->SetFocus();
}

bool CToolBarBox::GetRect(int& left, int& top, int& right, int& bottom) const {
    left = top = right = bottom = 0;
    CComboBox* box = BoxOf(hwnd_);
    if (box == nullptr) return false;
    const CRect rect = box->GetWindowRect();
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    return rect.Width() > 0;
}
