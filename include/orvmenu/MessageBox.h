// Message boxes, owned by the host's main window.
#pragma once

#include <functional>
#include <string>

#include "orvmenu/OrvLibApi.h"

namespace orv::ui {
constexpr unsigned kMbOk = 0x0;
constexpr int kIdOk = 1;

// Receives every box in place of the window system. Tests record boxes with it; orvhost prints
// them. Without a hook, Windows shows the box and the headless back end records it.
using MessageBoxHook = std::function<int(const std::string& text, unsigned type)>;
ORV_UI_API void SetMessageBoxHook(MessageBoxHook hook);
}  // namespace orv::ui

// Shows text (in the terminal's code page) and waits for the user's answer.
ORV_UI_API int AfxMessageBox(const std::string& text, unsigned type = orv::ui::kMbOk, unsigned helpId = 0);
