#include "orvmenu/FormColor.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "orvmenu/EnvMgr.h"
#include "services/FormColorGrammar.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"

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

// The terminal's form colours where no file says otherwise: a light theme on the system's own
// light window and toolbar colours. Prices follow the local market's custom: rising in red,
// falling in green.
constexpr CFormColor::Table kLightColors = {
    // 0-15: forms and their controls
    orv::Rgb(255, 255, 255),  // 0 form background
    orv::Rgb(0, 0, 0),        // 1 form text
    orv::Rgb(208, 208, 208),  // 2 form grid line
    orv::Rgb(160, 160, 160),  // 3 frame
    orv::Rgb(230, 232, 236),  // 4 title bar background
    orv::Rgb(0, 0, 0),        // 5 title bar text
    orv::Rgb(0, 120, 215),    // 6 selection background
    orv::Rgb(255, 255, 255),  // 7 selection text
    orv::Rgb(109, 109, 109),  // 8 disabled text
    orv::Rgb(255, 255, 255),  // 9 edit background
    orv::Rgb(0, 0, 0),        // 10 edit text
    orv::Rgb(240, 240, 240),  // 11 button face
    orv::Rgb(0, 0, 0),        // 12 button text
    orv::Rgb(255, 255, 255),  // 13 button highlight
    orv::Rgb(160, 160, 160),  // 14 button shadow
    orv::Rgb(0, 120, 215),    // 15 focus frame
    // 16-31: quotes
    orv::Rgb(200, 0, 0),      // 16 price up
    orv::Rgb(0, 128, 0),      // 17 price down
    orv::Rgb(0, 0, 0),        // 18 price unchanged
    orv::Rgb(200, 0, 0),      // 19 limit up background
    orv::Rgb(255, 255, 255),  // 20 limit up text
    orv::Rgb(0, 128, 0),      // 21 limit down background
    orv::Rgb(255, 255, 255),  // 22 limit down text
    orv::Rgb(176, 0, 0),      // 23 bid
    orv::Rgb(0, 112, 0),      // 24 ask
    orv::Rgb(0, 64, 160),     // 25 volume
    orv::Rgb(80, 80, 80),     // 26 time
    orv::Rgb(128, 96, 0),     // 27 reference price
    orv::Rgb(200, 0, 0),      // 28 high
    orv::Rgb(0, 128, 0),      // 29 low
    orv::Rgb(0, 0, 0),        // 30 open
    orv::Rgb(255, 240, 160),  // 31 tick flash background
    // 32-47: tables and charts
    orv::Rgb(230, 232, 236),  // 32 header background
    orv::Rgb(0, 0, 0),        // 33 header text
    orv::Rgb(255, 255, 255),  // 34 odd row background
    orv::Rgb(245, 247, 250),  // 35 even row background
    orv::Rgb(0, 0, 0),        // 36 row text
    orv::Rgb(204, 228, 247),  // 37 selected row background
    orv::Rgb(0, 0, 0),        // 38 selected row text
    orv::Rgb(216, 216, 216),  // 39 table grid line
    orv::Rgb(236, 236, 236),  // 40 total row background
    orv::Rgb(0, 0, 0),        // 41 total row text
    orv::Rgb(160, 96, 0),     // 42 warning text
    orv::Rgb(192, 0, 0),      // 43 error text
    orv::Rgb(0, 80, 160),     // 44 information text
    orv::Rgb(0, 102, 204),    // 45 link
    orv::Rgb(255, 255, 255),  // 46 chart background
    orv::Rgb(96, 96, 96),     // 47 chart axis
    // 48-63: the terminal's frame: tab bar, toolbar, tooltips, status bar
    orv::Rgb(240, 240, 240),  // 48 tab bar background
    orv::Rgb(0, 0, 0),        // 49 tab text
    orv::Rgb(255, 255, 255),  // 50 selected tab background
    orv::Rgb(0, 0, 0),        // 51 selected tab text
    orv::Rgb(255, 255, 255),  // 52 toolbar box background (the screen-number box's field)
    orv::Rgb(240, 240, 240),  // 53 toolbar background
    orv::Rgb(0, 0, 0),        // 54 toolbar box text and drop-down triangle
    orv::Rgb(204, 228, 247),  // 55 toolbar button pressed
    orv::Rgb(200, 200, 200),  // 56 toolbar separator
    orv::Rgb(255, 255, 255),  // 57 combo box background
    orv::Rgb(0, 0, 0),        // 58 combo box text
    orv::Rgb(255, 255, 225),  // 59 tooltip background
    orv::Rgb(0, 0, 0),        // 60 tooltip text
    orv::Rgb(240, 240, 240),  // 61 status bar background
    orv::Rgb(0, 0, 0),        // 62 status bar text
    orv::Rgb(240, 240, 240),  // 63 toolbar button edges (their highlight and shadow are shifted from it)
};

// The table in use: the host's, or the default with the data folder's file over it.
struct TableState {
    CFormColor::Table colors = kLightColors;
    bool hostSet = false;
    bool read = false;
    std::string readDir;  // the data folder the file was looked for in
};

TableState& State() {
    static TableState state;
    return state;
}

// The colours to answer: the data folder's file is read again only when the folder changed.
const CFormColor::Table& Current() {
    TableState& state = State();
    if (state.hostSet) return state.colors;
    std::string dir = CEnvMgr::GetDataDir();
    if (!state.read || dir != state.readDir) {
        state.colors = kLightColors;
        CFormColor::ReadFormColorTable(dir + "\\" + CFormColor::kTableFileName, state.colors);
        state.readDir = std::move(dir);
        state.read = true;
    }
    return state.colors;
}

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
    const Table& colors = Current();
    if (index < 0 || index >= kFormColorCount) return colors[1];
    return colors[static_cast<std::size_t>(index)];
}

void CFormColor::SetFormColorTable(const Table& table) {
    TableState& state = State();
    state.colors = table;
    state.hostSet = true;
}

bool CFormColor::SetFormColorEntry(int index, orv::Color color) {
    if (index < 0 || index >= kFormColorCount) return false;
    Table colors = Current();  // the entry changes in the table the terminal shows now
    colors[static_cast<std::size_t>(index)] = color & 0xFFFFFFu;
    SetFormColorTable(colors);
    return true;
}

void CFormColor::ResetFormColorTable() {
    TableState& state = State();
    state.hostSet = false;
    state.read = false;
}

CFormColor::Table CFormColor::GetDefaultFormColorTable() { return kLightColors; }

bool CFormColor::ReadFormColorTable(const std::string& path, Table& table) {
    using namespace orv::formcolor;
    if (!CXMLParser::FindXMLFile(path)) return false;
    CXMLParser parser;
    if (!parser.Open(path, 1)) return false;
    const CXMLNode root = parser.GetRoot();
    if (!root.NameIs(kTableRoot)) return false;
    Table read = table;
    for (CXMLNode child = root.GetFirstElement(); child; child = child.GetNextElement()) {
        if (orv::xml::FindElement(child, kTableElements) == nullptr) continue;
        // An entry without INDEX, or outside the table, names no colour.
        int index = -1;
        orv::xml::ReadAttrs(child, kColorAttrs, [&](ColorAttr, const CXMLAttr& attr) { index = orv::text::AtoI(attr.GetValue()); });
        if (index < 0 || index >= kFormColorCount) continue;
        CFormColor color(read[static_cast<std::size_t>(index)]);
        // Text that is no colour keeps the entry as it was.
        if (color.fromString(child.GetText())) read[static_cast<std::size_t>(index)] = color.GetColor();
    }
    table = read;
    return true;
}
