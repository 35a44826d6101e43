// The toolbar window on Windows: a real toolbar common control, a child of the host's window.
#include "orvmenu/ToolBar.h"

#include "ui/Gdi.h"
#include "ui/ToolBarControl.h"
#include "ui/win32/Win32.h"

#include <commctrl.h>

#include <cstddef>

// The components fill these for the control: they must be its own structures, byte for byte.
static_assert(sizeof(orv::ui::TbButton) == sizeof(TBBUTTON));
static_assert(offsetof(orv::ui::TbButton, iBitmap) == offsetof(TBBUTTON, iBitmap));
static_assert(offsetof(orv::ui::TbButton, idCommand) == offsetof(TBBUTTON, idCommand));
static_assert(offsetof(orv::ui::TbButton, fsState) == offsetof(TBBUTTON, fsState));
static_assert(offsetof(orv::ui::TbButton, fsStyle) == offsetof(TBBUTTON, fsStyle));
static_assert(offsetof(orv::ui::TbButton, dwData) == offsetof(TBBUTTON, dwData));
static_assert(offsetof(orv::ui::TbButton, iString) == offsetof(TBBUTTON, iString));
static_assert(sizeof(orv::ui::ColorScheme) == sizeof(COLORSCHEME));
static_assert(offsetof(orv::ui::ColorScheme, clrBtnHighlight) == offsetof(COLORSCHEME, clrBtnHighlight));
static_assert(offsetof(orv::ui::ColorScheme, clrBtnShadow) == offsetof(COLORSCHEME, clrBtnShadow));
static_assert(sizeof(CRect) == sizeof(RECT));

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Flat buttons at the top of the parent, without the divider line, as the framework's toolbar;
// it keeps sizing itself to the parent's width since no frame lays it out here.
constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER;

}  // namespace

bool CToolBar::Create(HWND parent, unsigned id) {
    if (GetSafeHwnd() != nullptr || parent == nullptr || !::IsWindow(parent)) return false;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    if (!::InitCommonControlsEx(&init)) return false;
    HWND wnd = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, kToolBarStyle, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr);
    if (wnd == nullptr) return false;
    if (!Attach(wnd)) {
        ::DestroyWindow(wnd);
        return false;
    }
    // The structure size the buttons are read with, as the framework tells the control.
    ::SendMessageW(wnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}
