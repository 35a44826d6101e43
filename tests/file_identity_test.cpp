// What a save keeps of the file it replaces, and the order of its steps, on the back end each
// concerns.
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "FaultLoop.h"
#include "TestSupport.h"
#include "services/File.h"

namespace orv::test {
namespace {

namespace fault = orv::file::fault;
using Op = fault::Op;

bool Save(const std::string& path, const std::string& bytes) {
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    file.Write(bytes);
    return file.Close();
}

class FileIdentityTest : public OrvTest {};

// The new document is written whole, made durable, closed, renamed over the target and only
// then is the folder's entry made durable: a power cut at any point leaves the old file or the
// whole new one, never an empty one.
TEST_F(FileIdentityTest, SaveStepsComeInTheirOrder) {
    const std::string path = UserPath("Order.xml");
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "over an old file" : "a new file");
        fault::Record(true);
        ASSERT_TRUE(Save(path, "<A/>"));
        const std::vector<Op> steps = fault::Recorded();
        fault::Record(false);
        EXPECT_EQ(steps, (std::vector<Op>{Op::Open, Op::Write, Op::Flush, Op::Close, Op::Rename, Op::FolderFlush}));
        EXPECT_EQ(ReadFile(path), "<A/>");
    }
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// A save through a symbolic link writes the file the link names, in that file's folder, and
// the link stays; a file's permission bits survive a save (a private file stays private); a
// link to nothing yet creates the file it names.
TEST_F(FileIdentityTest, SaveKeepsLinksAndPermissions) {
    const std::string shared = rootDir + "/shared";
    std::filesystem::create_directory(shared);
    WriteFile(shared + "/HotKey.xml", "old");
    ASSERT_EQ(::chmod((shared + "/HotKey.xml").c_str(), 0600), 0);
    std::filesystem::create_symlink("../../shared/HotKey.xml", UserPath("HotKey.xml"));  // relative
    std::filesystem::create_symlink(UserPath("HotKey.xml"), UserPath("Chain.xml"));       // to a link
    std::filesystem::create_symlink(shared + "/New.xml", UserPath("New.xml"));            // to nothing

    ASSERT_TRUE(Save(UserPath("HotKey.xml"), "new"));
    EXPECT_TRUE(IsLink(UserPath("HotKey.xml")));
    EXPECT_EQ(ReadFile(shared + "/HotKey.xml"), "new");
    EXPECT_EQ(ModeOf(shared + "/HotKey.xml"), 0600u);
    ASSERT_TRUE(Save(UserPath("Chain.xml"), "newer"));
    EXPECT_TRUE(IsLink(UserPath("Chain.xml")));
    EXPECT_EQ(ReadFile(shared + "/HotKey.xml"), "newer");
    ASSERT_TRUE(Save(UserPath("New.xml"), "created"));
    EXPECT_TRUE(IsLink(UserPath("New.xml")));
    EXPECT_EQ(ReadFile(shared + "/New.xml"), "created");

    WriteFile(UserPath("Plain.xml"), "old");
    ASSERT_EQ(::chmod(UserPath("Plain.xml").c_str(), 0640), 0);
    ASSERT_TRUE(Save(UserPath("Plain.xml"), "new"));
    EXPECT_EQ(ModeOf(UserPath("Plain.xml")), 0640u);

    EXPECT_EQ(LeftTemporaries(UserPath("x")), std::vector<std::string>{});
    EXPECT_EQ(LeftTemporaries(shared + "/x"), std::vector<std::string>{});
    EXPECT_EQ(ListDir(shared), (std::vector<std::string>{"HotKey.xml", "New.xml"}));
}
#else
// A save keeps the file's attributes (ReplaceFileW carries them over to the new file).
TEST_F(FileIdentityTest, SaveKeepsAttributes) {
    const std::string path = UserPath("HotKey.xml");
    WriteFile(path, "old");
    const std::wstring wide = std::filesystem::path(path).wstring();
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    if ((::GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN) == 0) {
        GTEST_SKIP() << "the file system under the test folder keeps no hidden attribute";
    }
    ASSERT_TRUE(Save(path, "new"));
    EXPECT_EQ(ReadFile(path), "new");
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(LeftTemporaries(path), std::vector<std::string>{});
}
#endif

}  // namespace
}  // namespace orv::test
