// What a test or orvhost reads off a host's toolbar window beyond what a host needs: the
// tooltips the toolbar component gave its buttons, and a user's actions on a box by its window.
#pragma once

#include <string>
#include <vector>

#include "orvmenu/OrvWinTypes.h"

class CToolBar;

namespace orv::test {

struct ToolBarTip {
    unsigned id = 0;   // the button's command
    std::string text;  // code page 950
};

// The tools of the tooltip window the toolbar window holds, in its order; empty without one.
std::vector<ToolBarTip> ToolBarTips(CToolBar& toolBar);

}  // namespace orv::test

namespace orv::test::combo {

// The user's actions of ComboDriver.h on a box known by its window (CToolBar::GetBox).
void TypeChar(HWND box, char c);
void PressReturn(HWND box);
void Choose(HWND box, int index);

}  // namespace orv::test::combo
