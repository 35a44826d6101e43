#include "ui/BmpFile.h"

#include <cstdint>

namespace orv::ui {

namespace {

// A BMP file in memory, read little-endian with every access bounded.
class Bytes {
public:
    explicit Bytes(std::string_view data) : data_(data) {}
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= data_.size() && count <= data_.size() - offset;
    }
    std::uint32_t U8(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }
    std::uint32_t U16(std::size_t at) const { return U8(at) | (U8(at + 1) << 8); }
    std::uint32_t U32(std::size_t at) const { return U16(at) | (U16(at + 2) << 16); }

private:
    std::string_view data_;
};

// One channel of a bit-field pixel scaled to 0..255.
unsigned Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const std::uint32_t max = mask >> shift;
    const std::uint32_t value = (pixel & mask) >> shift;
    return static_cast<unsigned>((static_cast<std::uint64_t>(value) * 255u + max / 2) / max);
}

}  // namespace

bool DecodeBmp(std::string_view data, DecodedBmp& out) {
    const Bytes bytes(data);
    if (!bytes.Has(0, 18) || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t bitsOffset = bytes.U32(10);
    const std::uint32_t headerSize = bytes.U32(14);
    const std::size_t header = 14;
    // The file fixes these at 16 or 32 bits; 64 bits here holds the negated height of a
    // top-down picture, which for -2^31 does not fit in 32.
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteEntry = 4;
    std::size_t afterHeader = header + headerSize;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (headerSize == 12) {
        if (!bytes.Has(header, 12)) return false;
        width = bytes.U16(header + 4);
        height = bytes.U16(header + 6);
        bits = bytes.U16(header + 10);
        paletteEntry = 3;
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (!bytes.Has(header, headerSize)) return false;
        width = static_cast<std::int32_t>(bytes.U32(header + 4));
        height = static_cast<std::int32_t>(bytes.U32(header + 8));
        bits = bytes.U16(header + 14);
        compression = bytes.U32(header + 16);
        colorsUsed = bytes.U32(header + 32);
        if (compression == 3) {
            // The masks follow the short header, or sit inside the longer ones.
            const std::size_t at = header + 40;
            if (!bytes.Has(at, 12)) return false;
            masks[0] = bytes.U32(at);
            masks[1] = bytes.U32(at + 4);
            masks[2] = bytes.U32(at + 8);
            if (headerSize == 40) afterHeader += 12;
        }
    } else {
        return false;
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide ||
        width * height > kMaxBmpPixels) {
        return false;
    }
    if (compression == 3 && bits != 16 && bits != 32) return false;
    if (compression != 0 && compression != 3) return false;
    if (bits == 24 || bits == 32) {
        if (compression == 0) {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    } else if (bits != 1 && bits != 4 && bits != 8 && bits != 16) {
        return false;
    }

    std::vector<orv::Color> palette;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        const std::uint32_t count = colorsUsed == 0 || colorsUsed > most ? most : colorsUsed;
        if (!bytes.Has(afterHeader, count * paletteEntry)) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = afterHeader + i * paletteEntry;
            palette.push_back(orv::Rgb(bytes.U8(at + 2), bytes.U8(at + 1), bytes.U8(at)));
        }
    }

    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    if (!bytes.Has(bitsOffset, stride * static_cast<std::size_t>(height))) return false;
    out.width = static_cast<std::int32_t>(width);
    out.height = static_cast<std::int32_t>(height);
    out.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t line = bitsOffset + stride * static_cast<std::size_t>(row);
        const std::int64_t y = topDown ? row : height - 1 - row;
        orv::Color* target = &out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        for (std::int64_t x = 0; x < width; ++x) {
            orv::Color color = 0;
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const std::uint32_t byte = bytes.U8(line + bit / 8);
                const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                // An index past the palette reads as black.
                color = index < palette.size() ? palette[index] : 0;
            } else {
                const std::size_t at = line + static_cast<std::size_t>(x) * (bits / 8);
                const std::uint32_t pixel = bits == 16   ? bytes.U16(at)
                                            : bits == 24 ? bytes.U16(at) | (bytes.U8(at + 2) << 16)
                                                         : bytes.U32(at);
                color = orv::Rgb(Channel(pixel, masks[0]), Channel(pixel, masks[1]),
                                 Channel(pixel, masks[2]));
            }
            target[x] = color;
        }
    }
    return true;
}

}  // namespace orv::ui
