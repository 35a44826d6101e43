// Input no terminal should ever see, and input far larger than any real one: each ends with the
// system's own message or a correct load, never a crash or a hang, and on Linux within a
// stated multiple of the file's size in memory (an address-space limit set in a child process).
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "MenuFixture.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "orvmenu/OrvTabGrp.h"

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// The address space a load may take beyond what the process held before it, as a multiple of
// the file's size, plus a fixed allowance for the allocator's own arenas. The densest file, a
// catalogue of 42-byte entries, takes about 14 times its size: each entry becomes a node with
// its strings, two map entries and a menu item.
constexpr std::size_t kMemoryPerFileByte = 16;
constexpr std::size_t kMemoryAllowance = 64u << 20;

// Runs body with the address space limited to what the process holds now plus limit bytes:
// in a child on Linux (true when body returned true there), directly elsewhere.
bool WithinMemory(std::size_t limit, const std::function<bool()>& body) {
#if defined(_WIN32) || defined(ORV_SANITIZED)
    (void)limit;
    return body();
#else
    return orv::test::RunInChild([&](orv::test::AddressLimit& cap) { return cap.Allow(limit) && body() ? 0 : 1; }) == 0;
#endif
}

std::size_t Limit(std::size_t fileBytes) { return kMemoryPerFileByte * fileBytes + kMemoryAllowance; }

class HostileInputTest : public orv::test::MenuTest {
protected:
    void TearDown() override {
        DestroyOrvHotKey(keys);
        DestroyUserTabGrp(groups);
        MenuTest::TearDown();
    }
    // Loads the catalogue file as written (not wrapped as MenuTest::Load wraps it).
    void LoadCatalogue() {
        menu->SetMenuFile("OrvMenu.xml");
        menu->SetMainMenu(&bar);
        menu->LoadMenu();
    }
    bool ToldCatalogueUnreadable() const {
        return messageBoxes.size() == 1 && messageBoxes[0].ends_with("OrvMenu.xmlFile open error");
    }

    IOrvHotKey* keys = nullptr;
    IOrvTabGrp* groups = nullptr;
};

TEST_F(HostileInputTest, DeepNestingIsRefusedWithTheMessage) {
#if !defined(_WIN32) && !defined(ORV_SANITIZED)
    // The limit holds: a body that takes more fails.
    if (orv::test::AddressLimitApplies()) {
        EXPECT_FALSE(WithinMemory(16u << 20, [] {
            std::vector<char> big(256u << 20, 1);
            return big[12345] == 1;
        }));
    } else {
        std::printf("No address-space limit applies here (an emulator?): memory is not measured.\n");
    }
#endif
    std::string deep = kDecl;
    for (int i = 0; i < 100000; ++i) deep += "<NODE TYPE=\"DLL\" NAME=\"n\">";
    for (int i = 0; i < 100000; ++i) deep += "</NODE>";
    orv::test::WriteFile(DataPath("OrvMenu.xml"), deep);
    EXPECT_TRUE(WithinMemory(Limit(deep.size()), [&] {
        LoadCatalogue();
        return ToldCatalogueUnreadable();
    }));
    messageBoxes.clear();
    LoadCatalogue();
    EXPECT_TRUE(ToldCatalogueUnreadable()) << (messageBoxes.empty() ? "no message" : messageBoxes[0]);
}

TEST_F(HostileInputTest, TenMegabyteAttributeLoadsAndSavesWhole) {
    Load("<NODE TRCODE=\"8000\" TYPE=\"FUNC\">a</NODE>");
    // Ten million bytes: the most Wine's reader takes in one value.
    const std::string name(10000000, 'n');
    const std::string file = kDecl + "<TAPGRPROOT><TABGRP ID=\"1\" NAME=\"" + name +
                             "\" TRCODE=\"G1\"><NODE>8000</NODE></TABGRP></TAPGRPROOT>";
    orv::test::WriteFile(UserPath("UserTabGrp.xml"), file);
    const auto loadWhole = [&] {
        groups = CreateUserTabGrp();
        groups->SetMenu(menu);
        const bool ok = groups->LoadTabGrp("UserTabGrp.xml") == 1 && groups->GetUserTabGrp(1) != nullptr &&
                        groups->GetUserTabGrp(1)->name == name;
        return ok;
    };
    EXPECT_TRUE(WithinMemory(Limit(file.size()), loadWhole));
    DestroyUserTabGrp(groups);  // set only when the body ran in this process
    groups = nullptr;
    ASSERT_TRUE(loadWhole());
    EXPECT_EQ(menu->GetMenuByTRCode("8000")->userTabGroup, 1);
    DestroyUserTabGrp(groups);  // writes it back
    groups = nullptr;
    ASSERT_TRUE(loadWhole());
    EXPECT_TRUE(messageBoxes.empty());
}

