#include <cstdio>

#include "services/CodePage.h"
#include "orvmenu/MessageBox.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::ui {

void SetMessageBoxHook(MessageBoxHook hook) { headless::GetSystem().messageBoxHook = std::move(hook); }

}  // namespace orv::ui

int AfxMessageBox(const std::string& text, unsigned type, unsigned helpId) {
    (void)helpId;
    const auto& hook = orv::headless::GetSystem().messageBoxHook;
    if (hook) return hook(text, type);
    // Nobody to click it: the box is shown on the error stream and answered with OK.
    std::fprintf(stderr, "[message box] %s [OK]\n", orv::cp950::ToUtf8(text).c_str());
    return orv::ui::kIdOk;
}
