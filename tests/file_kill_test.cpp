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

#include <functional>

#include "FaultLoop.h"
#include "MenuFixture.h"
#include "ToolBarFixture.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "orvmenu/OrvTabGrp.h"
#include "services/XMLParser.h"

namespace {

// Kills, 200 times at a random moment, a child that saves the file at path again and again
// (save(n) for n = 0, 1, ...; even and odd saves write first and second). After every kill the
// file is the one or the other and reads back; what killed saves left goes at the next save.
void KillWhileSaving(const std::string& path, const std::string& first, const std::string& second,
                     const std::function<void(int)>& save) {
    ASSERT_NE(first, second);
    std::mt19937 rng(20261207);
    int leftBehind = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0) << "fork failed";
        if (child == 0) {
            for (int n = 0;; ++n) save(n);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 5000));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
        const std::string bytes = orv::test::ReadFile(path);
        ASSERT_TRUE(bytes == first || bytes == second) << "kill " << kill << " left a file of " << bytes.size() << " bytes";
        CXMLParser parser;
        ASSERT_NE(parser.Open(path, 1), 0) << "kill " << kill;
        if (!orv::test::LeftTemporaries(path).empty()) ++leftBehind;
        ASSERT_LE(orv::test::LeftTemporaries(path).size(), 1u) << "kill " << kill << ": earlier leftovers stayed";
    }
    std::printf("[   INFO   ] 200 kills, %d left a temporary file behind\n", leftBehind);
    save(0);
    EXPECT_EQ(orv::test::LeftTemporaries(path), std::vector<std::string>{});
}

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
    std::string path;
    IOrvHotKey* keys = nullptr;
};

TEST_F(FileKillTest, KilledSaveLeavesOldOrNewFile) {
    const std::string first = Saved(113);
    const std::string second = Saved(112);
    KillWhileSaving(path, first, second, [this](int n) { Saved(n % 2 == 0 ? 113 : 112); });
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

// The user tab groups and the toolbar, each saving two versions in turn.
class UserTabGrpKillTest : public orv::test::MenuTest {};

TEST_F(UserTabGrpKillTest, KilledSaveLeavesOldOrNewFile) {
    std::string nodes;
    for (int i = 0; i < 300; ++i) nodes += "<NODE TRCODE=\"" + std::to_string(1000 + i) + "\" TYPE=\"FUNC\">s</NODE>";
    Load(nodes);
    IOrvTabGrp* groups = CreateUserTabGrp();
    groups->SetMenu(menu);
    groups->LoadTabGrp("UserTabGrp.xml");
    for (int g = 0; g < 30; ++g) {
        groups->AddUserTabGrp("G" + std::to_string(10 + g), "group " + std::to_string(g));
        const std::int32_t id = groups->FindUserTabGrp("G" + std::to_string(10 + g));
        for (int i = 0; i < 10; ++i) groups->AddUserTabGrpItem(std::to_string(1000 + g * 10 + i), id);
    }
    const std::int32_t first = groups->FindUserTabGrp("G10");
    const auto save = [&](int n) {
        // Odd saves hold two screens of the first group swapped; the groups are put back after.
        if (n % 2 != 0) groups->SwapUserTabGrpItem("1000", "1001", first);
        groups->SaveUserTabGrp();
        if (n % 2 != 0) groups->SwapUserTabGrpItem("1000", "1001", first);
    };
    const std::string path = UserPath("UserTabGrp.xml");
    save(0);
    const std::string even = orv::test::ReadFile(path);
    save(1);
    const std::string odd = orv::test::ReadFile(path);
    KillWhileSaving(path, even, odd, save);
    EXPECT_TRUE(messageBoxes.empty());
    DestroyUserTabGrp(groups);
}

class ToolBarKillTest : public orv::test::ToolBarTest {};

TEST_F(ToolBarKillTest, KilledSaveLeavesOldOrNewFile) {
    std::string body = "<NODE NAME=\"G\" TYPE=\"GROUP\">";
    for (int i = 0; i < 300; ++i) body += "<NODE NAME=\"item " + std::to_string(i) + "\" TRCODE=\"8000\"/>";
    LoadToolBar(body + "</NODE>");
    OrvToolBar* item = Item("item 0");
    ASSERT_NE(item, nullptr);
    const auto save = [&](int n) {
        item->name = n % 2 == 0 ? "even" : "odd";
        toolBar->SaveFile();
    };
    const std::string path = DataPath("ToolBar.xml");
    save(0);
    const std::string even = orv::test::ReadFile(path);
    save(1);
    const std::string odd = orv::test::ReadFile(path);
    KillWhileSaving(path, even, odd, save);
    EXPECT_TRUE(messageBoxes.empty());
}

}  // namespace
