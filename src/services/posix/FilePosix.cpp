#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>
#include <string>

#include "services/File.h"

struct CFile::Impl {
    int fd = -1;
    std::string target;
    std::string temp;
    std::string bytes;  // the whole document, written at Close in one piece
};

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

using orv::file::fault::Inject;
using orv::file::fault::Op;

// A call the fault seam makes fail: nothing happened, and errno says why as a disk would.
bool Fail(int error) {
    errno = error;
    return false;
}

bool WriteAllFd(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        if (Inject(Op::Write)) return Fail(ENOSPC);
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk too. A folder that cannot be
// opened (no read permission) is left to the system; a flush that fails is a failed save.
bool SyncFolder(const std::string& path) {
    if (Inject(Op::FolderFlush)) return Fail(EIO);
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return true;
    const bool ok = ::fsync(dir) == 0 || errno == EINVAL;  // EINVAL: a folder that cannot sync
    ::close(dir);
    return ok;
}

// "NAME.orvtmp.<pid>.<n>": a save of NAME by process pid that never finished. A process that
// no longer runs will never finish it: its temporary files go. Those of running processes,
// this one included, may be saves in progress and stay.
void RemoveAbandonedTemporaries(const std::string& target) {
    const auto slash = target.find_last_of('/');
    const std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) + ".orvtmp.";
    DIR* dir = ::opendir(FolderOf(target).c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const char* digits = name.c_str() + prefix.size();
        char* end = nullptr;
        errno = 0;
        const long pid = std::strtol(digits, &end, 10);
        if (errno != 0 || end == digits || *end != '.' || pid <= 1 || pid > INT_MAX) continue;
        if (pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        ::unlink((target.substr(0, slash == std::string::npos ? 0 : slash + 1) + name).c_str());
    }
    ::closedir(dir);
}

// Where a save of path lands: a symbolic link is followed to the file it names, so the link
// stays a link and its target is the file that changes. A link to nothing names the file to
// create. Not a link (or one that loops): path itself.
std::string WriteTarget(const std::string& path) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(at.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return path;
        link.resize(static_cast<std::size_t>(n));
        at = link.front() == '/' ? link : FolderOf(at) + "/" + link;
    }
    return path;
}

}  // namespace

CFile::~CFile() {
    if (impl_ != nullptr) {
        if (impl_->fd >= 0) ::close(impl_->fd);
        ::unlink(impl_->temp.c_str());
        delete impl_;
    }
}

