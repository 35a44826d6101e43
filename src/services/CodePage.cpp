#include "services/CodePage.h"

#include <memory>

#include "services/CodePageTables.h"

namespace orv::cp950 {
namespace {

using detail::Tables;

// Built on first use. A function-local static, not std::call_once: after the first call it
// costs one guard load, where call_once touches thread-local state on every conversion.
const Tables& GetTables() {
    static const std::unique_ptr<const Tables> tables = [] {
        auto built = std::make_unique<Tables>();
        detail::BuildTables(*built);
        return built;
    }();
    return *tables;
}

bool IsAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

void AppendEncoded(std::string& out, char32_t cp, const Tables& t) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    const std::uint16_t code = cp < 0x10000 ? t.encode[cp] : 0;
    if (code == 0) {
        out.push_back('?');
        return;
    }
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xff));
}

// Decodes one UTF-8 sequence at s[i]; a malformed one yields U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t extra;
    char32_t cp;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if (b0 >= 0xc2 && b0 <= 0xdf) extra = 1, cp = b0 & 0x1f;
    else if ((b0 & 0xf0) == 0xe0) extra = 2, cp = b0 & 0x0f;
    else if (b0 >= 0xf0 && b0 <= 0xf4) extra = 3, cp = b0 & 0x07;
    else extra = 0, cp = 0;
    bool ok = extra > 0 && i + extra < s.size();
    for (std::size_t k = 1; ok && k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        ok = (b & 0xc0) == 0x80;
        cp = (cp << 6) | (b & 0x3f);
    }
    ok = ok && !((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10ffff ||
                 (cp >= 0xd800 && cp <= 0xdfff));
    if (!ok) {
        ++i;
        return 0xfffd;
    }
    i += extra + 1;
    return cp;
}

// The character at text[i] in UTF-16, advancing i; '?' for a byte sequence that is none.
char16_t NextChar(std::string_view text, std::size_t& i, const Tables& t) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if (CharLength(text, i) == 2) {
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        const char16_t u = t.decode[static_cast<std::size_t>(lead << 8 | trail)];
        if (u != 0) {
            i += 2;
            return u;
        }
    }
    ++i;
    return u'?';
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    const Tables& t = GetTables();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) AppendEncoded(out, NextUtf8(utf8, i), t);
    return out;
}

namespace {

// UTF-16 in units of either type. Names and values are mostly ASCII: those are copied across
// without the tables, into a string of their exact size.
template <typename Unit>
std::string FromUtf16Units(std::basic_string_view<Unit> utf16) {
    std::size_t ascii = 0;
    while (ascii < utf16.size() && static_cast<char16_t>(utf16[ascii]) < 0x80) ++ascii;
    std::string out;
    out.reserve(ascii == utf16.size() ? ascii : utf16.size() * 2);
    for (std::size_t i = 0; i < ascii; ++i) out.push_back(static_cast<char>(utf16[i]));
    if (ascii == utf16.size()) return out;
    const Tables& t = GetTables();
    for (std::size_t i = ascii; i < utf16.size(); ++i) {
        const auto u = static_cast<char16_t>(utf16[i]);
        if (u >= 0xd800 && u <= 0xdbff && i + 1 < utf16.size() && static_cast<char16_t>(utf16[i + 1]) >= 0xdc00 &&
            static_cast<char16_t>(utf16[i + 1]) <= 0xdfff) {
            ++i;  // one character outside the basic plane: the code page holds none of those
            out.push_back('?');
            continue;
        }
        AppendEncoded(out, (u >= 0xd800 && u <= 0xdfff) ? 0xfffd : u, t);
    }
    return out;
}

}  // namespace

std::string FromUtf16(std::u16string_view utf16) { return FromUtf16Units(utf16); }

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t));
std::string FromUtf16(std::wstring_view utf16) { return FromUtf16Units(utf16); }
#endif

std::string ToUtf8(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    const Tables& t = GetTables();
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size();) orv::utf8::Append(out, NextChar(text, i, t));
    return out;
}

std::u16string ToUtf16(std::string_view text) {
    const Tables& t = GetTables();
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out.push_back(NextChar(text, i, t));
    return out;
}

std::size_t ValidLength(std::string_view text) {
    if (IsAscii(text)) return text.size();
    const Tables& t = GetTables();
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (CharLength(text, i) != 2) break;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (t.decode[static_cast<std::size_t>(lead << 8 | trail)] == 0) break;
        i += 2;
    }
    return i;
}

std::size_t Find(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i)) {
        if (text.compare(i, needle.size(), needle) == 0) return i;
    }
    return std::string_view::npos;
}

}  // namespace orv::cp950

namespace orv::utf8 {

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3f)));
    }
}

}  // namespace orv::utf8

std::string CFmtString::GetCodePageString(std::string_view utf8, std::string_view codePage) {
    // The terminal runs in one code page; "CHT" names it. Any other name gets the same text, so
    // a caller's typo shows as a wrong name, not as lost text.
    (void)codePage;
    return orv::cp950::FromUtf8(utf8);
}
