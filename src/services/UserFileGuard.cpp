#include <algorithm>

#include "services/File.h"

namespace orv::file {

void UserFileGuard::ReadFailed(const std::string& path) {
    try {
        if (!KeepUnreadable(path)) refused_.push_back(NativePath(path));
    } catch (...) {
        refuseAll_ = true;  // out of memory: no path can be noted, so none is written
    }
}

bool UserFileGuard::MayWrite(const std::string& path) const {
    if (refuseAll_) return false;
    try {
        return std::find(refused_.begin(), refused_.end(), NativePath(path)) == refused_.end();
    } catch (...) {
        return false;
    }
}

}  // namespace orv::file
