// CToolTipCtrl: a tooltip window with tools over rectangles of another window.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvWinTypes.h"
#include "ui/Gdi.h"
#include "ui/WinDefs.h"
#include "orvmenu/Wnd.h"


class ORV_UI_API CToolTipCtrl : public CWnd {
public:
    struct Tool {
        HWND wnd = nullptr;
        std::uintptr_t id = 0;
        CRect rect;
        std::string text;  // code page 950
        friend bool operator==(const Tool&, const Tool&) = default;
    };

    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;  // destroys the window it still has

    bool Create(HWND parent, unsigned style);
    // How the tooltip learns that the mouse is over a tool's window: by subclassing the window,
    // or from the window itself, as a toolbar relays its mouse messages to the tooltip set on it.
    // A subclassed window takes a detour through the subclass on every message it gets.
    enum class Relay { Subclass, ByWindow };
    // A tool over rect of wnd (in wnd's client coordinates) showing text.
    bool AddTool(HWND wnd, const std::string& text, const CRect& rect, std::uintptr_t id,
                 Relay relay = Relay::Subclass);
    bool Activate(bool active);
    // Removes every tool the window holds; false without a tooltip window.
    bool RemoveTools();

    // What the tooltip window holds, read back through its messages.
    std::vector<Tool> GetTools() const;
    // The same for any tooltip window, such as the one a toolbar holds.
    static std::vector<Tool> ToolsOf(HWND tooltip);
};
