// Code page 950 on the system's own tables. Each direction is asked of the system once per
// character and kept in a table, so both back ends share one rule for what does not convert:
// a byte sequence that is not a character, a character the code page lacks and anything outside
// the basic plane become '?'; best-fit look-alikes are never substituted.
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

#include "services/CodePage.h"
#include "services/win32/Win32.h"

namespace orv::cp950 {
namespace {

constexpr UINT kCodePage = 950;

struct Tables {
    std::array<char16_t, 0x10000> decode{};       // lead << 8 | trail -> UTF-16, 0 = none
    std::array<std::uint16_t, 0x10000> encode{};  // UTF-16 -> lead << 8 | trail, 0 = none
};

const Tables& GetTables() {
    static std::unique_ptr<Tables> tables;
    static std::once_flag once;
    std::call_once(once, [] {
        tables = std::make_unique<Tables>();
        for (unsigned lead = 0x81; lead <= 0xfe; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xfe; ++trail) {
                if (trail > 0x7e && trail < 0xa1) continue;
                const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                wchar_t out[2] = {};
                if (::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, in, 2, out, 2) != 1) continue;
                tables->decode[lead << 8 | trail] = static_cast<char16_t>(out[0]);
            }
        }
        for (unsigned unit = 0x80; unit < 0x10000; ++unit) {
            if (unit >= 0xd800 && unit <= 0xdfff) continue;
            const wchar_t in = static_cast<wchar_t>(unit);
            char out[4] = {};
            BOOL usedDefault = FALSE;
            const int n = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, out,
                                                sizeof out, nullptr, &usedDefault);
            if (n != 2 || usedDefault) continue;  // single bytes above 0x7f are not text here
            tables->encode[unit] = static_cast<std::uint16_t>(
                static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
        }
    });
    return *tables;
}

bool IsAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

void AppendEncoded(std::string& out, char16_t unit, const Tables& t) {
    if (unit < 0x80) {
        out.push_back(static_cast<char>(unit));
        return;
    }
    const std::uint16_t code = t.encode[unit];
    if (code == 0) {
        out.push_back('?');
        return;
    }
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xff));
}

// Converts with the system, strictly: false for malformed input.
bool Utf8ToWide(std::string_view utf8, std::wstring& wide) {
    wide.clear();
    if (utf8.empty()) return true;
    if (utf8.size() > 0x7fffffff) return false;
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (n <= 0) return false;
    wide.resize(static_cast<std::size_t>(n));
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), n) == n;
}

// Decodes one UTF-8 sequence at s[i] by hand, for input the system refused: a malformed
// sequence yields U+FFFD and consumes one byte.
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

std::string FromUtf16(std::u16string_view utf16) {
    const Tables& t = GetTables();
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xd800 && u <= 0xdbff && i + 1 < utf16.size() && utf16[i + 1] >= 0xdc00 &&
            utf16[i + 1] <= 0xdfff) {
            ++i;  // one character outside the basic plane: the code page holds none of those
            out.push_back('?');
            continue;
        }
        AppendEncoded(out, (u >= 0xd800 && u <= 0xdfff) ? u'\xfffd' : u, t);
    }
    return out;
}

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::wstring wide;
    if (Utf8ToWide(utf8, wide)) return FromUtf16(std::u16string(wide.begin(), wide.end()));
    // Malformed UTF-8: one '?' per bad byte, the rest as usual.
    const Tables& t = GetTables();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextUtf8(utf8, i);
        AppendEncoded(out, cp < 0x10000 ? static_cast<char16_t>(cp) : u'\xfffd', t);
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

std::string ToUtf8(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    const std::wstring wide = orv::win32::Wide(text);
    if (wide.size() > 0x7fffffff) return {};
    const int size = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace orv::cp950

namespace orv::win32 {

std::wstring Wide(std::string_view text) {
    const std::u16string utf16 = orv::cp950::ToUtf16(text);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view wide) {
    return orv::cp950::FromUtf16(std::u16string(wide.begin(), wide.end()));
}

}  // namespace orv::win32
