#include <atomic>
#include <cwchar>
#include <new>
#include <string>
#include <utility>

#include "services/File.h"
#include "services/win32/Win32.h"

struct CFile::Impl {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring target;
    std::wstring temp;
    std::string bytes;  // the whole document, written at Close in one piece
};

namespace {

std::wstring WidePath(const std::string& path) { return orv::win32::Wide(orv::file::NativePath(path)); }

using orv::file::fault::Inject;
using orv::file::fault::Op;

// A call the fault seam makes fail: nothing happened, and the last error says why as a disk
// would.
bool Fail(DWORD error) {
    ::SetLastError(error);
    return false;
}

bool WriteAllHandle(HANDLE handle, const char* data, std::size_t size) {
    while (size > 0) {
        if (Inject(Op::Write)) return Fail(ERROR_DISK_FULL);
        const DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(handle, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// Puts temp in target's place. An existing target is replaced by ReplaceFileW, which gives the
// new file the old one's attributes, security descriptor and creation time; a new target is
// moved into place with write-through, so the call returns once the rename is on disk.
bool Replace(const std::wstring& temp, const std::wstring& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Fail(ERROR_ACCESS_DENIED);  // a folder where the file should be is left alone
    }
    // Wine's ReplaceFileW is a plain move: the new file takes the old one's attributes itself.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKept) != 0) {
        ::SetFileAttributesW(temp.c_str(), attributes & kKept);
    }
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr) != FALSE) {
        return true;
    }
    // No old file, or ERROR_UNABLE_TO_MOVE_REPLACEMENT(_2): the old file is gone or renamed and
    // the new one still stands under its temporary name. The move below puts it in place.
    const DWORD error = attributes == INVALID_FILE_ATTRIBUTES ? ERROR_FILE_NOT_FOUND : ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
        error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return false;
    }
    return ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool IsRunning(DWORD pid) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    // No such process; any other refusal (access denied) means one is there.
    if (process == nullptr) return ::GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = !::GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

