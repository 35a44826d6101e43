// Process-wide settings the library applies to its host.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstddef>

namespace orv::process {

// Working-set minimum := the old maximum, maximum := ten times the old maximum; priority class
// high. Results are not tested: a host that may not change them runs as it was. Does nothing
// where the platform has no such settings.
ORV_SERVICES_API void TuneForTerminal();

}  // namespace orv::process
