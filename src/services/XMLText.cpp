// The reader's work on a document's text, before and beside the parse: its bytes turned into
// UTF-8, the pass that finds what a parsed document may still not hold, and positions. Pure
// functions of the text: the checker compiles this file in, as it checks by the reader's rules.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_set>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "services/CodePage.h"
#include "services/File.h"
#include "services/XMLParser.h"

namespace orv::xml {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsXmlChar(char32_t cp) {
    return cp == 0x9 || cp == 0xa || cp == 0xd || (cp >= 0x20 && cp <= 0xd7ff) ||
           (cp >= 0xe000 && cp <= 0xfffd) || (cp >= 0x10000 && cp <= 0x10ffff);
}

// How many of the bytes at p, up to a block, are ASCII that XML allows: printable characters,
// tab, line feed and carriage return. Markup and indentation are nearly all such runs.
#ifdef __SSE2__
constexpr std::size_t kRun = 16;

std::size_t PlainAsciiRun(const unsigned char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    // Bytes with the top bit set compare below 0x20 as signed bytes, so one test finds both.
    const __m128i low = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));
    const __m128i allowed = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x09)), _mm_cmpeq_epi8(v, _mm_set1_epi8(0x0a))),
                                         _mm_cmpeq_epi8(v, _mm_set1_epi8(0x0d)));
    const unsigned stops = static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(allowed, low)));
    return stops == 0 ? kRun : static_cast<std::size_t>(__builtin_ctz(stops));
}
#else
constexpr std::size_t kRun = 8;

std::size_t PlainAsciiRun(const unsigned char* p) {
    std::size_t k = 0;
    while (k < kRun && p[k] < 0x80 && (p[k] >= 0x20 || p[k] == 0x9 || p[k] == 0xa || p[k] == 0xd)) ++k;
    return k;
}
#endif

// Strict UTF-8 check, also refusing characters XML does not allow: the length of the valid
// start of the text, s.size() when all of it is.
std::size_t ValidXmlUtf8Length(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        // Markup is nearly all ASCII: skip runs of plain characters a block at a time. Text in
        // the code page's script runs character after character, so it is not tried there.
        if (p[i] < 0x80) {
            while (i + kRun <= n) {
                const std::size_t run = PlainAsciiRun(p + i);
                i += run;
                if (run < kRun) break;
            }
            if (i == n) break;
        }
        const unsigned b0 = p[i];
        if (b0 < 0x80) {
            if (b0 < 0x20 && b0 != 0x9 && b0 != 0xa && b0 != 0xd) return i;
            ++i;
            continue;
        }
        std::size_t extra;
        char32_t cp;
        if (b0 >= 0xc2 && b0 <= 0xdf) extra = 1, cp = b0 & 0x1f;
        else if ((b0 & 0xf0) == 0xe0) extra = 2, cp = b0 & 0x0f;
        else if (b0 >= 0xf0 && b0 <= 0xf4) extra = 3, cp = b0 & 0x07;
        else return i;
        if (i + extra >= n) return i;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xc0) != 0x80) return i;
            cp = (cp << 6) | (p[i + k] & 0x3f);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || !IsXmlChar(cp)) return i;
        i += extra + 1;
    }
    return n;
}

bool Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out) {
    if (bytes.size() % 2 != 0) return false;
    out.clear();
    out.reserve(bytes.size() * 3 / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xd800 && cp <= 0xdbff) {
            if (i + 3 >= bytes.size()) return false;
            const char32_t low = unit(i + 2);
            if (low < 0xdc00 || low > 0xdfff) return false;
            cp = 0x10000 + ((cp - 0xd800) << 10) + (low - 0xdc00);
            i += 2;
        } else if (cp >= 0xdc00 && cp <= 0xdfff) {
            return false;
        }
        if (!IsXmlChar(cp)) return false;
        orv::utf8::Append(out, cp);
    }
    return true;
}

