// Numbers in the terminal's files, read the way the C library reads them, but defined for every
// input: no overflow, no locale.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstdint>
#include <string_view>

namespace orv::text {

// The text without the blanks (space, tab, CR, LF) around it.
ORV_SERVICES_API std::string_view Trim(std::string_view text);

// Like atoi/atol: leading white space, an optional sign, then decimal digits up to the first
// other character; 0 when there are no digits. Values past the 32-bit range saturate.
ORV_SERVICES_API std::int32_t AtoI(std::string_view text);

// Like sscanf "%x": leading white space, an optional sign, an optional 0x, then hexadecimal
// digits (modulo 2^32; a minus sign negates). False, leaving value alone, when there are none.
ORV_SERVICES_API bool ParseHex(std::string_view text, std::uint32_t& value);

}  // namespace orv::text