// "NAME.orvtmp.<pid>.<n>": a save of NAME by process pid that never finished. A process that
// no longer runs will never finish it: its temporary files go. Those of running processes,
// this one included, may be saves in progress and stay.
void RemoveAbandonedTemporaries(const std::wstring& target) {
    const std::wstring prefix = target + L".orvtmp.";
    const auto slash = target.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    const std::wstring namePrefix = prefix.substr(folder.size());
    do {
        const std::wstring name = found.cFileName;
        // The pattern also matches short names: check the long one.
        if (name.compare(0, namePrefix.size(), namePrefix) != 0) continue;
        const wchar_t* digits = name.c_str() + namePrefix.size();
        wchar_t* end = nullptr;
        const unsigned long pid = std::wcstoul(digits, &end, 10);
        if (end == digits || *end != L'.' || pid == 0) continue;
        if (pid == ::GetCurrentProcessId() || IsRunning(static_cast<DWORD>(pid))) continue;
        ::DeleteFileW((folder + name).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace

CFile::~CFile() {
    if (impl_ != nullptr) {
        if (impl_->handle != INVALID_HANDLE_VALUE) ::CloseHandle(impl_->handle);
        ::DeleteFileW(impl_->temp.c_str());
        delete impl_;
    }
}

bool CFile::Open(const std::string& path, unsigned flags) {
    if (impl_ != nullptr || path.empty()) return false;
    if ((flags & modeCreate) == 0 || (flags & (modeWrite | modeReadWrite)) == 0) return false;
    static std::atomic<unsigned> counter{0};
    auto impl = new Impl;
    impl->target = WidePath(path);
    RemoveAbandonedTemporaries(impl->target);
    // Beside the target, so the final rename stays on one volume.
    impl->temp = impl->target + L".orvtmp." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                 std::to_wstring(counter++);
    impl->handle = Inject(Op::Open) ? (Fail(ERROR_DISK_FULL), INVALID_HANDLE_VALUE)
                                    : ::CreateFileW(impl->temp.c_str(), GENERIC_WRITE, 0, nullptr,
                                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (impl->handle == INVALID_HANDLE_VALUE) {
        delete impl;
        return false;
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
    bool ok = WriteAllHandle(impl_->handle, impl_->bytes.data(), impl_->bytes.size());
    ok = ok && (Inject(Op::Flush) ? Fail(ERROR_WRITE_FAULT) : ::FlushFileBuffers(impl_->handle) != FALSE);
    // CloseHandle releases the handle even when it reports an error.
    const bool closed = ::CloseHandle(impl_->handle) != FALSE;
    ok = (Inject(Op::Close) ? Fail(ERROR_WRITE_FAULT) : closed) && ok;
    impl_->handle = INVALID_HANDLE_VALUE;
    ok = ok && (Inject(Op::Rename) ? Fail(ERROR_DISK_FULL) : Replace(impl_->temp, impl_->target));
    if (ok) {
        // The write-through part of the move can fail once the file is renamed: the new file
        // is in place, but a power cut may still bring the old one back.
        ok = !Inject(Op::FolderFlush) || Fail(ERROR_WRITE_FAULT);
    } else {
        ::DeleteFileW(impl_->temp.c_str());
    }
    delete impl_;
    impl_ = nullptr;
    return ok;
}

namespace orv::file {

std::string NativePath(std::string_view path) {
    // '/' is never the second byte of a Chinese character (a backslash may be), so every '/'
    // byte is a separator.
    std::string native(path);
    for (char& c : native) {
        if (c == '/') c = '\\';
    }
    return native;
}

bool Exists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool GetStamp(const std::string& path, Stamp& out) {
    // One query of the file's attributes: no handle is opened.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return false;
    }
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<unsigned long long>(high) << 32) | static_cast<unsigned long long>(low);
    };
    out.size = join(data.nFileSizeHigh, data.nFileSizeLow);
    out.written = join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    out.changed = join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime);
    out.device = out.inode = 0;
    return true;
}

namespace {
// The final path of an existing file or folder: links, junctions and ".." resolved.
bool FinalPath(const std::string& path, std::wstring& out) {
    HANDLE handle = ::CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    std::wstring name(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()), 0);
    if (n >= name.size()) {
        name.resize(n + 1);
        n = ::GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()), 0);
    }
    ::CloseHandle(handle);
    if (n == 0 || n >= name.size()) return false;
    name.resize(n);
    out = std::move(name);
    return true;
}
}  // namespace

bool IsInside(const std::string& folder, const std::string& path) {
    std::wstring base;
    std::wstring file;
    if (!FinalPath(folder, base) || !FinalPath(path, file)) return false;
    if (base.empty() || base.back() != L'\\') base += L'\\';
    // Names differ only in letter case on the same file system.
    return file.size() > base.size() &&
           ::CompareStringOrdinal(file.data(), static_cast<int>(base.size()), base.data(),
                                  static_cast<int>(base.size()), TRUE) == CSTR_EQUAL;
}

bool ReadAll(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle, &size) || ::GetFileType(handle) != FILE_TYPE_DISK ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        ::CloseHandle(handle);
        return false;
    }
    const bool read = ReadInto(out, static_cast<std::size_t>(size.QuadPart), maxBytes, [handle](char* into, std::size_t n) {
        DWORD got = 0;
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(n, 1u << 30));
        return ::ReadFile(handle, into, ask, &got, nullptr) ? static_cast<long long>(got) : -1LL;
    });
    ::CloseHandle(handle);
    return read;
}

bool KeepUnreadable(const std::string& path) {
    const std::string source = NativePath(path);
    const std::wstring wideSource = orv::win32::Wide(source);
    if (::GetFileAttributesW(wideSource.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return IsMissing(::GetLastError());
    }
    std::string keep = source + ".unreadable";
    for (int n = 2; ::GetFileAttributesW(orv::win32::Wide(keep).c_str()) != INVALID_FILE_ATTRIBUTES; ++n) {
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
    return Inject(Op::Link) ? Fail(ERROR_DISK_FULL)
                            : ::CreateHardLinkW(orv::win32::Wide(keep).c_str(), wideSource.c_str(), nullptr) != FALSE;
}

}  // namespace orv::file
