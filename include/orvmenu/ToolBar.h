// CToolBar: the host's toolbar window, which the toolbar component fills with buttons.
//
// On Windows it is a real toolbar common control (a child of the host's main window);
// headless, an in-memory toolbar that answers the same messages the same way. The host
// creates it, hands it to the toolbar component (IOrvToolBar::SetToolBarWnd) and destroys it
// after the component. Two integers of the host's own ride along with it: the component only
// stores them (SetWndWordA, SetWndWordB).
#pragma once

#include <cstdint>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"
#include "orvmenu/Wnd.h"

class ORV_UI_API CToolBar : public CWnd {
public:
    // Styles of SetButtonInfo: the low word is the button's style byte, the high word its
    // state byte, as the framework's toolbar takes them.
    static constexpr unsigned kTbbsSeparator = 0x00000001u;
    static constexpr unsigned kTbbsHidden = 0x00080000u;

    CToolBar() = default;
    ~CToolBar() override;  // destroys the window it still has

    // A toolbar window as a child of parent, with the given control identifier.
    bool Create(HWND parent, unsigned id = 0xE800);

    // Replaces the button at index with one of this command, style and image; for a separator
    // the image is its width in pixels.
    bool SetButtonInfo(int index, unsigned id, unsigned style, int image);

    LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The host's two integers.
    std::int32_t wndWordA = 0;
    std::int32_t wndWordB = 0;
};
