// Setting the keyboard state, as a key press would: for tests and orvhost, not for hosts. It
// lives in the host-library stand-ins (orv_hostlib), outside the shipped libraries.
#pragma once

namespace orv::ui {

void SetKeyDown(int virtualKey, bool down);

}  // namespace orv::ui
