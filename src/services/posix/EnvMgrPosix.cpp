#include <unistd.h>

#include <string>

#include "orvmenu/EnvMgr.h"

std::string CEnvMgr::GetExecutableDir() {
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) return ".";
    path.resize(static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string(slash == 0 ? "/" : ".")
                                                    : path.substr(0, slash);
}