// A catalogue fifty times the largest a terminal ships. Too slow for real menus under Wine.
#ifndef _WIN32
TEST_F(HostileInputTest, MillionEntryCatalogueLoads) {
    std::string x = kDecl + "<ORVMENU>";
    constexpr int kEntries = 1000000;
    for (int top = 0, made = 0; made < kEntries; ++top) {
        x += "<NODE TYPE=\"DLL\" NAME=\"m" + std::to_string(top) + "\">";
        for (int leaf = 0; leaf < 999 && made < kEntries; ++leaf, ++made) {
            x += "<NODE TYPE=\"FORM\" TRCODE=\"" + std::to_string(100000 + made) + "\">s</NODE>";
        }
        x += "</NODE>";
    }
    x += "</ORVMENU>";
    orv::test::WriteFile(DataPath("OrvMenu.xml"), x);
    const auto loaded = [&] {
        LoadCatalogue();
        const OrvMenu* last = menu->GetMenuByTRCode(std::to_string(100000 + kEntries - 1));
        return messageBoxes.empty() && last != nullptr && menu->GetMenuByID(last->id) == last;
    };
    EXPECT_TRUE(WithinMemory(Limit(x.size()), loaded)) << x.size() << " bytes";
}
#endif

// A file read as big5 holds only characters of the code page: anything else would become '?'
// and be written back so. Each kind of bad byte makes the file unreadable: the user is told,
// the file is kept aside, and the next save does not lose its bytes.
TEST_F(HostileInputTest, InvalidBytesInABig5File) {
    Load("<NODE TRCODE=\"8000\" TYPE=\"FUNC\">a</NODE>");
    const std::string good = "<?xml version=\"1.0\" encoding=\"big5\"?>\r\n<HOTKEY>"
                             "<NODE TRCODE=\"8000\" KEYCODE=\"112\">\xB7\x73</NODE></HOTKEY>";
    orv::test::WriteFile(UserPath("HotKey.xml"), good);
    keys = CreateOrvHotKey();
    keys->SetMenu(menu);
    keys->Load("HotKey.xml");
    EXPECT_TRUE(messageBoxes.empty());
    ASSERT_EQ(keys->GetHotKeyTable()->GetCount(), 1u);
    EXPECT_EQ(keys->GetHotKeyTable()->begin()->key, "\xB7\x73");
    DestroyOrvHotKey(keys);
    keys = nullptr;

    // A lead byte with a trail byte the code page does not define, a lone lead byte before
    // markup, a byte that leads nothing, and a control character no XML may hold.
    for (const std::string bad : {"\x81\x20", "\xA4<b/>", "\xFF", "\x01"}) {
        SCOPED_TRACE(orv::test::Utf8(bad));
        for (const std::string& name : orv::test::ListDir(userDir)) std::filesystem::remove(UserPath(name));
        messageBoxes.clear();
        const std::string bytes = "<?xml version=\"1.0\" encoding=\"big5\"?>\r\n<HOTKEY>"
                                  "<NODE TRCODE=\"8000\" KEYCODE=\"112\">" + bad + "\xB7\x73</NODE></HOTKEY>";
        orv::test::WriteFile(UserPath("HotKey.xml"), bytes);
        IOrvHotKey* second = CreateOrvHotKey();
        second->SetMenu(menu);
        second->Load("HotKey.xml");
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"HotKey.xmlFile Open Error For HotKey "});
        EXPECT_EQ(second->GetHotKeyTable()->GetCount(), 0u);
        DestroyOrvHotKey(second);  // writes the (empty) table back
        EXPECT_EQ(orv::test::ReadFile(UserPath("HotKey.xml.unreadable")), bytes);
    }
}

