#include "orvmenu/FormColor.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "services/Numbers.h"

namespace {

using orv::text::Trim;

// One colour component: a decimal number 0 to 255, blanks around it allowed, no sign.
bool ParseComponent(std::string_view field, unsigned& value) {
    field = Trim(field);
    if (field.empty()) return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && value <= 255;
}

bool ParseDecimal(std::string_view text, orv::Color& color) {
    unsigned rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto comma = text.find(',');
        // The last component must have no comma after it; the others need one.
        if ((i < 2) == (comma == std::string_view::npos)) return false;
        if (!ParseComponent(text.substr(0, comma), rgb[i])) return false;
        if (i < 2) text.remove_prefix(comma + 1);
    }
    color = orv::Rgb(rgb[0], rgb[1], rgb[2]);
    return true;
}

bool ParseHex(std::string_view text, orv::Color& color) {
    if (text.size() != 7 || text[0] != '#') return false;
    unsigned rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char* first = text.data() + 1 + 2 * i;
        // from_chars would accept a sign; two hexadecimal digits are all a component may hold.
        for (const char* c = first; c != first + 2; ++c) {
            const bool hex = (*c >= '0' && *c <= '9') || (*c >= 'a' && *c <= 'f') ||
                             (*c >= 'A' && *c <= 'F');
            if (!hex) return false;
        }
        std::from_chars(first, first + 2, rgb[i], 16);
    }
    color = orv::Rgb(rgb[0], rgb[1], rgb[2]);
    return true;
}

// The terminal's form colours, a dark theme. Prices follow the local market's custom: rising
// in red, falling in green.
constexpr std::array<orv::Color, CFormColor::kFormColorCount> kFormColors = {
    // 0-15: forms and their controls
    orv::Rgb(16, 18, 22),     // 0 form background
    orv::Rgb(208, 212, 220),  // 1 form text
    orv::Rgb(48, 52, 60),     // 2 form grid line
    orv::Rgb(70, 76, 88),     // 3 frame
    orv::Rgb(28, 32, 40),     // 4 title bar background
    orv::Rgb(230, 232, 236),  // 5 title bar text
    orv::Rgb(0, 84, 147),     // 6 selection background
    orv::Rgb(255, 255, 255),  // 7 selection text
    orv::Rgb(110, 116, 128),  // 8 disabled text
    orv::Rgb(8, 10, 14),      // 9 edit background
    orv::Rgb(240, 240, 240),  // 10 edit text
    orv::Rgb(44, 48, 56),     // 11 button face
    orv::Rgb(220, 224, 230),  // 12 button text
    orv::Rgb(86, 92, 104),    // 13 button highlight
    orv::Rgb(12, 14, 18),     // 14 button shadow
    orv::Rgb(255, 200, 0),    // 15 focus frame
    // 16-31: quotes
    orv::Rgb(255, 64, 64),    // 16 price up
    orv::Rgb(0, 200, 90),     // 17 price down
    orv::Rgb(230, 230, 120),  // 18 price unchanged
    orv::Rgb(200, 0, 0),      // 19 limit up background
    orv::Rgb(255, 255, 255),  // 20 limit up text
    orv::Rgb(0, 140, 60),     // 21 limit down background
    orv::Rgb(255, 255, 255),  // 22 limit down text
    orv::Rgb(255, 128, 128),  // 23 bid
    orv::Rgb(110, 220, 140),  // 24 ask
    orv::Rgb(120, 200, 255),  // 25 volume
    orv::Rgb(180, 180, 180),  // 26 time
    orv::Rgb(255, 255, 0),    // 27 reference price
    orv::Rgb(255, 96, 96),    // 28 high
    orv::Rgb(64, 220, 120),   // 29 low
    orv::Rgb(220, 220, 220),  // 30 open
    orv::Rgb(70, 70, 20),     // 31 tick flash background
    // 32-47: tables and charts
    orv::Rgb(36, 40, 48),     // 32 header background
    orv::Rgb(230, 200, 120),  // 33 header text
    orv::Rgb(18, 20, 26),     // 34 odd row background
    orv::Rgb(24, 27, 34),     // 35 even row background
    orv::Rgb(208, 212, 220),  // 36 row text
    orv::Rgb(40, 64, 104),    // 37 selected row background
    orv::Rgb(255, 255, 255),  // 38 selected row text
    orv::Rgb(44, 48, 56),     // 39 table grid line
    orv::Rgb(30, 34, 44),     // 40 total row background
    orv::Rgb(255, 220, 120),  // 41 total row text
    orv::Rgb(255, 170, 0),    // 42 warning text
    orv::Rgb(255, 80, 80),    // 43 error text
    orv::Rgb(120, 190, 255),  // 44 information text
    orv::Rgb(100, 170, 255),  // 45 link
    orv::Rgb(10, 12, 16),     // 46 chart background
    orv::Rgb(120, 124, 132),  // 47 chart axis
    // 48-63: the terminal's frame: tab bar, toolbar, tooltips, status bar
    orv::Rgb(24, 26, 32),     // 48 tab bar background
    orv::Rgb(170, 176, 186),  // 49 tab text
    orv::Rgb(0, 84, 147),     // 50 selected tab background
    orv::Rgb(255, 255, 255),  // 51 selected tab text
    orv::Rgb(32, 35, 42),     // 52 toolbar background
    orv::Rgb(52, 58, 70),     // 53 toolbar button under the mouse
    orv::Rgb(78, 86, 100),    // 54 toolbar button edge
    orv::Rgb(20, 22, 28),     // 55 toolbar button pressed
    orv::Rgb(60, 64, 74),     // 56 toolbar separator
    orv::Rgb(12, 14, 18),     // 57 combo box background
    orv::Rgb(236, 236, 236),  // 58 combo box text
    orv::Rgb(54, 58, 68),     // 59 tooltip background
    orv::Rgb(240, 240, 240),  // 60 tooltip text
    orv::Rgb(20, 22, 28),     // 61 status bar background
    orv::Rgb(180, 186, 196),  // 62 status bar text
    orv::Rgb(220, 224, 232),  // 63 toolbar caption text
};

}  // namespace

bool CFormColor::fromString(const std::string& text) {
    const std::string_view body = Trim(text);
    orv::Color color = 0;
    const bool ok = body.starts_with('#') ? ParseHex(body, color) : ParseDecimal(body, color);
    if (ok) color_ = color;
    return ok;
}

std::string CFormColor::toString() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%u,%u,%u", GetRed(), GetGreen(), GetBlue());
    return buffer;
}

orv::Color CFormColor::GetFormColor(int index) {
    if (index < 0 || index >= kFormColorCount) return kFormColors[1];
    return kFormColors[static_cast<std::size_t>(index)];
}
