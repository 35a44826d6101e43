// Setting the keyboard state, as a key press would.
#pragma once

namespace orv::test {

void SetKeyDown(int virtualKey, bool down);

}  // namespace orv::test
