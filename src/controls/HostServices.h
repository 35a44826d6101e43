// Finding what the host handed over on its main window (orvmenu/OrvHostServices.h).
#pragma once

#include "orvmenu/OrvHostServices.h"
#include "orvmenu/OrvWinTypes.h"

namespace orv::controls {
// The services on the main window (root owner) of the window given, or null when the host put
// none there.
IOrvHostServices* HostServicesOf(HWND anyWindow);
}  // namespace orv::controls
