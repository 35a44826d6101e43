// What a user does to a combo box: the same calls on both back ends, each sent to the box as
// the window system sends it (on Windows to the real edit field and list).
#pragma once

#include "orvmenu/OrvWinTypes.h"

class CComboBox;

namespace orv::test::combo {

// Types one character into the edit field (WM_CHAR): the box sees an edit change.
void TypeChar(CComboBox& box, char c);
// Presses Enter in the edit field.
void PressReturn(CComboBox& box);
// Chooses the entry at index from the list: the box sees a selection change.
void Choose(CComboBox& box, int index);
// Paints the box now (WM_NCPAINT, then WM_PAINT), into its own window.
void Paint(CComboBox& box);
// A pixel of the box's window as last painted, (0, 0) being the window's top-left corner.
orv::Color WindowPixel(CComboBox& box, int x, int y);

}  // namespace orv::test::combo
