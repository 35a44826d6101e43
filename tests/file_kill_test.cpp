// A process killed in the middle of saving a user file, hundreds of times at random moments:
// the file always reads back as the old or the new content, and what the killed saves left
// behind goes at the next save. POSIX only: it needs fork and SIGKILL.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "FaultLoop.h"
#include "MenuFixture.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "services/XMLParser.h"

namespace {

class FileKillTest : public orv::test::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        path = UserPath("HotKey.xml");
        std::string nodes;
        for (int i = 0; i < 300; ++i) nodes += "<NODE TRCODE=\"" + std::to_string(1000 + i) + "\" TYPE=\"FUNC\">s</NODE>";
        Load(nodes);
        keys = CreateOrvHotKey();
        keys->SetMenu(menu);
        keys->Load("HotKey.xml");  // creates the file: the path is set
        for (int i = 0; i < 300; ++i) SetKey("key " + std::to_string(i), 1000 + i, 200 + i);
    }
    void TearDown() override {
        DestroyOrvHotKey(keys);
        MenuTest::TearDown();
    }
    void SetKey(const std::string& text, int screen, int keyCode) {
        auto record = std::make_unique<OrvHotKey>();
        record->text = text;
        record->trCode = std::to_string(screen);
        record->keyCode = keyCode;
        record->menuNode = menu->GetMenuByTRCode(record->trCode);
        keys->GetHotKeyTable()->SetAt(text, std::move(record));
    }
    // The file's bytes after saving the table with key 0 bound to keyCode.
    std::string Saved(int keyCode) {
        SetKey("key 0", 1000, keyCode);
        keys->Save(path);
        return orv::test::ReadFile(path);
    }
    // A child that saves two versions of the table in turn until it is killed.
    pid_t StartSaving() {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i) Saved(i % 2 == 0 ? 113 : 112);
        }
        return pid;
    }

    std::string path;
    IOrvHotKey* keys = nullptr;
};

TEST_F(FileKillTest, KilledSaveLeavesOldOrNewFile) {
    const std::string first = Saved(113);
    const std::string second = Saved(112);
    ASSERT_NE(first, second);
    std::mt19937 rng(20261206);
    int leftBehind = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = StartSaving();
        ASSERT_GT(child, 0) << "fork failed";
        std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 5000));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";

        const std::string bytes = orv::test::ReadFile(path);
        ASSERT_TRUE(bytes == first || bytes == second) << "kill " << kill << " left a file of " << bytes.size() << " bytes";
        CXMLParser parser;
        ASSERT_NE(parser.Open(path, 1), 0) << "kill " << kill;
        // The next child's save removes what this one left.
        if (!orv::test::LeftTemporaries(path).empty()) ++leftBehind;
        ASSERT_LE(orv::test::LeftTemporaries(path).size(), 1u) << "kill " << kill << ": earlier leftovers stayed";
    }
    std::printf("[   INFO   ] 200 kills, %d left a temporary file behind\n", leftBehind);
    Saved(113);
    EXPECT_EQ(orv::test::LeftTemporaries(path), std::vector<std::string>{});
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(FileKillTest, TemporariesOfRunningProcessesStay) {
    // A process that is alive, as one in the middle of its own save would be.
    const pid_t alive = ::fork();
    if (alive == 0) {
        for (;;) ::pause();
    }
    ASSERT_GT(alive, 0);
    const std::string theirs = "HotKey.xml.orvtmp." + std::to_string(alive) + ".0";
    orv::test::WriteFile(UserPath(theirs), "their save in progress");
    Saved(113);
    EXPECT_EQ(orv::test::LeftTemporaries(path), std::vector<std::string>{theirs});
    ::kill(alive, SIGKILL);
    ::waitpid(alive, nullptr, 0);
    Saved(112);
    EXPECT_EQ(orv::test::LeftTemporaries(path), std::vector<std::string>{});
}

}  // namespace
