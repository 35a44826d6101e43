#include "testsupport/check/Positions.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace orv::check {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

ColumnUnit UnitOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return ColumnUnit::Characters;
    if (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')) return ColumnUnit::Characters;  // UTF-16 without the mark
    if (bytes.starts_with("\xEF\xBB\xBF") || !bytes.starts_with("<?xml")) return ColumnUnit::Utf8Bytes;
    const std::string declaration = Lower(bytes.substr(0, bytes.find("?>")));
    const std::size_t at = declaration.find("encoding");
    if (at == std::string::npos) return ColumnUnit::Utf8Bytes;
    const std::size_t open = declaration.find_first_of("\"'", at);
    if (open == std::string::npos) return ColumnUnit::Utf8Bytes;
    const std::string name = declaration.substr(open + 1, declaration.find(declaration[open], open + 1) - open - 1);
    if (name == "big5" || name == "cp950" || name == "ms950" || name == "windows-950" || name == "x-big5") return ColumnUnit::Cp950Bytes;
    if (name == "iso-8859-1") return ColumnUnit::Characters;  // a byte a character
    return ColumnUnit::Utf8Bytes;
}

// Columns the character at i takes, and its length in the UTF-8 text.
std::size_t Positions::Width(std::size_t i, std::size_t& length) const {
    const auto lead = static_cast<unsigned char>(text_[i]);
    length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if (text_[i] == '\r') return 0;
    switch (unit_) {
    case ColumnUnit::Utf8Bytes: return length;
    case ColumnUnit::Cp950Bytes: return lead < 0x80 ? 1 : 2;
    case ColumnUnit::Characters: return 1;
    }
    return 1;
}

TextPosition Positions::At(std::size_t offset) {
    offset = std::min(offset, text_.size());
    if (offset < from_) {
        from_ = 0;
        pos_ = {};
    }
    std::size_t i = from_;
    while (i < offset) {
        if (text_[i] == '\n') {
            ++pos_.line;
            pos_.column = 1;
            ++i;
            continue;
        }
        std::size_t length = 1;
        pos_.column += static_cast<int>(Width(i, length));
        i += length;
    }
    from_ = i;
    return pos_;
}

TextPosition Positions::FromCharacters(TextPosition at) const {
    std::size_t i = 0;
    for (int line = 1; line < at.line && i < text_.size(); ++line) {
        const std::size_t end = text_.find('\n', i);
        if (end == std::string_view::npos) return at;
        i = end + 1;
    }
    TextPosition out{at.line, 1};
    for (int column = 1; column < at.column && i < text_.size() && text_[i] != '\n'; ++column) {
        std::size_t length = 1;
        if (text_[i] == '\r') {  // the reader counts no column for it either
            ++i;
            --column;
            continue;
        }
        out.column += static_cast<int>(Width(i, length));
        i += length;
    }
    return out;
}

std::vector<TagPositions> ScanTags(std::string_view text, ColumnUnit unit) {
    Positions positions(text, unit);
    const auto skipName = [&](std::size_t i) {
        while (i < text.size() && !IsSpace(text[i]) && text[i] != '=' && text[i] != '>' && text[i] != '/') ++i;
        return i;
    };
    std::vector<TagPositions> tags;
    for (std::size_t i = text.find('<'); i != std::string_view::npos; i = text.find('<', i)) {
        const std::string_view rest = text.substr(i);
        std::string_view close;
        if (rest.starts_with("<!--")) close = "-->";
        else if (rest.starts_with("<![CDATA[")) close = "]]>";
        else if (rest.starts_with("<?")) close = "?>";
        else if (rest.starts_with("<!") || rest.starts_with("</")) close = ">";
        if (!close.empty()) {
            const std::size_t end = text.find(close, i + 2);
            if (end == std::string_view::npos) break;
            i = end + close.size();
            continue;
        }
        TagPositions tag;
        tag.at = positions.At(i);
        i = skipName(i + 1);
        for (;;) {
            while (i < text.size() && IsSpace(text[i])) ++i;
            if (i >= text.size() || text[i] == '>' || text[i] == '/') break;
            tag.attrs.push_back(positions.At(i));
            i = skipName(i);
            while (i < text.size() && (IsSpace(text[i]) || text[i] == '=')) ++i;
            if (i >= text.size()) break;
            const std::size_t endQuote = text.find(text[i], i + 1);
            if (endQuote == std::string_view::npos) break;
            i = endQuote + 1;
        }
        tags.push_back(std::move(tag));
    }
    return tags;
}

