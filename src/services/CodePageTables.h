// The code page's two tables, built once from the platform's own converter; every conversion
// of CodePage.h is a lookup in them, so both back ends convert by the same rules.
#pragma once

#include <array>
#include <cstdint>

namespace orv::cp950::detail {

struct Tables {
    std::array<char16_t, 0x10000> decode{};       // lead << 8 | trail -> UTF-16, 0 = none
    std::array<std::uint16_t, 0x10000> encode{};  // UTF-16 -> lead << 8 | trail, 0 = none
};

// Fills both tables for the double-byte characters (one implementation per back end). Where
// two codes decode to one character, the later code is the one that encodes it.
void BuildTables(Tables& tables);

// The double-byte code for lead and trail bytes: trail bytes 0x40-0x7E and 0xA1-0xFE.
template <typename F>
void ForEachDoubleByteCode(F&& f) {
    for (unsigned lead = 0x81; lead <= 0xfe; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xfe; ++trail) {
            if (trail > 0x7e && trail < 0xa1) continue;
            f(lead, trail);
        }
    }
}

}  // namespace orv::cp950::detail
