// Every writer of a user file against a disk that fails at each step of a save in turn: the
// file on disk is always the old one or the new one, nothing temporary is left, the user hears
// of every failed save, and the component's model stays as it was.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "FaultLoop.h"
#include "MenuFixture.h"
#include "ToolBarFixture.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "orvmenu/OrvTabGrp.h"
#include "orvmenu/EnvMgr.h"

namespace {

namespace fault = orv::file::fault;
using Op = fault::Op;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
const std::string kHotKeyError = "File Open Error For Save Hotkey";
const std::string kTabGrpError = "File Save Error For Save TabGrp";

// The steps every save goes through; each must have failed in some round.
const std::set<Op> kSaveSteps = {Op::Open, Op::Write, Op::Flush, Op::Close, Op::Rename, Op::FolderFlush};

std::string HotKeyModel(IOrvHotKey* keys) {
    std::string text;
    for (const auto& entry : *keys->GetHotKeyTable()) {
        const OrvHotKey& r = *entry.record;
        text += r.text + "|" + r.trCode + "|" + std::to_string(r.keyCode) + "|" + std::to_string(r.modifier) + "\n";
    }
    return text;
}

std::string TabGrpModel(IOrvTabGrp* groups) {
    std::string text;
    for (const std::uint32_t id : *groups->GetUserTabGrpOrder()) {
        const auto* group = static_cast<const CUserTabGrpItem*>(groups->GetUserTabGrp(static_cast<std::int32_t>(id)));
        text += std::to_string(id) + "|" + group->name + "|" + group->groupCode + ":";
        for (const std::string& code : group->trCodes) text += code + ",";
        text += "\n";
    }
    return text;
}

class FileFaultTest : public orv::test::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        Load("<NODE TRCODE=\"8000\" TYPE=\"FUNC\">a</NODE><NODE TRCODE=\"8930\" TYPE=\"FUNC\">b</NODE>"
             "<NODE TRCODE=\"1001\" TYPE=\"FUNC\">c</NODE>");
    }
    void TearDown() override {
        fault::Disarm();
        DestroyOrvHotKey(keys);
        DestroyUserTabGrp(groups);
        MenuTest::TearDown();
    }
    // Only the user file: copies and leftovers of the last round go.
    void EmptyUserFolder() {
        for (const std::string& name : orv::test::ListDir(userDir)) std::filesystem::remove(UserPath(name));
    }
    // Both persistence modes; every step of a save must have failed in some round.
    void RunBoth(const orv::test::FaultLoop& loop, const std::set<Op>& mustFail) {
        for (const bool persistent : {false, true}) {
            SCOPED_TRACE(persistent ? "disk full from the Nth operation on" : "one operation fails");
            const orv::test::FaultLoopReport report = orv::test::RunFaultLoop(loop, persistent);
            if (HasFailure()) return;
            for (const Op op : mustFail) EXPECT_EQ(report.failed.count(op), 1u) << fault::OpName(op) << " never failed";
        }
    }

    IOrvHotKey* keys = nullptr;
    IOrvTabGrp* groups = nullptr;
};

TEST_F(FileFaultTest, HotKeySaveLeavesOldOrNewFile) {
    const std::string path = UserPath("HotKey.xml");
    orv::test::FaultLoop loop;
    loop.file = path;
    loop.saveError = kHotKeyError;
    loop.messageBoxes = &messageBoxes;
    loop.arrange = [&] {
        EmptyUserFolder();
        orv::test::WriteFile(path, kDecl + "<HOTKEY><NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"C\">old</NODE></HOTKEY>");
        keys = CreateOrvHotKey();
        keys->SetMenu(menu);
        keys->Load("HotKey.xml");
        auto added = std::make_unique<OrvHotKey>();
        added->trCode = "8930";
        added->keyCode = 113;
        added->text = "new";
        added->menuNode = menu->GetMenuByTRCode("8930");
        keys->GetHotKeyTable()->SetAt("new", std::move(added));
    };
    loop.save = [&] { keys->Save(path); };
    loop.model = [&] { return HotKeyModel(keys); };
    loop.finish = [&] {
        DestroyOrvHotKey(keys);
        keys = nullptr;
    };
    RunBoth(loop, kSaveSteps);

    // A first start writes a new empty file: failing, it leaves no file at all.
    loop.arrange = [&] {
        EmptyUserFolder();
        keys = CreateOrvHotKey();
        keys->SetMenu(menu);
    };
    loop.save = [&] { keys->Load("HotKey.xml"); };
    RunBoth(loop, kSaveSteps);
}