// One pass over the markup with a stack of the elements open. An end tag that does not close
// the innermost open element shows that element was left open, when the end tag closes one
// further out; a quote runs on past the next '<' only when it was left open (a value cannot
// hold '<'); the end of the text shows whatever is still open.
std::optional<LeftOpen> FindLeftOpen(std::string_view text, ColumnUnit unit) {
    Positions positions(text, unit);
    struct Open {
        std::string name;
        std::size_t offset;
    };
    std::vector<Open> open;
    const auto nameAt = [&](std::size_t i) {
        std::size_t end = i;
        while (end < text.size() && !IsSpace(text[end]) && text[end] != '>' && text[end] != '/' && text[end] != '<' && text[end] != '=') ++end;
        return text.substr(i, end - i);
    };
    const auto result = [&](std::size_t at, std::size_t noticed, std::string message) {
        LeftOpen found;
        found.at = positions.At(at);
        found.noticed = positions.At(std::max(at, noticed));
        found.message = std::move(message);
        return std::optional<LeftOpen>(std::move(found));
    };
    std::size_t i = 0;
    while ((i = text.find('<', i)) != std::string_view::npos) {
        const std::string_view rest = text.substr(i);
        std::string_view close, what;
        if (rest.starts_with("<!--")) close = "-->", what = "the comment";
        else if (rest.starts_with("<![CDATA[")) close = "]]>", what = "the CDATA section";
        else if (rest.starts_with("<?")) close = "?>", what = "the processing instruction";
        else if (rest.starts_with("<!")) close = ">", what = "the declaration";
        if (!close.empty()) {
            const std::size_t end = text.find(close, i + 2);
            if (end == std::string_view::npos) {
                return result(i, text.size(), std::string(what) + " opened here is never closed with '" + std::string(close) + "'");
            }
            i = end + close.size();
            continue;
        }
        if (rest.starts_with("</")) {
            const std::string name(nameAt(i + 2));
            const std::size_t end = text.find('>', i);
            const std::size_t next = text.find('<', i + 1);
            if (end == std::string_view::npos || (next != std::string_view::npos && next < end)) {
                return result(i, next, "the end tag </" + name + "> opened here is never closed with '>'");
            }
            if (open.empty()) return result(i, i, "the end tag </" + name + "> closes no element: none is open here");
            if (open.back().name != name) {
                const auto outer = std::find_if(open.rbegin(), open.rend(), [&](const Open& o) { return o.name == name; });
                if (outer == open.rend()) {
                    const TextPosition openedAt = positions.At(open.back().offset);
                    const std::string message = "the end tag </" + name + "> does not close the open <" + open.back().name +
                                                "> (line " + std::to_string(openedAt.line) + ")";
                    return result(i, i, message);
                }
                const TextPosition closedAt = positions.At(i);
                return result(open.back().offset, i,
                              "element <" + open.back().name + "> is never closed: the </" + name + "> at line " +
                                  std::to_string(closedAt.line) + " closes its parent first");
            }
            open.pop_back();
            i = end + 1;
            continue;
        }
        // A start tag: its name, then attributes up to '>' or '/>'.
        const std::size_t start = i;
        const std::string name(nameAt(i + 1));
        i += 1 + name.size();
        const std::size_t nextTag = text.find('<', i);  // once: a tag may hold many quotes
        bool closed = false;
        while (i < text.size()) {
            const char c = text[i];
            if (c == '>') {
                open.push_back({name, start});
                closed = true;
                ++i;
                break;
            }
            if (c == '/' && i + 1 < text.size() && text[i + 1] == '>') {
                closed = true;
                i += 2;
                break;
            }
            if (c == '<') break;
            if (c == '"' || c == '\'') {
                const std::size_t quoteEnd = text.find(c, i + 1);
                if (quoteEnd == std::string_view::npos || (nextTag != std::string_view::npos && nextTag < quoteEnd)) {
                    return result(i, nextTag == std::string_view::npos ? text.size() : nextTag,
                                  std::string("the quote (") + c + ") opened here in <" + name + "> is never closed");
                }
                i = quoteEnd + 1;
                continue;
            }
            ++i;
        }
        if (!closed) return result(start, i, "the tag <" + name + "> opened here is never closed with '>'");
    }
    if (!open.empty()) {
        return result(open.back().offset, text.size(), "element <" + open.back().name + "> is never closed: the file ends first");
    }
    return std::nullopt;
}

}  // namespace orv::check
