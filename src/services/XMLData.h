// CXMLData: writes XML into an open CFile.
//
// Text in memory is in the terminal's code page; files are written in UTF-8. Markup goes
// through WriteString unchanged; element text through WriteText, attribute values through
// WriteHeader, both escaped so that any value reads back the same. Each level of nesting is
// indented by one tab; lines end with "\r\n".
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class CFile;

class ORV_SERVICES_API CXMLData {
public:
    using Attr = std::pair<std::string_view, std::string_view>;

    // The first call on a new file: sets the file up for UTF-8 text (no byte-order mark).
    static void StartUniCode(CFile& file);
    // Appends text unchanged but for the conversion to UTF-8.
    static void WriteString(CFile& file, std::string_view text);
    // Appends element text, escaped.
    static void WriteText(CFile& file, std::string_view text);
    // A start tag at nesting depth level (0: the document element), then a line end.
    static void WriteNodeStart(CFile& file, int level, std::string_view tag);
    // A start tag with attributes. With inlineText 1 the element's text follows on the same
    // line (WriteText, then WriteNodeEnd); with 0 a line end follows the tag.
    static void WriteHeader(CFile& file, int level, int inlineText, std::string_view tag,
                            std::initializer_list<Attr> attrs);
    // A whole element at depth level whose text is value.
    static void WriteAttrStr(CFile& file, std::string_view tag, std::string_view value,
                             int level);
    // An end tag; indented unless it closes a line of inline text. The last argument is 0.
    static void WriteNodeEnd(CFile& file, int level, std::string_view tag, int flags);

    // The escaped forms, for tests and for writers of their own.
    static std::string EscapeText(std::string_view text);
    static std::string EscapeAttr(std::string_view value);
};
