// Text in the terminal's code page (950, Traditional Chinese Big5).
//
// Every string in memory is code-page-950 text. These conversions are the only place where it
// meets Unicode: the XML reader converts into it, the XML writer out of it. A character that
// the code page cannot hold becomes '?', and so does a malformed byte sequence.
#pragma once

#include "orvmenu/CodePage.h"  // the conversions a host uses too
#include "orvmenu/OrvLibApi.h"

#include <string>
#include <string_view>

namespace orv::cp950 {

// Length in bytes of the character that starts at text[i] (1 or 2).
inline std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    return (lead >= 0x81 && lead <= 0xfe && i + 1 < text.size()) ? 2 : 1;
}

// Length of the longest start of text made of whole characters of the code page: the whole
// text when every byte sequence in it is one.
ORV_SERVICES_API std::size_t ValidLength(std::string_view text);

// Position of the first occurrence of needle in text that starts on a character boundary, or
// npos. Plain byte search would also match at the second byte of a double-byte character.
ORV_SERVICES_API std::size_t Find(std::string_view text, std::string_view needle);

}  // namespace orv::cp950

namespace orv::utf8 {
// Appends one character in UTF-8.
ORV_SERVICES_API void Append(std::string& out, char32_t cp);
}  // namespace orv::utf8

class ORV_SERVICES_API CFmtString {
public:
    // The UTF-8 literal text in the code page named by codePage ("CHT": 950).
    static std::string GetCodePageString(std::string_view utf8, std::string_view codePage);
};
