// CFormColor: a colour as the terminal's form files describe it.
#pragma once

#include <array>
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

    using Table = std::array<orv::Color, kFormColorCount>;

    // The file of the data folder (CEnvMgr::GetDataDir) that holds the terminal's colours.
    static constexpr const char* kTableFileName = "FormColor.xml";

    // The terminal's colour table, by index 0 to kFormColorCount - 1. An index outside the
    // table answers the form text colour (index 1), which reads on every background of the
    // table. The table is the light default overlaid with the data folder's FormColor.xml,
    // read at the first call and again whenever the data folder changes, until the host sets
    // the table or an entry: from then on the host's table holds.
    static orv::Color GetFormColor(int index);

    // The host's colours. SetFormColorTable replaces the whole table; SetFormColorEntry one
    // entry of the table in use (false, and nothing changes, for an index outside it).
    static void SetFormColorTable(const Table& table);
    static bool SetFormColorEntry(int index, orv::Color color);
    // Forgets what the host set: the next colour comes from the data folder's file again.
    static void ResetFormColorTable();

    // The light table the terminal uses where no file says otherwise: dark text on the
    // system's light toolbar and edit colours.
    static Table GetDefaultFormColorTable();
    // Overlays table with the entries of a colour table file; entries the file does not give
    // (or gives wrongly) keep their value. False, with table unchanged, when the file is
    // missing or unreadable.
    static bool ReadFormColorTable(const std::string& path, Table& table);

    // Written out rather than defaulted, so the public headers stay C++17.
    friend bool operator==(const CFormColor& a, const CFormColor& b) { return a.color_ == b.color_; }
    friend bool operator!=(const CFormColor& a, const CFormColor& b) { return !(a == b); }

private:
    orv::Color color_ = 0;
};
