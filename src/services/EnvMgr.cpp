#include "orvmenu/EnvMgr.h"

#include <cstdlib>

namespace {

struct Directory {
    const char* envName;
    const char* besideExecutable;
    std::string set;  // the host's setting; empty when none
};

Directory gData{"ORV_DATA_DIR", "Data", {}};
Directory gDataUser{"ORV_DATA_USER_DIR", "Data/User", {}};
Directory gForm{"ORV_FORM_DIR", "Form", {}};
Directory gImage{"ORV_IMAGE_DIR", "Image", {}};

std::string WithoutTrailingSeparator(std::string dir) {
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
    return dir;
}

std::string Resolve(const Directory& d) {
    if (!d.set.empty()) return d.set;
    if (const char* env = std::getenv(d.envName); env != nullptr && *env != '\0') {
        return WithoutTrailingSeparator(env);
    }
    return CEnvMgr::GetExecutableDir() + "/" + d.besideExecutable;
}

}  // namespace

std::string CEnvMgr::GetDataDir() { return Resolve(gData); }
std::string CEnvMgr::GetDataUserDir() { return Resolve(gDataUser); }
std::string CEnvMgr::GetFormDir() { return Resolve(gForm); }
std::string CEnvMgr::GetImageDir() { return Resolve(gImage); }

void CEnvMgr::SetDataDir(std::string dir) { gData.set = WithoutTrailingSeparator(std::move(dir)); }
void CEnvMgr::SetDataUserDir(std::string dir) { gDataUser.set = WithoutTrailingSeparator(std::move(dir)); }
void CEnvMgr::SetFormDir(std::string dir) { gForm.set = WithoutTrailingSeparator(std::move(dir)); }
void CEnvMgr::SetImageDir(std::string dir) { gImage.set = WithoutTrailingSeparator(std::move(dir)); }
