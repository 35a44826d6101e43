// BMP files as the terminal's image folder holds them, decoded the same way on every platform,
// so a button image looks the same on both back ends and a broken file is refused on both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "orvmenu/OrvWinTypes.h"

namespace orv::ui {

// What one picture may cost. A larger one is refused like a broken file: a toolbar paints
// every button at its group picture's size, so one oversized picture is paid once per button.
// The largest side a picture may have.
constexpr std::int32_t kMaxBmpSide = 4096;
// The most pixels a picture may have: 1024 x 1024, 4 MiB once decoded.
constexpr std::int64_t kMaxBmpPixels = 1024 * 1024;
// The largest file read as a picture: the pixels at 32 bits, with room for headers and palette.
constexpr std::size_t kMaxBmpFile = 4u * 1024u * 1024u + 4096u;

struct DecodedBmp {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<orv::Color> pixels;  // rows top-down
};

// Uncompressed BMP files: 1, 4 and 8 bits with a palette, 16, 24 and 32 bits (bit fields for 16
// and 32), with the core header or the info header and its later versions, rows bottom-up or
// top-down. Anything else, a file shorter than its header says, or a picture over the limits
// above, is refused (false).
bool DecodeBmp(std::string_view data, DecodedBmp& out);

}  // namespace orv::ui
