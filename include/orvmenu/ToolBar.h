// CToolBar: the host's toolbar window, which the toolbar component fills with buttons.
//
// On Windows it is a real toolbar common control (a child of the host's main window);
// headless, an in-memory toolbar that answers the same messages the same way. The host
// creates it, hands it to the toolbar component (IOrvToolBar::SetToolBarWnd) and destroys it
// after the component. Two integers of the host's own ride along with it: the component only
// stores them (SetWndWordA, SetWndWordB).
//
// A host reads the buttons back by position (GetCount, GetButtonInfo, GetItemRect) and finds
// the boxes the component placed on the window by their kind (GetBox; see orvmenu/ToolBarBox.h
// to read a box).
#pragma once

#include <cstdint>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"
#include "orvmenu/Wnd.h"

// The toolbar component names each box's window in a property of the toolbar window, so that
// any host, with or without CToolBar, finds it: GetPropA(toolBar, kOrvToolBarBoxProps[kind]),
// kind as in CToolBar::Box.
inline constexpr const char* kOrvToolBarBoxProps[] = {"OrvMenu.Box.Screen", "OrvMenu.Box.Address",
                                                      "OrvMenu.Box.Account", "OrvMenu.Box.Code"};

class ORV_UI_API CToolBar : public CWnd {
public:
    // Styles of SetButtonInfo: the low word is the button's style byte, the high word its
    // state byte, as the framework's toolbar takes them.
    static constexpr unsigned kTbbsSeparator = 0x00000001u;
    static constexpr unsigned kTbbsCheckBox = 0x00000002u;
    static constexpr unsigned kTbbsGroup = 0x00000004u;
    static constexpr unsigned kTbbsCheckGroup = 0x00000006u;
    static constexpr unsigned kTbbsDropDown = 0x00000008u;
    static constexpr unsigned kTbbsChecked = 0x00010000u;
    static constexpr unsigned kTbbsDisabled = 0x00040000u;
    static constexpr unsigned kTbbsHidden = 0x00080000u;

    // The kinds of box the toolbar component places on the window (over a separator of the
    // box's width), one of each at most.
    enum class Box { Screen = 0, Address = 1, Account = 2, Code = 3 };

    CToolBar() = default;
    ~CToolBar() override;  // destroys the window it still has

    // A toolbar window as a child of parent, with the given control identifier.
    bool Create(HWND parent, unsigned id = 0xE800);

    // Replaces the button at index with one of this command, style and image; for a separator
    // the image is its width in pixels.
    bool SetButtonInfo(int index, unsigned id, unsigned style, int image);

    LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The buttons, separators included, in their order on the window; 0 without a window.
    int GetCount();
    // The command, style (the kTbbs* flags, as SetButtonInfo takes them) and image of the
    // button at index; for a separator the image is its width in pixels. False, and all three
    // 0, when there is no such button.
    bool GetButtonInfo(int index, unsigned& id, unsigned& style, int& image);
    // The button's rectangle in the window's client coordinates (left, top, right, bottom);
    // false, and all 0, when there is no such button or it is hidden (as the control answers).
    bool GetItemRect(int index, int& left, int& top, int& right, int& bottom);
    // The window of the box of that kind that stands on the toolbar now, or null. Valid until
    // the component shows another group that has a box of that kind, or is destroyed.
    HWND GetBox(Box kind);

    // The host's two integers.
    std::int32_t wndWordA = 0;
    std::int32_t wndWordB = 0;
};