TEST_F(FileFaultTest, UserTabGrpSaveLeavesOldOrNewFile) {
    const std::string path = UserPath("UserTabGrp.xml");
    orv::test::FaultLoop loop;
    loop.file = path;
    loop.saveError = kTabGrpError;
    loop.messageBoxes = &messageBoxes;
    loop.arrange = [&] {
        EmptyUserFolder();
        orv::test::WriteFile(path, kDecl + "<TAPGRPROOT><TABGRP ID=\"1\" NAME=\"old\" TRCODE=\"G1\">"
                                           "<NODE>8000</NODE></TABGRP></TAPGRPROOT>");
        groups = CreateUserTabGrp();
        groups->SetMenu(menu);
        groups->LoadTabGrp("UserTabGrp.xml");
        groups->AddUserTabGrp("G2", "new");
        groups->AddUserTabGrpItem("8930", 2);
    };
    loop.save = [&] { groups->SaveUserTabGrp(); };
    loop.model = [&] { return TabGrpModel(groups); };
    loop.finish = [&] {
        DestroyUserTabGrp(groups);
        groups = nullptr;
    };
    RunBoth(loop, kSaveSteps);
}

// The toolbar's writer joins with its own few lines.
class ToolBarFaultTest : public orv::test::ToolBarTest {};

std::string ToolBarModel(const OrvToolBar* record) {
    std::string text = record->name + "|" + record->trCode + "|" + std::to_string(record->type) + "(";
    for (const OrvToolBar* child : record->children) text += ToolBarModel(child);
    return text + ")";
}

TEST_F(ToolBarFaultTest, SaveLeavesOldOrNewFile) {
    orv::test::FaultLoop loop;
    loop.file = DataPath("ToolBar.xml");
    loop.saveError = CEnvMgr::GetDataDir() + "\\ToolBar.xmlFile save error";
    loop.messageBoxes = &messageBoxes;
    loop.arrange = [&] {
        LoadToolBar("<NODE NAME=\"G\" TYPE=\"GROUP\"><NODE NAME=\"old\" TRCODE=\"8000\"/></NODE>");
        Item("old")->name = "new";
    };
    loop.save = [&] { toolBar->SaveFile(); };
    loop.model = [&] { return ToolBarModel(toolBar->GetRoot()); };
    for (const bool persistent : {false, true}) {
        const orv::test::FaultLoopReport report = orv::test::RunFaultLoop(loop, persistent);
        for (const Op op : kSaveSteps) EXPECT_EQ(report.failed.count(op), 1u) << fault::OpName(op) << " never failed";
    }
    fault::Disarm();
}

// A new user's toolbar is written from the default definition at the first load: failing at
// any step, it leaves no file or the whole new one, and the user hears of it. A user's toolbar
// that cannot be read is copied aside at load: failing at any step of the copy, the file itself
// stays, and the toolbar never writes over it unless the copy was made.
TEST_F(ToolBarFaultTest, SeedingAndKeepingAnUnreadableFileLeaveOldOrNew) {
    const std::string user = UserPath("ToolBar.xml");
    const std::string userInToolBar = CEnvMgr::GetDataDir() + "\\User\\ToolBar.xml";
    const auto emptyUserFolder = [&] {
        for (const std::string& name : orv::test::ListDir(userDir)) std::filesystem::remove(UserPath(name));
    };
    orv::test::WriteFile(DataPath("OrvUIInit.xml"),
                         kDecl + "<UI><TOOLBAR><NODE NAME=\"G\" TYPE=\"GROUP\"><NODE NAME=\"a\" TRCODE=\"8000\"/>"
                                 "</NODE></TOOLBAR></UI>");
    IOrvToolBar* fresh = nullptr;
    orv::test::FaultLoop loop;
    loop.file = user;
    loop.saveError = userInToolBar + "File save error";
    loop.messageBoxes = &messageBoxes;
    loop.arrange = [&] {
        emptyUserFolder();
        fresh = Create();
        fresh->SetFileName("User\\ToolBar.xml");
    };
    loop.save = [&] { fresh->Load(); };
    loop.finish = [&] {
        DestroyOrvToolBar(fresh);
        fresh = nullptr;
    };
    for (const bool persistent : {false, true}) {
        SCOPED_TRACE(persistent ? "seeding, disk full from the Nth operation on" : "seeding, one operation fails");
        const orv::test::FaultLoopReport report = orv::test::RunFaultLoop(loop, persistent);
        for (const Op op : kSaveSteps) EXPECT_EQ(report.failed.count(op), 1u) << fault::OpName(op) << " never failed";
    }

    const std::string unreadable = kDecl + "<TOOLBAR><NODE NAME=\"lost";
    loop.file = user + ".unreadable";
    loop.saveError.clear();  // told by finish: the load's message, once
    loop.arrange = [&] {
        emptyUserFolder();
        orv::test::WriteFile(user, unreadable);
        fresh = Create();
        fresh->SetFileName("User\\ToolBar.xml");
    };
    loop.finish = [&] {
        fresh->SaveFile();  // nothing was loaded: nothing is written
        DestroyOrvToolBar(fresh);
        fresh = nullptr;
        EXPECT_EQ(messageBoxes, std::vector<std::string>{userInToolBar + "File open error"});
        EXPECT_EQ(orv::test::ReadFile(user), unreadable);
    };
    for (const bool persistent : {false, true}) {
        SCOPED_TRACE(persistent ? "the copy, disk full from the Nth operation on" : "the copy, one operation fails");
        const orv::test::FaultLoopReport report = orv::test::RunFaultLoop(loop, persistent);
        for (const Op op : kSaveSteps) EXPECT_EQ(report.failed.count(op), 1u) << fault::OpName(op) << " never failed";
        EXPECT_EQ(report.failed.count(Op::CopyRead), 1u);
    }
    fault::Disarm();
}

