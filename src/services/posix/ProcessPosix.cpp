#include "services/Process.h"

namespace orv::process {

// POSIX has neither a working-set range nor priority classes to raise without privileges.
void TuneForTerminal() {}

}  // namespace orv::process
