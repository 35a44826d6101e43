#include "ui/MessageBox.h"

#include <utility>

#include "services/CodePage.h"
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
    const std::u16string utf16 = orv::cp950::ToUtf16(text);
    const std::wstring wide(utf16.begin(), utf16.end());
    return ::MessageBoxW(owner, wide.c_str(), L"OrvMenu", type);
}
