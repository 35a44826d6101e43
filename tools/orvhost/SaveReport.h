// A save step that tells the truth: the components report a failed save only with a message
// box, so the step listens for one while the save runs, and then says what the file on disk
// holds: the new content, or after a failed save the old one (or, when only the folder could
// not be flushed after the rename, the new content, which a power cut may still undo).
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "Host.h"
#include "orvmenu/CodePage.h"
#include "orvmenu/MessageBox.h"

namespace orvhost {

inline std::optional<std::string> FileBytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void PrintFile(Host& h, const std::string& bytes) {
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        h.Out() << "  " << line << "\n";
    }
}

// failureText is the component's own message for a failed save. A failed save is reported, not
// a misused step: the result is false only when the saved file cannot be read back.
inline bool SaveAndReport(Host& h, const std::string& path, const std::string& failureText,
                          const std::function<void()>& save) {
    const auto printBox = [&h](const std::string& text) {
        h.Out() << "[message box] " << orv::cp950::ToUtf8(text) << " [OK]\n";
        return orv::ui::kIdOk;
    };
    const std::optional<std::string> before = FileBytes(path);
    bool failed = false;
    orv::ui::SetMessageBoxHook([&](const std::string& text, unsigned) {
        failed = failed || text == failureText;
        return printBox(text);
    });
    save();
    orv::ui::SetMessageBoxHook([printBox](const std::string& text, unsigned) { return printBox(text); });
    const std::optional<std::string> after = FileBytes(path);
    if (!failed) {
        if (!after) {
            h.Out() << "cannot read " << path << "\n";
            return false;
        }
        h.Out() << "wrote " << path << ":\n";
        PrintFile(h, *after);
        return true;
    }
    if (after != before) {
        h.Out() << "save failed: " << path << " holds the new content, but it may not survive a power cut\n";
    } else if (before) {
        h.Out() << "save failed: the file on disk is the old one, unchanged: " << path << "\n";
        PrintFile(h, *before);
    } else {
        h.Out() << "save failed: there is no file at " << path << "\n";
    }
    return true;
}

}  // namespace orvhost
