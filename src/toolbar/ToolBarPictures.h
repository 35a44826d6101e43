// The button pictures a toolbar has decoded, kept while their files stay as they were: a group
// switch would otherwise read, check and decode the same few files again for every group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/File.h"
#include "ui/FormBitmap.h"

namespace orv::toolbar {

class Pictures {
public:
    // At most this many pictures, and this many bytes of their pixels (4 a pixel), are kept;
    // the one used longest ago goes first.
    static constexpr std::size_t kMaxPictures = 64;
    static constexpr std::uint64_t kMaxBytes = 16ull * 1024 * 1024;

    // The picture at path, or null when it lies outside the image folder or cannot be read.
    // The file is read again whenever its stamp (size, times, identity) or the image folder
    // changed since it was read. The picture stays valid until Clear, or until another path
    // is asked for (which may push it out).
    const CFormBitmap* Get(const std::string& path);
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        std::string path;
        std::string folder;  // the image folder the path was checked against
        orv::file::Stamp stamp;
        std::unique_ptr<CFormBitmap> picture;
        std::uint64_t bytes = 0;
        std::uint64_t used = 0;
    };
    // Drops entries, longest unused first, until one more of bytes fits.
    void MakeRoom(std::uint64_t bytes);

    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace orv::toolbar