// The value of encoding="..." in the XML declaration, lower case; empty when there is none.
std::string DeclaredEncoding(std::string_view bytes) {
    if (bytes.substr(0, 5) != "<?xml") return {};
    const auto end = bytes.find("?>");
    const std::string_view decl = bytes.substr(0, std::min(end, std::size_t{512}));
    const auto key = decl.find("encoding");
    if (key == std::string_view::npos) return {};
    auto q = decl.find_first_of("\"'", key);
    if (q == std::string_view::npos) return {};
    const auto close = decl.find(decl[q], q + 1);
    if (close == std::string_view::npos) return {};
    std::string name(decl.substr(q + 1, close - q - 1));
    std::transform(name.begin(), name.end(), name.begin(), Lower);
    return name;
}

}  // namespace

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

enum class Encoding { Utf8, Utf16Le, Utf16Be, Other };

// What the file's first bytes say it is, and where its text starts (after a byte-order mark).
Encoding Sniff(std::string_view bytes, std::size_t& start) {
    start = 0;
    if (bytes.starts_with(kUtf8Mark)) return start = kUtf8Mark.size(), Encoding::Utf8;
    if (bytes.starts_with("\xFF\xFE")) return start = 2, Encoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF")) return start = 2, Encoding::Utf16Be;
    if (bytes.starts_with(std::string_view("<\0?\0", 4))) return Encoding::Utf16Le;
    if (bytes.starts_with(std::string_view("\0<\0?", 4))) return Encoding::Utf16Be;
    const std::string encoding = DeclaredEncoding(bytes);
    if (encoding.empty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii") return Encoding::Utf8;
    return Encoding::Other;
}

}  // namespace

bool ToUtf8Document(std::string&& bytes, std::string& utf8) {
    std::size_t start = 0;
    if (Sniff(bytes, start) != Encoding::Utf8 || ValidXmlUtf8Length(std::string_view(bytes).substr(start)) != bytes.size() - start) {
        return ToUtf8Document(std::string_view(bytes), utf8);
    }
    bytes.erase(0, start);
    utf8 = std::move(bytes);
    return true;
}

bool ToUtf8Document(std::string_view bytes, std::string& utf8) {
    std::size_t start = 0;
    const Encoding sniffed = Sniff(bytes, start);
    bytes.remove_prefix(start);
    if (sniffed == Encoding::Utf16Le || sniffed == Encoding::Utf16Be) return Utf16ToUtf8(bytes, sniffed == Encoding::Utf16Be, utf8);
    if (sniffed == Encoding::Utf8) {
        const std::size_t valid = ValidXmlUtf8Length(bytes);
        utf8.assign(bytes.substr(0, valid));
        return valid == bytes.size();
    }
    const std::string encoding = DeclaredEncoding(bytes);
    if (encoding == "big5" || encoding == "cp950" || encoding == "ms950" ||
        encoding == "windows-950" || encoding == "x-big5") {
        // A byte sequence that is no character of the code page makes the file unreadable: read
        // on, it would become '?' and be written back so, the user's bytes lost.
        const std::size_t valid = orv::cp950::ValidLength(bytes);
        for (std::size_t i = 0; i < valid; ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x20 && b != 0x9 && b != 0xa && b != 0xd) {
                utf8 = orv::cp950::ToUtf8(bytes.substr(0, i));
                return false;
            }
        }
        utf8 = orv::cp950::ToUtf8(bytes.substr(0, valid));
        return valid == bytes.size();
    }
    if (encoding == "iso-8859-1" || encoding == "latin1" || encoding == "latin-1") {
        utf8.clear();
        utf8.reserve(bytes.size() + bytes.size() / 4);
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 && b != 0x9 && b != 0xa && b != 0xd) return false;
            orv::utf8::Append(utf8, b);
        }
        return true;
    }
    utf8.clear();
    return false;  // an encoding this reader does not know: the file is unreadable, not misread
}

