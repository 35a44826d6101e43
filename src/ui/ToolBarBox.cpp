// CToolBarBox: the host's view of a box reads and sets it through the toolkit's combo box
// calls on the box's window, so both back ends answer as the box itself does.
#include "orvmenu/ToolBarBox.h"

#include "ui/ComboBox.h"

namespace {

// A combo box object over a window it does not own: it leaves the window to the toolbar.
class BorrowedBox final : public CComboBox {
public:
    explicit BorrowedBox(HWND wnd) { hwnd_ = wnd; }
    BorrowedBox(const BorrowedBox&) = delete;
    BorrowedBox& operator=(const BorrowedBox&) = delete;
    ~BorrowedBox() override { hwnd_ = nullptr; }
};

}  // namespace

std::string CToolBarBox::GetText() const { return hwnd_ == nullptr ? std::string() : BorrowedBox(hwnd_).GetWindowText(); }

void CToolBarBox::SetText(const std::string& text) {
    if (hwnd_ != nullptr) BorrowedBox(hwnd_).SetWindowText(text);
}

int CToolBarBox::GetCount() const { return hwnd_ == nullptr ? 0 : BorrowedBox(hwnd_).GetCount(); }

std::string CToolBarBox::GetEntry(int index) const {
    return hwnd_ == nullptr ? std::string() : BorrowedBox(hwnd_).GetLBText(index);
}

int CToolBarBox::GetCurSel() const { return hwnd_ == nullptr ? -1 : BorrowedBox(hwnd_).GetCurSel(); }

void CToolBarBox::SetFocus() {
    if (hwnd_ != nullptr) BorrowedBox(hwnd_).SetFocus();
}

bool CToolBarBox::GetRect(int& left, int& top, int& right, int& bottom) const {
    left = top = right = bottom = 0;
    if (hwnd_ == nullptr) return false;
    const CRect rect = BorrowedBox(hwnd_).GetWindowRect();
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    return rect.Width() > 0;
}
