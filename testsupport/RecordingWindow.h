// A host window that records the messages the library sends its host, copying a message's text
// during the call when the message carries one (kWmUserCode's lParam is valid only then).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/HostWindow.h"

namespace orv::test {

class RecordingWindow {
public:
    struct Message {
        unsigned message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        std::string text;  // what lParam pointed at, for a message that carries text
        friend bool operator==(const Message&, const Message&) = default;
    };

    explicit RecordingWindow(const std::string& title = "orvhost", HWND owner = nullptr);

    HWND GetHwnd() const { return window_.GetHwnd(); }
    CHostWindow& Window() { return window_; }
    const std::vector<Message>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

private:
    std::vector<Message> messages_;
    CHostWindow window_;
};

}  // namespace orv::test
