// CToolBarBox: a host's view of a box the toolbar component placed on the host's toolbar window
// (the screen-number, web address, account or code box), found with CToolBar::GetBox.
//
// The view does not own the box: the component does, and replaces it when it shows another
// group with a box of that kind, so a host asks CToolBar::GetBox again after it switches groups. Texts are in the terminal's code page (orvmenu/CodePage.h).
//
//     CToolBarBox screen(toolBar.GetBox(CToolBar::Box::Screen));
//     for (int i = 0; i < screen.GetCount(); ++i) Show(orv::cp950::ToUtf8(screen.GetEntry(i)));
#pragma once

#include <string>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

class ORV_UI_API CToolBarBox {
public:
    explicit CToolBarBox(HWND box = nullptr) : hwnd_(box) {}

    HWND GetHwnd() const { return hwnd_; }

    // The edit field's text (for the account box, a drop-down list, the chosen entry's).
    std::string GetText() const;
    // Sets the edit field as the window system's WM_SETTEXT does: the box is not told, so it
    // opens nothing. An empty text clears the field.
    void SetText(const std::string& text);
    // The list: its entries, and the chosen one's index or -1.
    int GetCount() const;
    std::string GetEntry(int index) const;
    int GetCurSel() const;
    // The box's rectangle in the toolbar window's client coordinates; false, and all 0,
    // without a window. It stands over the separator the component put in its place.
    bool GetRect(int& left, int& top, int& right, int& bottom) const;
    // Gives the box the keyboard focus, as clicking into it does.
    void SetFocus();

private:
    HWND hwnd_ = nullptr;
};
