#include <algorithm>

#include "services/File.h"

namespace orv::file {

void UserFileGuard::ReadFailed(const std::string& path) {
    if (!KeepUnreadable(path)) refused_.push_back(NativePath(path));
}

bool UserFileGuard::MayWrite(const std::string& path) const {
    return std::find(refused_.begin(), refused_.end(), NativePath(path)) == refused_.end();
}

}  // namespace orv::file
