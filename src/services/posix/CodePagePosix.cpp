// Code page 950 on iconv. iconv is slow per call, so the two directions are turned into tables
// once, on first use; after that a conversion is a table lookup per character.
#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

#include "services/CodePage.h"

namespace orv::cp950 {
namespace {

struct Tables {
    std::array<char16_t, 0x10000> decode{};       // lead << 8 | trail -> UTF-16, 0 = none
    std::array<std::uint16_t, 0x10000> encode{};  // UTF-16 -> lead << 8 | trail, 0 = none
};

const Tables& GetTables() {
    static std::unique_ptr<Tables> tables;
    static std::once_flag once;
    std::call_once(once, [] {
        tables = std::make_unique<Tables>();
        iconv_t cd = iconv_open("UTF-16LE", "CP950");
        if (cd == reinterpret_cast<iconv_t>(-1)) return;  // no table: every non-ASCII is '?'
        for (unsigned lead = 0x81; lead <= 0xfe; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xfe; ++trail) {
                if (trail > 0x7e && trail < 0xa1) continue;
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                unsigned char out[8] = {};
                char* inp = in;
                char* outp = reinterpret_cast<char*>(out);
                std::size_t inLeft = 2, outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1)) continue;
                if (sizeof out - outLeft != 2) continue;  // outside the basic plane: not kept
                const auto unit = static_cast<char16_t>(out[0] | (out[1] << 8));
                const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
                tables->decode[code] = unit;
                if (tables->encode[unit] == 0) tables->encode[unit] = code;
            }
        }
        iconv_close(cd);
    });
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

void AppendUtf8(std::string& out, char32_t cp) {
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

// Decodes one UTF-8 sequence at s[i]; a malformed one yields U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xe0) == 0xc0 && b0 >= 0xc2) {
        extra = 1, cp = b0 & 0x1f;
    } else if ((b0 & 0xf0) == 0xe0) {
        extra = 2, cp = b0 & 0x0f;
    } else if ((b0 & 0xf8) == 0xf0 && b0 <= 0xf4) {
        extra = 3, cp = b0 & 0x07;
    } else {
        ++i;
        return 0xfffd;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return 0xfffd;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xc0) != 0x80) {
            ++i;
            return 0xfffd;
        }
        cp = (cp << 6) | (b & 0x3f);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) {
        ++i;
        return 0xfffd;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
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

std::string FromUtf16(std::u16string_view utf16) {
    const Tables& t = GetTables();
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xd800 && u <= 0xdbff && i + 1 < utf16.size() && utf16[i + 1] >= 0xdc00 &&
            utf16[i + 1] <= 0xdfff) {
            ++i;  // outside the basic plane: the code page holds none of those
            out.push_back('?');
            continue;
        }
        AppendEncoded(out, (u >= 0xd800 && u <= 0xdfff) ? 0xfffd : u, t);
    }
    return out;
}

std::string ToUtf8(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    const Tables& t = GetTables();
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        if (CharLength(text, i) == 2) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            const char16_t u = t.decode[static_cast<std::size_t>(lead << 8 | trail)];
            if (u != 0) {
                AppendUtf8(out, u);
                i += 2;
                continue;
            }
        }
        out.push_back('?');
        ++i;
    }
    return out;
}

std::u16string ToUtf16(std::string_view text) {
    const Tables& t = GetTables();
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        if (CharLength(text, i) == 2) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            const char16_t u = t.decode[static_cast<std::size_t>(lead << 8 | trail)];
            if (u != 0) {
                out.push_back(u);
                i += 2;
                continue;
            }
        }
        out.push_back(u'?');
        ++i;
    }
    return out;
}

}  // namespace orv::cp950
