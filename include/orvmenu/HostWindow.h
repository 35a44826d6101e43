// CHostWindow: a top-level window that stands for a host's main window, recording the
// messages it receives. Tests and orvhost use it on both back ends to see what the library
// sent the host; on Windows it is a real (hidden) window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

class ORV_UI_API CHostWindow {
public:
    struct Message {
        unsigned message;
        WPARAM wParam;
        LPARAM lParam;
        friend bool operator==(const Message&, const Message&) = default;
    };

    // owner: the window that owns this one, or null for a main window.
    explicit CHostWindow(const std::string& title = "orvhost", HWND owner = nullptr);
    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;
    ~CHostWindow();

    HWND GetHwnd() const { return hwnd_; }
    const std::vector<Message>& Messages() const;
    void ClearMessages();

private:
    HWND hwnd_ = nullptr;
};