MarkupFault FindMarkupFault(std::string_view text, int depthLimit) {
    // Plain loops throughout: the spans between two marks are a few bytes, shorter than a
    // library search's own set-up.
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    // One look-up a byte where a name ends: at white space, '=', '/' or '>'.
    enum : unsigned char { kSpace = 1, kNameEnd = 2 };
    static constexpr auto kClass = [] {
        std::array<unsigned char, 256> t{};
        for (const unsigned char c : {' ', '\t', '\r', '\n'}) t[c] = kSpace | kNameEnd;
        for (const unsigned char c : {'=', '/', '>'}) t[c] = kNameEnd;
        return t;
    }();
    const auto is = [](char c, unsigned char what) { return (kClass[static_cast<unsigned char>(c)] & what) != 0; };
    const auto startsWith = [&](const char* at, std::string_view s) {
        return static_cast<std::size_t>(end - at) >= s.size() && std::memcmp(at, s.data(), s.size()) == 0;
    };
    const auto skipPast = [&](const char* at, std::string_view close) {
        for (; at < end; ++at) {
            if (*at == close[0] && startsWith(at, close)) return at + close.size();
        }
        return end;
    };
    const auto fault = [&](std::string reason, const char* at) { return MarkupFault{std::move(reason), static_cast<std::size_t>(at - begin)}; };
    // A handful of attribute names is compared pairwise; a set would cost more to fill.
    constexpr int kPairwise = 16;
    std::string_view names[kPairwise];
    int depth = 0;
    for (const char* p = begin;;) {
        while (p < end && *p != '<') ++p;
        if (p == end) break;
        const char* const tag = p++;
        if (startsWith(p, "/")) {
            --depth;
            p = skipPast(p, ">");
        } else if (startsWith(p, "?")) {
            p = skipPast(p, "?>");
        } else if (startsWith(p, "!--")) {
            p = skipPast(p + 3, "-->");
        } else if (startsWith(p, "![CDATA[")) {
            p = skipPast(p, "]]>");
        } else if (startsWith(p, "!")) {
            p = skipPast(p, ">");  // a document type declaration: the document is refused anyway
        } else {
            if (++depth > depthLimit) return fault("elements nested deeper than " + std::to_string(depthLimit), tag);
            while (p < end && !is(*p, kNameEnd)) ++p;  // the element's name
            int count = 0;
            // Only for an element with many attributes; one that is never filled costs nothing.
            std::unordered_set<std::string_view> many;
            // Attributes to the first '>' outside a quoted value; every step moves on.
            while (p < end) {
                if (is(*p, kSpace)) {
                    ++p;
                    continue;
                }
                if (*p == '>') {
                    ++p;
                    break;
                }
                if (*p == '/') {  // an empty element
                    --depth;
                    p = skipPast(p, ">");
                    break;
                }
                const char* const name = p;
                while (p < end && !is(*p, kNameEnd)) ++p;
                const std::string_view attr(name, static_cast<std::size_t>(p - name));
                while (p < end && *p != '"' && *p != '\'') ++p;
                if (p == end) break;
                const char quote = *p++;
                for (; p < end && *p != quote; ++p) {
                    if (*p == '<') return fault("'<' in an attribute value", p);
                }
                if (p == end) break;
                ++p;
                if (count < kPairwise) {
                    for (int k = 0; k < count; ++k) {
                        // Names of one element mostly differ in length or first letter: no call.
                        if (names[k].size() == attr.size() && *names[k].data() == *attr.data() && names[k] == attr) {
                            return fault("an element with an attribute named twice", name);
                        }
                    }
                    names[count++] = attr;
                } else {
                    if (count == kPairwise) {
                        many.insert(names, names + kPairwise);
                        ++count;
                    }
                    if (!many.insert(attr).second) return fault("an element with an attribute named twice", name);
                }
            }
        }
    }
    return {};
}

TextPosition PositionOf(std::string_view utf8, std::size_t offset) {
    TextPosition at;
    offset = std::min(offset, utf8.size());
    for (std::size_t i = 0; i < offset; ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b == '\n') {
            ++at.line;
            at.column = 1;
        } else if ((b & 0xc0) != 0x80 && b != '\r') {
            ++at.column;  // a character starts here; continuation bytes and CR take no column
        }
    }
    return at;
}

}  // namespace orv::xml
