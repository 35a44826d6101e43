// <windows.h> for the Win32 back end of the services.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace orv::win32 {

// Terminal text (code page 950) as a wide string for the W functions, and back.
ORV_SERVICES_API std::wstring Wide(std::string_view text);
ORV_SERVICES_API std::string Narrow(std::wstring_view wide);

}  // namespace orv::win32
