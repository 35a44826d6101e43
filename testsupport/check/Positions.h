// Where things stand in a data file, for the checker's report: lines from 1, and columns from 1
// counted in bytes of the line as the file stores them (a Chinese character is 3 columns in a
// UTF-8 file, 2 in a Big5 one), which is what an editor's jump to file:line:column counts.
// UTF-16 files count characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/XMLParser.h"

namespace orv::check {

using orv::xml::TextPosition;

enum class ColumnUnit { Utf8Bytes, Cp950Bytes, Characters };

// The unit a file's columns count in, from its bytes: a byte-order mark or the declared encoding.
ColumnUnit UnitOf(std::string_view fileBytes);

// Positions of byte offsets into the document's text as UTF-8. Offsets asked for in increasing
// order are counted on from the last one.
class Positions {
public:
    Positions(std::string_view utf8, ColumnUnit unit) : text_(utf8), unit_(unit) {}

    TextPosition At(std::size_t offset);
    // A position whose column counts characters (the XML reader's) in this file's unit.
    TextPosition FromCharacters(TextPosition at) const;

private:
    std::size_t Width(std::size_t i, std::size_t& length) const;

    std::string_view text_;
    ColumnUnit unit_;
    std::size_t from_ = 0;
    TextPosition pos_;
};

struct TagPositions {
    TextPosition at;                  // the '<'
    std::vector<TextPosition> attrs;  // each attribute's name, in document order
};

// Start tags of a document that parsed, in document order, skipping comments, CDATA sections,
// declarations and end tags: the n-th is the n-th element of the document.
std::vector<TagPositions> ScanTags(std::string_view utf8, ColumnUnit unit);

// What a document that does not parse left open: an element, a tag, a quote, a comment. The
// message names it and says where the scan found out.
struct LeftOpen {
    TextPosition at;       // where it was opened
    TextPosition noticed;  // where the text shows it was left open
    std::string message;
};
std::optional<LeftOpen> FindLeftOpen(std::string_view utf8, ColumnUnit unit);

}  // namespace orv::check
