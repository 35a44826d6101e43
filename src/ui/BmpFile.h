// BMP files as the terminal's image folder holds them, decoded the same way on every platform,
// so a button image looks the same on both back ends and a broken file is refused on both.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "orvmenu/OrvWinTypes.h"

namespace orv::ui {

// The largest side a picture may have: bounds the memory a broken file can ask for.
constexpr int kMaxBmpSide = 4096;
// The largest file a picture within that bound can need.
constexpr std::size_t kMaxBmpFile = 4096u * 4096u * 4u + 4096u;

struct DecodedBmp {
    int width = 0;
    int height = 0;
    std::vector<orv::Color> pixels;  // rows top-down
};

// Uncompressed BMP files: 1, 4 and 8 bits with a palette, 16, 24 and 32 bits (bit fields for 16
// and 32), with the core header or the info header and its later versions, rows bottom-up or
// top-down. Anything else, or a file shorter than its header says, is refused (false).
bool DecodeBmp(std::string_view data, DecodedBmp& out);

}  // namespace orv::ui
