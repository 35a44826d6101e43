#include "RunFolders.h"

#include <cerrno>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include "testsupport/Files.h"

namespace fs = std::filesystem;

namespace orvhost {

namespace {

constexpr char kPrefix[] = "orvhost-";

unsigned long ThisProcess() {
#ifdef _WIN32
    return static_cast<unsigned long>(_getpid());
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

// False only when the system says there is no such process.
bool IsRunning(unsigned long pid) {
#ifdef _WIN32
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) return ::GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = !::GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
#else
    if (pid <= 1 || pid > 0x7fffffffUL) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

// The process of a run folder's name "orvhost-<process>-<n>", or 0 when it is not one.
unsigned long ProcessOf(const std::string& name) {
    const std::string prefix = kPrefix;
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    const std::size_t dash = name.find('-', prefix.size());
    if (dash == std::string::npos || dash == prefix.size() || dash - prefix.size() > 10 || dash + 1 == name.size()) return 0;
    unsigned long long pid = 0;
    for (std::size_t i = prefix.size(); i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        pid = pid * 10 + static_cast<unsigned long long>(name[i] - '0');
    }
    if (pid > 0xffffffffULL) return 0;
    for (std::size_t i = dash + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
    }
    return static_cast<unsigned long>(pid);
}

}  // namespace

fs::path FreshRunFolder() {
    std::random_device random;
    const std::string self = std::to_string(ThisProcess());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path dir = fs::temp_directory_path() / (kPrefix + self + "-" + std::to_string(random() % 1000000000u));
        if (fs::create_directory(dir)) return dir;  // false when it exists: someone else's folder
    }
    throw std::runtime_error("cannot make a folder under " + fs::temp_directory_path().string());
}

void RemoveStaleRunFolders() {
    std::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    if (error) return;
    for (fs::directory_iterator it(temp, error), end; !error && it != end; it.increment(error)) {
        const unsigned long pid = ProcessOf(it->path().filename().string());
        std::error_code kind;
        if (pid == 0 || pid == ThisProcess() || !it->is_directory(kind) || IsRunning(pid)) continue;
        std::error_code ignored;
        fs::remove_all(it->path(), ignored);
    }
}

bool WriteBack(const fs::path& from, const fs::path& to, std::ostream& out) {
    bool ok = true;
    std::error_code error;
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        const fs::path target = to / fs::relative(it->path(), from, kind);
        std::error_code made;
        fs::create_directories(target.parent_path(), made);
        const bool written = orv::test::CopyFileAsSaved(it->path().string(), target.string());
        if (!written) {
            out << "orvhost: could not write back " << target.generic_string() << "\n";
            ok = false;
        }
    }
    if (error) {
        out << "orvhost: could not list " << from.generic_string() << ": " << error.message() << "\n";
        ok = false;
    }
    return ok;
}

}  // namespace orvhost
