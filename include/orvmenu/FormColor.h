// CFormColor: a colour as the terminal's form files describe it.
#pragma once

#include <string>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

class ORV_SERVICES_API CFormColor {
public:
    // Entries of the terminal's colour table (GetFormColor).
    static constexpr int kFormColorCount = 64;

    CFormColor() = default;
    explicit CFormColor(orv::Color color) : color_(color) {}

    // Reads "R,G,B" (decimal, 0 to 255 each, blanks allowed around each number) or "#RRGGBB"
    // (hexadecimal), with blanks allowed around the whole text. Text in neither form leaves the
    // colour unchanged and returns false: a slip in a style file keeps the colour the user had.
    bool fromString(const std::string& text);
    std::string toString() const;  // "R,G,B"

    orv::Color GetColor() const { return color_; }
    unsigned GetRed() const { return color_ & 0xffu; }
    unsigned GetGreen() const { return (color_ >> 8) & 0xffu; }
    unsigned GetBlue() const { return (color_ >> 16) & 0xffu; }

    // The terminal's colour table (a dark theme), by index 0 to kFormColorCount - 1. An index
    // outside the table answers the form text colour (index 1), which reads on every
    // background of the table.
    static orv::Color GetFormColor(int index);

    friend bool operator==(const CFormColor&, const CFormColor&) = default;

private:
    orv::Color color_ = 0;
};
