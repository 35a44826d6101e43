// Setting the keyboard state, as a key press would: for tests and orvhost, not for hosts.
#pragma once

#include "orvmenu/OrvLibApi.h"

namespace orv::ui {

ORV_UI_API void SetKeyDown(int virtualKey, bool down);

}  // namespace orv::ui
