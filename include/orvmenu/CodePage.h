// Text in the terminal's code page (950, Traditional Chinese Big5), and the paths the library
// hands back.
//
// Every string the library hands a host (menu names, toolbar captions, tooltips, group names,
// message box texts) and every string it takes is code-page-950 text. A host that shows or
// logs them in UTF-8, or passes them to a wide-character API, converts them here. A character
// that the code page cannot hold becomes '?', and so does a malformed byte sequence, in both
// directions. These come from OrvServices (libOrvServices.so, OrvServices.dll).
#pragma once

#include <string>
#include <string_view>

#include "orvmenu/OrvLibApi.h"

namespace orv::cp950 {

// UTF-8 to the code page, and back.
ORV_SERVICES_API std::string FromUtf8(std::string_view utf8);
ORV_SERVICES_API std::string ToUtf8(std::string_view text);
// UTF-16 to the code page, and back.
ORV_SERVICES_API std::string FromUtf16(std::u16string_view utf16);
#ifdef _WIN32
// The same for the platform's own wide strings, which are UTF-16 on Windows.
ORV_SERVICES_API std::string FromUtf16(std::wstring_view utf16);
#endif
ORV_SERVICES_API std::u16string ToUtf16(std::string_view text);

}  // namespace orv::cp950

namespace orv::file {

// The path with every separator turned into the platform's own ('\\' on Windows, '/'
// elsewhere). The library builds the paths it returns the terminal's way, a backslash between
// folder and name (IOrvToolBar::GetFilePath, OrvToolBar::icon), and accepts either separator
// itself; a host that opens such a path with the standard library passes it through this first.
ORV_SERVICES_API std::string NativePath(std::string_view path);

}  // namespace orv::file
