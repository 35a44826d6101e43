// orvhost's own folders: the user's files go back to --user-dir by atomic saves that keep what
// the user set up around them, and run folders of runs that no longer exist are removed.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "../tools/orvhost/RunFolders.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace orv::test {
namespace {

class OrvhostFoldersTest : public OrvTest {};

TEST_F(OrvhostFoldersTest, WriteBackSavesEveryFileInPlace) {
    const std::string from = rootDir + "/run", to = rootDir + "/keep";
    fs::create_directories(from + "/sub");
    fs::create_directories(to);
    WriteFile(from + "/HotKey.xml", "new keys");
    WriteFile(from + "/sub/ToolBar.xml", "new bar");
    WriteFile(to + "/HotKey.xml", "old keys");
    WriteFile(to + "/Other.xml", "not the run's");
#ifndef _WIN32
    WriteFile(rootDir + "/elsewhere.xml", "old");
    ASSERT_EQ(::chmod((rootDir + "/elsewhere.xml").c_str(), 0600), 0);
    WriteFile(from + "/Linked.xml", "through the link");
    fs::create_symlink(rootDir + "/elsewhere.xml", to + "/Linked.xml");
#endif
    std::ostringstream out;
    EXPECT_TRUE(orvhost::WriteBack(from, to, out));
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadFile(to + "/HotKey.xml"), "new keys");
    EXPECT_EQ(ReadFile(to + "/sub/ToolBar.xml"), "new bar");
    EXPECT_EQ(ReadFile(to + "/Other.xml"), "not the run's");
#ifndef _WIN32
    EXPECT_TRUE(fs::is_symlink(to + "/Linked.xml"));
    EXPECT_EQ(ReadFile(rootDir + "/elsewhere.xml"), "through the link");
    struct stat st {};
    ASSERT_EQ(::stat((rootDir + "/elsewhere.xml").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(ListDir(to), (std::vector<std::string>{"HotKey.xml", "Linked.xml", "Other.xml", "sub"}));
#endif

    // A file that cannot go back (a folder stands in its place) is told, and the rest go.
    fs::create_directories(to + "/Blocked.xml");
    WriteFile(from + "/Blocked.xml", "blocked");
    WriteFile(from + "/HotKey.xml", "newer keys");
    std::ostringstream told;
    EXPECT_FALSE(orvhost::WriteBack(from, to, told));
    EXPECT_NE(told.str().find("could not write back"), std::string::npos) << told.str();
    EXPECT_NE(told.str().find("Blocked.xml"), std::string::npos) << told.str();
    EXPECT_EQ(ReadFile(to + "/HotKey.xml"), "newer keys");
}

TEST_F(OrvhostFoldersTest, StaleRunFoldersGoAtTheNextStart) {
#ifdef _WIN32
    const std::string self = std::to_string(_getpid());
#else
    const std::string self = std::to_string(::getpid());
#endif
    const fs::path temp = fs::temp_directory_path();
    const std::string tag = std::to_string(std::hash<std::string>{}(rootDir) % 100000000u);
    const fs::path dead = temp / ("orvhost-2147483644-" + tag);  // above any process number in use
    const fs::path mine = temp / ("orvhost-" + self + "-" + tag);
    const fs::path other = temp / ("orvhost-x" + tag);
    for (const fs::path& dir : {dead, mine, other}) {
        fs::create_directories(dir / "Data" / "User");
        WriteFile((dir / "Data" / "User" / "HotKey.xml").string(), "x");
    }
    orvhost::RemoveStaleRunFolders();
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_TRUE(fs::exists(other));
    const fs::path fresh = orvhost::FreshRunFolder();
    EXPECT_EQ(fresh.filename().string().rfind("orvhost-" + self + "-", 0), 0u) << fresh;
    for (const fs::path& dir : {mine, other, fresh}) fs::remove_all(dir);
}

}  // namespace
}  // namespace orv::test