#if !defined(_WIN32) && !defined(ORV_SANITIZED)
// Memory runs out while a user's file is read (a child whose address space is held to what it
// uses plus less than the file needs): the file is treated as one that cannot be read. The user
// is told, and the save at destruction cannot write part of the file over the whole: its bytes
// stay in the file or in the copy kept beside it.
TEST_F(HostileInputTest, OutOfMemoryWhileReadingKeepsTheUsersFile) {
    if (!orv::test::AddressLimitApplies()) GTEST_SKIP() << "no address-space limit applies here (an emulator?)";
    Load("<NODE TRCODE=\"8000\" TYPE=\"FUNC\">a</NODE>");
    std::string bytes = kDecl + "<HOTKEY>";
    for (int i = 0; bytes.size() < (4u << 20); ++i) {
        bytes += "<NODE TRCODE=\"8000\" KEYCODE=\"" + std::to_string(i) + "\">key " + std::to_string(i) + "</NODE>";
    }
    bytes += "</HOTKEY>";
    const std::string path = UserPath("HotKey.xml");
    orv::test::WriteFile(path, bytes);
    const int status = orv::test::RunInChild([&](orv::test::AddressLimit& cap) {
        if (!cap.Allow(5u << 20)) return 3;
        IOrvHotKey* loaded = CreateOrvHotKey();
        if (loaded == nullptr) return 4;
        loaded->SetMenu(menu);
        loaded->Load("HotKey.xml");
        DestroyOrvHotKey(loaded);  // writes the table back
        if (!cap.Lift()) return 5;
        const bool told = messageBoxes == std::vector<std::string>{"HotKey.xmlFile Open Error For HotKey "};
        const bool kept = orv::test::ReadFile(path) == bytes ||
                          (orv::test::FileExists(path + ".unreadable") && orv::test::ReadFile(path + ".unreadable") == bytes);
        return !told ? 1 : !kept ? 2 : 0;
    });
    EXPECT_EQ(status, 0) << "1: the user was not told; 2: the file's bytes were lost";
}
#endif

TEST_F(HostileInputTest, FolderOrFifoWhereAFileShouldBe) {
    std::filesystem::create_directory(DataPath("OrvMenu.xml"));
    LoadCatalogue();
    EXPECT_TRUE(ToldCatalogueUnreadable());

    messageBoxes.clear();
    std::filesystem::create_directory(UserPath("HotKey.xml"));
    keys = CreateOrvHotKey();
    keys->SetMenu(menu);
    keys->Load("HotKey.xml");  // nothing to read; the new file cannot take the folder's place
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"File Open Error For Save Hotkey"});
    EXPECT_TRUE(std::filesystem::is_directory(UserPath("HotKey.xml")));
#ifndef _WIN32
    // A FIFO is never opened for reading (that would wait for a writer forever).
    IOrvMenu* other = CreateOrvMainMenu();
    ASSERT_EQ(::mkfifo(DataPath("Fifo.xml").c_str(), 0600), 0);
    other->SetMenuFile("Fifo.xml");
    messageBoxes.clear();
    other->LoadMenu();
    EXPECT_EQ(messageBoxes.size(), 1u);
    DestroyOrvMainMenu(other);
    ASSERT_EQ(::mkfifo(UserPath("Fifo.xml").c_str(), 0600), 0);
    groups = CreateUserTabGrp();
    groups->SetMenu(menu);
    messageBoxes.clear();
    EXPECT_EQ(groups->LoadTabGrp("Fifo.xml"), 1);  // no file to read: a first start
    EXPECT_TRUE(messageBoxes.empty());
#endif
}

// Another program appends to the catalogue while it is read: whatever the reader sees is
// either a whole document (comments after the document element are allowed) or reported.
TEST_F(HostileInputTest, FileGrowingWhileRead) {
    std::string x = kDecl + "<ORVMENU>";
    for (int i = 0; i < 20000; ++i) x += "<NODE TYPE=\"FORM\" TRCODE=\"" + std::to_string(10000 + i) + "\">s</NODE>";
    x += "</ORVMENU>";
    const std::string path = DataPath("OrvMenu.xml");
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        orv::test::WriteFile(path, x);
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            std::ofstream out(path, std::ios::binary | std::ios::app);
            for (std::size_t written = 0; !stop && written < (64u << 20); written += 4096) {
                out << "<!--" << std::string(4089, 'g') << "-->";
                out.flush();
            }
        });
        messageBoxes.clear();
        CMenu roundBar;
        ASSERT_TRUE(roundBar.CreateMenu());
        IOrvMenu* reader = CreateOrvMainMenu();
        reader->SetMenuFile("OrvMenu.xml");
        reader->SetMainMenu(&roundBar);
        reader->LoadMenu();
        stop = true;
        writer.join();
        if (messageBoxes.empty()) {
            EXPECT_NE(reader->GetMenuByTRCode("29999"), nullptr);
        } else {
            EXPECT_EQ(messageBoxes.size(), 1u);
        }
        DestroyOrvMainMenu(reader);
        roundBar.DestroyMenu();
    }
}

}  // namespace