bool CFile::Open(const std::string& path, unsigned flags) {
    if (impl_ != nullptr || path.empty()) return false;
    if ((flags & modeCreate) == 0 || (flags & (modeWrite | modeReadWrite)) == 0) return false;
    static std::atomic<unsigned> counter{0};
    auto impl = new Impl;
    impl->target = WriteTarget(orv::file::NativePath(path));
    RemoveAbandonedTemporaries(impl->target);
    impl->temp = impl->target + ".orvtmp." + std::to_string(::getpid()) + "." +
                 std::to_string(counter++);
    impl->fd = Inject(Op::Open) ? (errno = ENOSPC, -1)
                                : ::open(impl->temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (impl->fd < 0) {
        delete impl;
        return false;
    }
    // The new file takes the old one's permission bits (and its owner and group where this
    // process may give them), so a private file stays private.
    struct stat old {};
    if (::stat(impl->target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::fchown(impl->fd, old.st_uid, old.st_gid) != 0) {
            // Another user's file: the new one is this process's, with the old one's bits.
        }
        if (::fchmod(impl->fd, old.st_mode & 07777) != 0) {
            ::close(impl->fd);
            ::unlink(impl->temp.c_str());
            delete impl;
            return false;
        }
    }
    impl_ = impl;
    last_ = 0;
    return true;
}

bool CFile::IsOpen() const { return impl_ != nullptr; }

void CFile::Write(std::string_view bytes) {
    if (impl_ == nullptr || bytes.empty()) return;
    // Writers hand over a document token by token: one system call each would dominate a save.
    impl_->bytes.append(bytes);
    last_ = bytes.back();
}

bool CFile::Close() {
    if (impl_ == nullptr) return false;
    bool ok = WriteAllFd(impl_->fd, impl_->bytes.data(), impl_->bytes.size());
    ok = ok && (Inject(Op::Flush) ? Fail(EIO) : ::fsync(impl_->fd) == 0);
    // close releases the descriptor even when it reports an error.
    const bool closed = ::close(impl_->fd) == 0;
    ok = (Inject(Op::Close) ? Fail(EIO) : closed) && ok;
    impl_->fd = -1;
    ok = ok && (Inject(Op::Rename) ? Fail(EIO) : ::rename(impl_->temp.c_str(), impl_->target.c_str()) == 0);
    if (ok) {
        // The new file is in place, but a power cut may still bring the old one back.
        ok = SyncFolder(impl_->target);
    } else {
        ::unlink(impl_->temp.c_str());
    }
    delete impl_;
    impl_ = nullptr;
    return ok;
}

namespace orv::file {

std::string NativePath(std::string_view path) {
    std::string native(path);
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool GetStamp(const std::string& path, Stamp& out) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const auto nanos = [](const timespec& t) {
        return static_cast<unsigned long long>(t.tv_sec) * 1000000000ull + static_cast<unsigned long long>(t.tv_nsec);
    };
    out.size = static_cast<unsigned long long>(st.st_size);
    out.written = nanos(st.st_mtim);
    out.changed = nanos(st.st_ctim);
    out.device = static_cast<unsigned long long>(st.st_dev);
    out.inode = static_cast<unsigned long long>(st.st_ino);
    return true;
}

bool IsInside(const std::string& folder, const std::string& path) {
    char* realFolder = ::realpath(NativePath(folder).c_str(), nullptr);
    char* realPath = ::realpath(NativePath(path).c_str(), nullptr);
    bool inside = false;
    if (realFolder != nullptr && realPath != nullptr) {
        std::string base = realFolder;
        if (base.empty() || base.back() != '/') base += '/';
        inside = std::string_view(realPath).substr(0, base.size()) == base;
    }
    std::free(realFolder);
    std::free(realPath);
    return inside;
}

bool ReadAll(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    // Without O_NONBLOCK, opening a FIFO that stands where a file should be waits for a writer
    // forever; it is refused below as anything that is not a regular file is.
    const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return false;
    }
    const bool read = ReadInto(out, static_cast<std::size_t>(st.st_size), maxBytes, [fd](char* into, std::size_t n) {
        for (;;) {
            const ssize_t got = ::read(fd, into, n);
            if (got >= 0 || errno != EINTR) return static_cast<long long>(got);
        }
    });
    ::close(fd);
    return read;
}

bool KeepUnreadable(const std::string& path) {
    const std::string source = NativePath(path);
    struct stat st {};
    if (::lstat(source.c_str(), &st) != 0) return errno == ENOENT;
    std::string keep = source + ".unreadable";
    for (int n = 2; ::access(keep.c_str(), F_OK) == 0; ++n) {
        if (n > 9999) return false;
        keep = source + ".unreadable." + std::to_string(n);
    }
    // Out of memory for a copy, the second link below needs none.
    try {
        std::string bytes;
        if (!Inject(Op::CopyRead) && ReadAll(source, bytes, static_cast<std::size_t>(-1))) {
            CFile copy;
            if (copy.Open(keep, CFile::modeCreate | CFile::modeWrite)) {
                copy.Write(bytes);
                if (copy.Close()) return true;
            }
        }
    } catch (const std::bad_alloc&) {
    }
    // A file we may not read can still be kept under the new name by a second link to it.
    return Inject(Op::Link) ? Fail(EIO) : ::link(source.c_str(), keep.c_str()) == 0;
}

}  // namespace orv::file
