// A button bitmap for the toolbar benchmarks: a 24-bit BMP of 56 by 24 pixels in one shade.
#pragma once

#include <cstdint>
#include <string>

namespace orv::bench {

inline std::string Bitmap(unsigned char shade) {
    const int w = 56, h = 24, row = (w * 3 + 3) & ~3;
    std::string b(54 + static_cast<std::size_t>(row * h), static_cast<char>(shade));
    const auto put = [&b](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    for (std::size_t i = 0; i < 54; ++i) b[i] = 0;
    b[0] = 'B';
    b[1] = 'M';
    put(2, static_cast<std::uint32_t>(b.size()));
    put(10, 54);
    put(14, 40);
    put(18, w);
    put(22, h);
    b[26] = 1;
    b[28] = 24;
    return b;
}

}  // namespace orv::bench
