// The code page's tables from the system's own converter, asked once per character. Best-fit
// look-alikes are never taken: what the code page lacks becomes '?', as on the other back end.
#include "services/CodePage.h"
#include "services/CodePageTables.h"
#include "services/win32/Win32.h"

namespace orv::cp950::detail {

void BuildTables(Tables& tables) {
    constexpr UINT kCodePage = 950;
    ForEachDoubleByteCode([&](unsigned lead, unsigned trail) {
        const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        wchar_t out[2] = {};
        if (::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, in, 2, out, 2) != 1) return;
        tables.decode[lead << 8 | trail] = static_cast<char16_t>(out[0]);
    });
    for (unsigned unit = 0x80; unit < 0x10000; ++unit) {
        if (unit >= 0xd800 && unit <= 0xdfff) continue;
        const wchar_t in = static_cast<wchar_t>(unit);
        char out[4] = {};
        BOOL usedDefault = FALSE;
        const int n = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, out, sizeof out,
                                            nullptr, &usedDefault);
        if (n != 2 || usedDefault) continue;  // single bytes above 0x7f are not text here
        tables.encode[unit] = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                                         static_cast<unsigned char>(out[1]));
    }
}

}  // namespace orv::cp950::detail

namespace orv::win32 {

std::wstring Wide(std::string_view text) {
    const std::u16string utf16 = orv::cp950::ToUtf16(text);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view wide) { return orv::cp950::FromUtf16(wide); }

}  // namespace orv::win32
