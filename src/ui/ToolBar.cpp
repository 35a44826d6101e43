// What CToolBar does the same way on both back ends: everything but making and destroying the
// window goes through the toolbar window's own messages.
#include "orvmenu/ToolBar.h"

#include "ui/Gdi.h"
#include "ui/ToolBarControl.h"
#include "ui/Window.h"

CToolBar::~CToolBar() { DestroyWindow(); }

LRESULT CToolBar::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return orv::ui::SendMessage(GetSafeHwnd(), message, wParam, lParam);
}

bool CToolBar::SetButtonInfo(int index, unsigned id, unsigned style, int image) {
    if (GetSafeHwnd() == nullptr || index < 0) return false;
    const auto position = static_cast<WPARAM>(index);
    orv::ui::TbButton old;
    if (SendMessage(orv::ui::kTbGetButton, position, reinterpret_cast<LPARAM>(&old)) == 0) return false;

    // The framework's style word: the style byte in the low word, the state byte in the high
    // word with the enabled bit inverted (its TBBS_DISABLED), so 0 means an enabled button.
    orv::ui::TbButton button = old;  // the data and string stay
    button.idCommand = static_cast<std::int32_t>(id);
    button.iBitmap = image;
    button.fsStyle = static_cast<std::uint8_t>(style & 0xFFu);
    button.fsState = static_cast<std::uint8_t>(((style >> 16) & 0xFFu) ^ orv::ui::kTbstateEnabled);
    if (button.idCommand == old.idCommand && button.iBitmap == old.iBitmap &&
        button.fsStyle == old.fsStyle && button.fsState == old.fsState) {
        return true;
    }
    // The control cannot change a button's kind in place: the framework replaces the button.
    if (SendMessage(orv::ui::kTbDeleteButton, position, 0) == 0) return false;
    return SendMessage(orv::ui::kTbInsertButtonA, position, reinterpret_cast<LPARAM>(&button)) != 0;
}

int CToolBar::GetCount() {
    return GetSafeHwnd() == nullptr ? 0 : static_cast<int>(SendMessage(orv::ui::kTbButtonCount));
}

bool CToolBar::GetButtonInfo(int index, unsigned& id, unsigned& style, int& image) {
    id = 0;
    style = 0;
    image = 0;
    orv::ui::TbButton button;
    if (GetSafeHwnd() == nullptr || index < 0 ||
        SendMessage(orv::ui::kTbGetButton, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)) == 0) {
        return false;
    }
    id = static_cast<unsigned>(button.idCommand);
    // The framework's style word, the inverse of SetButtonInfo's.
    style = button.fsStyle | (static_cast<unsigned>(button.fsState ^ orv::ui::kTbstateEnabled) << 16);
    image = button.iBitmap;
    return true;
}

bool CToolBar::GetItemRect(int index, int& left, int& top, int& right, int& bottom) {
    left = top = right = bottom = 0;
    CRect rect;
    if (GetSafeHwnd() == nullptr || index < 0 ||
        SendMessage(orv::ui::kTbGetItemRect, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) == 0) {
        return false;
    }
    left = rect.left;
    top = rect.top;
    right = rect.right;
    bottom = rect.bottom;
    return true;
}

HWND CToolBar::GetBox(Box kind) {
    const auto index = static_cast<int>(kind);
    if (GetSafeHwnd() == nullptr || index < 0 || index > 3) return nullptr;
    return static_cast<HWND>(orv::ui::GetProp(GetSafeHwnd(), kOrvToolBarBoxProps[index]));
}
