#include <string>

#include "orvmenu/EnvMgr.h"
#include "services/win32/Win32.h"

std::string CEnvMgr::GetExecutableDir() {
    // The path may be longer than MAX_PATH: grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return ".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768) return ".";
        path.resize(path.size() * 2);
    }
    // Cut at the last separator of the wide path: in code-page text a backslash may be the
    // second byte of a Chinese character.
    const auto sep = path.find_last_of(L"\\/");
    if (sep == std::wstring::npos) return ".";
    return orv::win32::Narrow(std::wstring_view(path).substr(0, sep));
}
