#include "services/XMLData.h"

#include "services/CodePage.h"
#include "services/File.h"

namespace {

void Indent(CFile& file, int level) {
    if (level > 0) file.Write(std::string(static_cast<std::size_t>(level), '\t'));
}

// Characters XML 1.0 cannot carry at all, even as references, become '?'.
bool IsForbiddenControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

std::string Escape(std::string_view text, bool attribute) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // The second byte of a double-byte character may look like ASCII markup ('@' to '~'):
        // never escape inside a character.
        if (orv::cp950::CharLength(text, i) == 2) {
            out.append(text.substr(i, 2));
            ++i;
            continue;
        }
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        // A parser turns a literal CR LF into LF, and white space in an attribute into blanks:
        // references keep them as they were. A line end in text is a reference too, so the
        // writer's own line ends never mix with the text.
        case '\r': out += "&#13;"; break;
        case '\n': out += "&#10;"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        default:
            out.push_back(IsForbiddenControl(static_cast<unsigned char>(c)) ? '?' : c);
            break;
        }
    }
    return out;
}

}  // namespace

void CXMLData::StartUniCode(CFile& file) {
    // Files are UTF-8 without a byte-order mark; the declaration that follows names it.
    (void)file;
}

void CXMLData::WriteString(CFile& file, std::string_view text) { file.Write(orv::cp950::ToUtf8(text)); }

void CXMLData::WriteText(CFile& file, std::string_view text) { WriteString(file, EscapeText(text)); }

void CXMLData::WriteNodeStart(CFile& file, int level, std::string_view tag) {
    Indent(file, level);
    file.Write("<");
    WriteString(file, tag);
    file.Write(">\r\n");
}

void CXMLData::WriteHeader(CFile& file, int level, int inlineText, std::string_view tag,
                           std::initializer_list<Attr> attrs) {
    Indent(file, level);
    std::string head = "<";
    head += tag;
    for (const auto& [name, value] : attrs) {
        head += ' ';
        head += name;
        head += "=\"";
        head += EscapeAttr(value);
        head += '"';
    }
    head += '>';
    if (inlineText == 0) head += "\r\n";
    WriteString(file, head);
}

void CXMLData::WriteAttrStr(CFile& file, std::string_view tag, std::string_view value, int level) {
    Indent(file, level);
    std::string line = "<";
    line += tag;
    line += '>';
    line += EscapeText(value);
    line += "</";
    line += tag;
    line += ">\r\n";
    WriteString(file, line);
}

void CXMLData::WriteNodeEnd(CFile& file, int level, std::string_view tag, int flags) {
    (void)flags;
    // After a start tag written for inline text the line is still open: close it in place.
    if (file.LastByte() == '\n') Indent(file, level);
    std::string end = "</";
    end += tag;
    end += ">\r\n";
    WriteString(file, end);
}

std::string CXMLData::EscapeText(std::string_view text) { return Escape(text, false); }
std::string CXMLData::EscapeAttr(std::string_view value) { return Escape(value, true); }
