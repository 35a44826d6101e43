// Finding the boxes the library put on the host's toolbar window, so that orvhost can drive
// them as its user does (orv::ui::combo) and show their lists.
#pragma once

#include <memory>

#include "orvmenu/OrvWinTypes.h"

class CComboBox;

namespace orvhost {

enum class BoxKind { Screen, Address, Account, Code };

// The box of that kind standing on the toolbar window, or null. Valid until the toolbar's
// group changes.
std::shared_ptr<CComboBox> FindToolBarBox(HWND toolBar, BoxKind kind);

}  // namespace orvhost
