// CFile: how the library writes files; orv::file: reading and probing them.
//
// Paths may use '/' or '\\' between folders on every platform. A file opened for writing is
// written into a temporary file beside the target and only replaces the target when Close
// succeeds, so a crash, a full disk or a failed write leaves the old file whole.
#pragma once

#include "orvmenu/CodePage.h"  // NativePath
#include "orvmenu/OrvLibApi.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ORV_SERVICES_API CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile();  // an unfinished write is discarded; the target stays as it was

    // Opens path for writing; flags must hold modeCreate and modeWrite or modeReadWrite (the
    // target is replaced as a whole at Close). False when the file cannot be created.
    bool Open(const std::string& path, unsigned flags);
    bool IsOpen() const;
    // Appends to the document in memory; nothing reaches the disk before Close.
    void Write(std::string_view bytes);
    // Commits a write: the document in one write, sync to disk, rename over the target, sync
    // the folder. False when any step failed: the target is then unchanged, except after a
    // failed folder sync, when it is the new file but may not survive a power cut.
    bool Close();

    // The last byte written, or 0 (lets the XML writer lay out end tags).
    char LastByte() const { return last_; }

private:
    struct Impl;
    Impl* impl_ = nullptr;
    char last_ = 0;
};

namespace orv::file {

ORV_SERVICES_API bool Exists(const std::string& path);  // a regular file

// What tells one version of a file from another without opening it: its size and times, and on
// POSIX the file's device and inode (a file saved by rename is a new inode). Two equal stamps of
// the same path are taken to be the same bytes.
struct Stamp {
    unsigned long long size = 0;
    unsigned long long written = 0;  // last write time
    unsigned long long changed = 0;  // POSIX: status change time; Windows: creation time
    unsigned long long device = 0;
    unsigned long long inode = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
};
// The stamp of a regular file; false for anything else or a path that does not exist.
ORV_SERVICES_API bool GetStamp(const std::string& path, Stamp& out);
// Whether path names a file inside folder (at any depth) once ".." and symbolic links are
// resolved in both; false when either does not exist.
ORV_SERVICES_API bool IsInside(const std::string& folder, const std::string& path);
// Reads a whole file; false when it is missing, unreadable or larger than maxBytes.
ORV_SERVICES_API bool ReadAll(const std::string& path, std::string& out, std::size_t maxBytes);

// For the back ends' ReadAll: reads an open file straight into out, one copy of its bytes.
// size, the file's size when it was opened, is only a guess: a file may grow or shrink while
// it is read. read(into, n) returns how many bytes it read, 0 at the end, below 0 on failure.
template <typename Read>
bool ReadInto(std::string& out, std::size_t size, std::size_t maxBytes, Read read) {
    constexpr std::size_t kGrowth = 1u << 16;
    out.clear();
    if (size > maxBytes) return false;
    out.resize(size);
    std::size_t got = 0;
    for (;;) {
        if (got < out.size()) {
            const long long n = read(out.data() + got, out.size() - got);
            if (n < 0) break;
            if (n == 0) {
                out.resize(got);  // the file shrank
                return true;
            }
            got += static_cast<std::size_t>(n);
            continue;
        }
        // Full: the end is nearly always here. One byte asked before growing, so that a file
        // read whole is never copied into a larger string.
        char next = 0;
        const long long n = read(&next, 1);
        if (n == 0) return true;
        if (n < 0 || got >= maxBytes) break;
        out.resize(got + std::min(kGrowth, maxBytes - got));
        out[got++] = next;
    }
    out.clear();
    return false;
}

// A user file that exists but could not be read is never written over: before the caller
// replaces it, this keeps a copy beside it ("name.unreadable", or "name.unreadable.N" when that
// is taken). True when the copy was made or there is nothing to keep; false when the file could
// not be copied, and then the caller must not write over it.
ORV_SERVICES_API bool KeepUnreadable(const std::string& path);

// The user files a component reads and writes back. After a failed read the file is kept
// beside itself (KeepUnreadable); when no copy can be made, every later write to it is refused,
// so the user's data is never replaced by what the component could not read.
class ORV_SERVICES_API UserFileGuard {
public:
    void ReadFailed(const std::string& path);
    bool MayWrite(const std::string& path) const;

private:
    std::vector<std::string> refused_;  // native paths
    bool refuseAll_ = false;
};

// Test seam: a test arms it so that the Nth file operation of a write from now fails the way a
// full or failing disk fails it (ENOSPC/EIO; ERROR_DISK_FULL/ERROR_WRITE_FAULT), on the real
// system calls of either back end, or the Nth picture allocation fails as memory runs out. Unarmed, each operation costs one test of a counter.
namespace fault {

enum class Op : unsigned char {
    Open,         // creating the temporary file
    Write,        // a write into it
    Flush,        // fsync / FlushFileBuffers
    Close,        // close / CloseHandle (the handle is released all the same)
    Rename,       // the rename over the target
    FolderFlush,  // the folder's entry made durable (after the rename)
    CopyRead,     // reading an unreadable file for the copy kept beside it
    Link,         // the second link that keeps it when it cannot be read
    // Not a file operation: the toolkit's creation of a bitmap, a memory context or an image
    // list (or an image in one) fails as the window system's does out of memory.
    Alloc,
};
ORV_SERVICES_API const char* OpName(Op op);

// The nth operation from now fails (1: the next one); with persistent every later one fails
// too, as on a full disk. n = 0 disarms.
ORV_SERVICES_API void FailAt(unsigned n, bool persistent = false);
// The same for the toolkit's picture allocations (Op::Alloc), which FailAt does not count.
ORV_SERVICES_API void FailAllocationAt(unsigned n);
ORV_SERVICES_API void Disarm();
ORV_SERVICES_API unsigned Counted();  // operations seen since FailAt
// Records every operation the back ends reach, armed or not, in order, until Record(false).
ORV_SERVICES_API void Record(bool on);
ORV_SERVICES_API std::vector<Op> Recorded();
ORV_SERVICES_API bool Fired();        // whether an operation was made to fail since FailAt
ORV_SERVICES_API Op FirstFailed();    // the first one that did

// For the back ends: true when this operation must fail.
ORV_SERVICES_API bool Inject(Op op);

}  // namespace fault

}  // namespace orv::file
