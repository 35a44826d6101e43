#include "toolbar/ToolBarPictures.h"

#include <algorithm>

#include "orvmenu/EnvMgr.h"
#include "toolbar/ToolBarImpl.h"

namespace orv::toolbar {

const CFormBitmap* Pictures::Get(const std::string& path) {
    if (path.empty()) return nullptr;
    orv::file::Stamp stamp;
    // A file that is gone, or is no file, is never answered from what was read before.
    const bool stamped = orv::file::GetStamp(path, stamp);
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    const std::string folder = CEnvMgr::GetImageDir();
    if (found != entries_.end()) {
        if (stamped && found->stamp == stamp && found->folder == folder) {
            found->used = ++clock_;
            return found->picture.get();
        }
        entries_.erase(found);
    }
    if (!stamped || !IsInImageFolder(path)) return nullptr;
    auto picture = std::make_unique<CFormBitmap>();
    if (!picture->Load(path)) return nullptr;
    // Kept under the stamp taken before the read: a file written since is read again next time.
    const auto bytes = static_cast<std::uint64_t>(picture->GetWidth()) * static_cast<std::uint64_t>(picture->GetHeight()) * 4;
    MakeRoom(bytes);
    entries_.push_back(Entry{path, folder, stamp, std::move(picture), bytes, ++clock_});
    return entries_.back().picture.get();
}

void Pictures::MakeRoom(std::uint64_t bytes) {
    for (;;) {
        std::uint64_t total = bytes;
        for (const Entry& e : entries_) total += e.bytes;
        if (entries_.empty() || (entries_.size() < kMaxPictures && total <= kMaxBytes)) return;
        entries_.erase(std::min_element(entries_.begin(), entries_.end(),
                                        [](const Entry& a, const Entry& b) { return a.used < b.used; }));
    }
}

}  // namespace orv::toolbar
