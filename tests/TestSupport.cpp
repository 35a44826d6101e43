#include "TestSupport.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <sstream>

#include "services/CodePage.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/MessageBox.h"
#include "testsupport/Handles.h"

#if !defined(_WIN32)
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace orv::test {

#if !defined(_WIN32)
bool AddressLimitApplies() {
    static const bool applies = [] {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit cap{rlim_t{1} << 30, rlim_t{1} << 30};
            rlimit now{};
            ::_exit(::setrlimit(RLIMIT_AS, &cap) == 0 && ::getrlimit(RLIMIT_AS, &now) == 0 &&
                            now.rlim_cur == cap.rlim_cur ? 0 : 1);
        }
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }();
    return applies;
}

// Every thread allocates from the one arena. An arena made for another thread reserves 64 MiB
// of address space up front, and when the limit is reached the allocator grows into that
// reservation instead of failing: a test that ran a thread before would measure nothing.
const bool kOneArena = ::mallopt(M_ARENA_MAX, 1) == 1;

AddressLimit::AddressLimit() {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    start_ = static_cast<std::size_t>(pages) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

bool AddressLimit::Allow(std::size_t extraBytes) {
    const rlimit cap{static_cast<rlim_t>(start_ + extraBytes), RLIM_INFINITY};
    return ::setrlimit(RLIMIT_AS, &cap) == 0;
}

bool AddressLimit::Lift() {
    const rlimit cap{RLIM_INFINITY, RLIM_INFINITY};
    return ::setrlimit(RLIMIT_AS, &cap) == 0;
}

int RunInChild(const std::function<int(AddressLimit&)>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 1;
        try {
            AddressLimit limit;
            status = body(limit);
        } catch (...) {
            status = 1;  // std::bad_alloc: the limit was reached
        }
        std::fflush(nullptr);
        ::_exit(status);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "could not run the child process";
        return -1;
    }
    if (!WIFEXITED(status)) {
        ADD_FAILURE() << "the child died of signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        return -1;
    }
    return WEXITSTATUS(status);
}
#endif

std::string Big5(std::string_view utf8) { return CFmtString::GetCodePageString(utf8, "CHT"); }
std::string Utf8(std::string_view big5) { return orv::cp950::ToUtf8(big5); }

void WriteFile(const std::string& path, std::string_view bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool FileExists(const std::string& path) { return fs::is_regular_file(path); }

std::vector<std::string> ListDir(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void OrvTest::SetUp() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path root = fs::temp_directory_path() /
                          ("orvtest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    rootDir = root.generic_string();
    dataDir = rootDir + "/Data";
    userDir = rootDir + "/Data/User";
    formDir = rootDir + "/Form";
    imageDir = rootDir + "/Image";
    for (const auto& d : {dataDir, userDir, formDir, imageDir}) fs::create_directories(d);
    CEnvMgr::SetDataDir(dataDir);
    CFormColor::ResetFormColorTable();  // a host's colours from an earlier test are gone
    CEnvMgr::SetDataUserDir(userDir);
    CEnvMgr::SetFormDir(formDir);
    CEnvMgr::SetImageDir(imageDir);
    orv::ui::SetMessageBoxHook([this](const std::string& text, unsigned) {
        messageBoxes.push_back(text);
        return orv::ui::kIdOk;
    });
    handlesAtStart_ = orv::test::CountHandles();
}

void OrvTest::TearDown() {
    const orv::test::HandleCounts now = orv::test::CountHandles();
    EXPECT_EQ(now.user, handlesAtStart_.user) << "menus or windows left behind";
    EXPECT_EQ(now.gdi, handlesAtStart_.gdi) << "drawing objects left behind";
    orv::ui::SetMessageBoxHook(nullptr);
    CFormColor::ResetFormColorTable();
    CEnvMgr::SetDataDir({});
    CEnvMgr::SetDataUserDir({});
    CEnvMgr::SetFormDir({});
    CEnvMgr::SetImageDir({});
    std::error_code ec;
    fs::remove_all(rootDir, ec);
}

}  // namespace orv::test