// A file that cannot be read is copied aside before the component may write over it. Whatever
// step of the copy or of the later save fails, the user's bytes survive: in the file itself,
// which the component then never writes over (the user was told it could not be read), or in
// the copy beside it.
TEST_F(FileFaultTest, UnreadableFileIsKeptWhateverFails) {
    const std::string unreadable = kDecl + "<HOTKEY><NODE TRCODE=\"8000\"";
    const std::string tabGrpUnreadable = kDecl + "<TAPGRPROOT><TABGRP";
    struct Case {
        const char* name;
        std::string file, bytes, loadError, saveError;
        std::function<void()> loadAndDestroy;
    };
    const std::vector<Case> cases = {
        {"hot keys", UserPath("HotKey.xml"), unreadable, "HotKey.xmlFile Open Error For HotKey ", kHotKeyError,
         [&] {
             IOrvHotKey* k = CreateOrvHotKey();
             k->SetMenu(menu);
             k->Load("HotKey.xml");
             DestroyOrvHotKey(k);  // writes the (empty) table back
         }},
        {"user tab groups", UserPath("UserTabGrp.xml"), tabGrpUnreadable, "UserTabGrp.xmlFile open error",
         kTabGrpError,
         [&] {
             IOrvTabGrp* g = CreateUserTabGrp();
             g->SetMenu(menu);
             g->LoadTabGrp("UserTabGrp.xml");
             DestroyUserTabGrp(g);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        orv::test::FaultLoop loop;
        loop.file = c.file;
        loop.messageBoxes = &messageBoxes;
        loop.arrange = [&] {
            EmptyUserFolder();
            orv::test::WriteFile(c.file, c.bytes);
        };
        loop.save = c.loadAndDestroy;
        // The old bytes must survive: when the file was replaced, a copy holds them.
        loop.finish = [&] {
            const auto told = [&](const std::string& text) {
                return std::count(messageBoxes.begin(), messageBoxes.end(), text);
            };
            EXPECT_EQ(told(c.loadError), 1);
            EXPECT_LE(told(c.saveError), 1);
            if (orv::test::ReadFile(c.file) != c.bytes) {
                EXPECT_EQ(orv::test::ReadFile(c.file + ".unreadable"), c.bytes);
            }
        };
        RunBoth(loop, {Op::Open, Op::Write, Op::Flush, Op::Close, Op::Rename, Op::FolderFlush, Op::CopyRead});
        // With the disk full from the copy on, the second link fails too: the file stays.
        EmptyUserFolder();
        orv::test::WriteFile(c.file, c.bytes);
        messageBoxes.clear();
        fault::FailAt(1, true);
        c.loadAndDestroy();
        EXPECT_EQ(fault::FirstFailed(), Op::CopyRead);
        fault::Disarm();
        EXPECT_EQ(orv::test::ReadFile(c.file), c.bytes);
        EXPECT_EQ(messageBoxes, std::vector<std::string>{c.loadError});
        EXPECT_EQ(orv::test::ListDir(userDir), std::vector<std::string>{c.file.substr(c.file.rfind('/') + 1)});
    }
}

// A save that was killed leaves its temporary file behind. The next save of that file removes
// those of processes that no longer run, and leaves those of running ones (this one) alone.
TEST_F(FileFaultTest, NextSaveRemovesTemporariesOfEndedProcesses) {
#ifdef _WIN32
    const std::string self = std::to_string(_getpid());
#else
    const std::string self = std::to_string(::getpid());
#endif
    const std::string ended = "2147483644";  // above any process number in use
    const std::vector<std::string> kept = {
        "HotKey.xml.orvtmp." + self + ".7",     // a save in progress in this process
        "Other.xml.orvtmp." + ended + ".1",     // another file's: its own next save decides
        "HotKey.xml.orvtmp.x.1",                // not a name this library gives
        "HotKey.xml.orvtmp." + ended,           // nor this
    };
    for (const std::string& name : kept) orv::test::WriteFile(UserPath(name), "partial");
    orv::test::WriteFile(UserPath("HotKey.xml.orvtmp." + ended + ".0"), "partial");
    orv::test::WriteFile(UserPath("HotKey.xml.orvtmp." + ended + ".12"), "");
    keys = CreateOrvHotKey();
    keys->SetMenu(menu);
    keys->Load("HotKey.xml");
    std::vector<std::string> expected = kept;
    expected.push_back("HotKey.xml");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(orv::test::ListDir(userDir), expected);
    EXPECT_TRUE(messageBoxes.empty());
}

}  // namespace
