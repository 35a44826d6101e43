// The code page's tables from iconv, which has no mapping for the user-defined areas: those
// get the private-use characters the Windows code page gives them, so a user's own glyphs
// survive a round trip on both back ends.
#include <iconv.h>

#include "services/CodePageTables.h"

namespace orv::cp950::detail {
namespace {

// Position of a code within its lead byte's 157 trail bytes.
unsigned TrailIndex(unsigned trail) { return trail <= 0x7e ? trail - 0x40 : trail - 0x62; }

// User-defined areas: FA40-FEFE, 8E40-A0FE and 8140-8DFE, one after the other from U+E000.
char16_t UserDefined(unsigned lead, unsigned trail) {
    unsigned base;
    if (lead >= 0xfa) base = 0xe000 + (lead - 0xfa) * 157;
    else if (lead >= 0x8e && lead <= 0xa0) base = 0xe311 + (lead - 0x8e) * 157;
    else if (lead <= 0x8d) base = 0xeeb8 + (lead - 0x81) * 157;
    else return 0;
    return static_cast<char16_t>(base + TrailIndex(trail));
}

}  // namespace

void BuildTables(Tables& tables) {
    iconv_t cd = iconv_open("UTF-16LE", "CP950");
    ForEachDoubleByteCode([&](unsigned lead, unsigned trail) {
        char16_t unit = 0;
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            unsigned char out[8] = {};
            char* inp = in;
            char* outp = reinterpret_cast<char*>(out);
            std::size_t inLeft = 2, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            // Characters outside the basic plane (two units) are not kept.
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) &&
                sizeof out - outLeft == 2) {
                unit = static_cast<char16_t>(out[0] | (out[1] << 8));
            }
        }
        if (unit == 0) unit = UserDefined(lead, trail);
        if (unit == 0) return;
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        tables.decode[code] = unit;
        tables.encode[unit] = code;
    });
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
}

}  // namespace orv::cp950::detail
