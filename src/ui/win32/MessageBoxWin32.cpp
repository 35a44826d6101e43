#include "orvmenu/MessageBox.h"

#include <utility>

#include "ui/win32/Win32.h"

namespace {
orv::ui::MessageBoxHook& Hook() {
    static orv::ui::MessageBoxHook hook;
    return hook;
}
}  // namespace

namespace orv::ui {
void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }
}  // namespace orv::ui

int AfxMessageBox(const std::string& text, unsigned type, unsigned /*helpId*/) {
    if (Hook()) return Hook()(text, type);
    // Owned by the application's main window, so the box is modal to the whole terminal.
    HWND owner = ::GetActiveWindow();
    if (owner != nullptr) owner = ::GetAncestor(owner, GA_ROOTOWNER);
    return ::MessageBoxW(owner, orv::win32::Wide(text).c_str(), L"OrvMenu", type);
}
