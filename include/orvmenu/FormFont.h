// CFormFont: a font as the terminal's form files describe it, for example
// "Verdana,0,-12,400,0,0,0": face name, width, height, weight, italic, underline, strike-out,
// with the meanings of the window system's logical font (a negative height is the character
// height in pixels, a positive one the cell height; width 0 lets the system choose).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "orvmenu/OrvLibApi.h"

class ORV_SERVICES_API CFormFont {
public:
    // The longest face name the window system keeps (its face-name field holds 32 bytes with
    // the terminating zero).
    static constexpr std::size_t kMaxFaceName = 31;

    // Reads the form above; blanks around each field are ignored. Missing trailing fields keep
    // their values, so "Arial" changes the face only. Text that is not in the form (no face
    // name, a face name longer than kMaxFaceName, a field that is not a decimal number or is
    // out of range, more than seven fields) leaves the whole font unchanged and returns false.
    // Ranges: width -1000..1000, height -1000..1000, weight 0..1000, the three flags 0..255
    // (kept as 0 or 1).
    bool fromString(const std::string& text);
    std::string toString() const;

    std::string faceName = "Verdana";  // code page 950
    std::int32_t width = 0;
    std::int32_t height = -12;
    std::int32_t weight = 400;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeOut = 0;

    // Written out rather than defaulted, so the public headers stay C++17.
    friend bool operator==(const CFormFont& a, const CFormFont& b) {
        return a.faceName == b.faceName && a.width == b.width && a.height == b.height && a.weight == b.weight &&
               a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut;
    }
    friend bool operator!=(const CFormFont& a, const CFormFont& b) { return !(a == b); }
};
