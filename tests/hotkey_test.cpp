// Hot keys: the table's order, the file, and which key press opens which screen.
#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "MenuFixture.h"
#include "UnreadableXml.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "services/XMLParser.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/Keyboard.h"
#include "testsupport/Keys.h"
#include "testsupport/RecordingWindow.h"

namespace {

using orv::test::Big5;

class WindowHost final : public IOrvHotKeyHost {
public:
    explicit WindowHost(HWND wnd) : wnd_(wnd) {}
    HWND GetHotKeyWnd() override { return wnd_; }

private:
    HWND wnd_;
};

// text, TR code, key code, modifier: what a record holds, for comparing tables.
using Record = std::tuple<std::string, std::string, std::int32_t, std::int32_t>;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr int kF1 = 112;

class HotKeyTest : public orv::test::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        ASSERT_NE(window.GetHwnd(), nullptr) << "the host window could not be made";
        Load("<NODE TRCODE=\"8000\" TYPE=\"FUNC\">a</NODE><NODE TRCODE=\"8930\" TYPE=\"FUNC\">b</NODE>"
             "<NODE TRCODE=\"1001\" TYPE=\"FUNC\">c</NODE><NODE TRCODE=\"1002\" TYPE=\"FUNC\">d</NODE>");
        hotKey = Create();
    }
    void TearDown() override {
        DestroyOrvHotKey(hotKey);  // before the menu, whose nodes the records point to
        for (const int vk : {orv::ui::kVkControl, orv::ui::kVkShift, orv::ui::kVkMenu}) {
            orv::test::SetKeyDown(vk, false);
        }
        MenuTest::TearDown();
    }

    // The command identifier of a screen, as a key press sends it.
    std::uintptr_t Id(const std::string& trCode) { return menu->GetMenuByTRCode(trCode)->id; }
    OrvMenu* Node(const std::string& trCode) { return menu->GetMenuByTRCode(trCode); }

    IOrvHotKey* Create() {
        IOrvHotKey* created = CreateOrvHotKey();
        EXPECT_NE(created, nullptr);
        created->SetMenu(menu);
        created->SetHost(&host);
        return created;
    }
    void LoadFile(const std::string& body, const std::string& root = "HOTKEY") {
        orv::test::WriteFile(UserPath("HotKey.xml"), kDecl + "<" + root + ">" + body + "</" + root + ">");
        hotKey->Load("HotKey.xml");
    }
    // The command identifiers the window was sent by one key press, and HandleKey's result.
    std::pair<std::int32_t, std::vector<std::uintptr_t>> Press(int keyCode, bool ctrl, bool shift,
                                                               bool alt = false) {
        orv::test::SetKeyDown(orv::ui::kVkControl, ctrl);
        orv::test::SetKeyDown(orv::ui::kVkShift, shift);
        orv::test::SetKeyDown(orv::ui::kVkMenu, alt);
        window.ClearMessages();
        const std::int32_t fired = hotKey->HandleKey(keyCode);
        std::vector<std::uintptr_t> ids;
        for (const auto& message : window.Messages()) {
            EXPECT_EQ(message.message, orv::kWmCommand);
            EXPECT_EQ(message.lParam, 0);
            ids.push_back(message.wParam);
        }
        return {fired, ids};
    }
    static std::vector<Record> Records(const COrvHotKeyTable& table) {
        std::vector<Record> records;
        for (const auto& entry : table) {
            const OrvHotKey& r = *entry.record;
            EXPECT_EQ(entry.key, r.text);
            records.emplace_back(r.text, r.trCode, r.keyCode, r.modifier);
        }
        return records;
    }

    orv::test::RecordingWindow window{"hotkey test"};
    WindowHost host{window.GetHwnd()};
    IOrvHotKey* hotKey = nullptr;
};

std::vector<std::string> Keys(const COrvHotKeyTable& table) {
    std::vector<std::string> keys;
    for (const auto& entry : table) keys.push_back(entry.key);
    return keys;
}

std::unique_ptr<OrvHotKey> Bind(std::int32_t keyCode, std::int32_t modifier, OrvMenu* node) {
    auto record = std::make_unique<OrvHotKey>();
    record->keyCode = keyCode;
    record->modifier = modifier;
    record->menuNode = node;
    return record;
}

TEST(HotKeyTable, IteratesBucketsInOrderNewestFirst) {
    // Buckets by hand: "" 0, "AB" (33*65+66 = 2211) 1, "A" and "R" (65, 82) 14, "B" 15.
    COrvHotKeyTable table;
    for (const char* key : {"A", "B", "", "R", "AB"}) table.SetAt(key, std::make_unique<OrvHotKey>());
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"", "AB", "R", "A", "B"}));
    EXPECT_EQ(table.GetCount(), 5u);

    // Bytes count as signed chars: 0xA4 is -92, so "\xA4\x40" hashes to 33*(2^32-92)+64.
    EXPECT_EQ(COrvHotKeyTable::HashKey("\xA4\x40"), 4294964324u);

    // A record stored under a key it already holds takes the old one's place in the order.
    auto replacement = std::make_unique<OrvHotKey>();
    replacement->keyCode = 7;
    OrvHotKey* stored = table.SetAt("A", std::move(replacement));
    EXPECT_EQ(table.Lookup("A"), stored);
    EXPECT_EQ(table.Lookup("A")->keyCode, 7);
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"", "AB", "R", "A", "B"}));

    EXPECT_TRUE(table.RemoveKey("R"));
    EXPECT_FALSE(table.RemoveKey("R"));
    EXPECT_EQ(table.Lookup("R"), nullptr);
    EXPECT_EQ(table.SetAt("Z", nullptr), nullptr);
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"", "AB", "A", "B"}));
    table.RemoveAll();
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.begin(), table.end());
}

TEST_F(HotKeyTest, ReadsAttributesAndDropsUnknownScreens) {
    LoadFile(
        "<node trcode=\"8000\" keycode=\"112\" mod=\"c\">ctrl</node>"
        "<Node TrCode=\"8930\" KeyCode=\" -5\" Mod=\"s\">shift</Node>"
        "<NODE TRCODE=\"1001\" KEYCODE=\"113xyz\" MOD=\"CS\" OTHER=\"1\">two letters</NODE>"
        "<NODE TRCODE=\"1001\" KEYCODE=\"abc\" MOD=\"X\">letters</NODE>"
        "<NODE TRCODE=\"1001\" MOD=\"\">no key</NODE>"
        "<NODE TRCODE=\"1002\" KEYCODE=\"114\">F<b>3</b></NODE>"
        "<NODE TRCODE=\"9999\" trcode=\"1002\" KEYCODE=\"115\">looked up again</NODE>"
        "<NODE trcode=\"1002\" TRCODE=\"9999\" KEYCODE=\"116\">unknown at last</NODE>"
        "<NODE KEYCODE=\"117\">no screen</NODE>"
        "<OTHER TRCODE=\"8000\" KEYCODE=\"118\">not a node</OTHER>"
        "<NODE TRCODE=\"8000\" KEYCODE=\"119\">same text</NODE>"
        "<NODE TRCODE=\"8930\" KEYCODE=\"120\">same text</NODE>",
        "AnyRoot");
    const COrvHotKeyTable& table = *hotKey->GetHotKeyTable();
    std::vector<Record> records = Records(table);
    std::sort(records.begin(), records.end());
    EXPECT_EQ(records, (std::vector<Record>{
                           {"F3", "1002", 114, kOrvHotKeyNoModifier},
                           {"ctrl", "8000", 112, kOrvHotKeyCtrl},
                           {"letters", "1001", 0, kOrvHotKeyNoModifier},
                           {"looked up again", "1002", 115, kOrvHotKeyNoModifier},
                           {"no key", "1001", 0, kOrvHotKeyNoModifier},
                           {"same text", "8930", 120, kOrvHotKeyNoModifier},
                           {"shift", "8930", -5, kOrvHotKeyShift},
                           {"two letters", "1001", 113, kOrvHotKeyNoModifier},
                       }));
    EXPECT_EQ(table.Lookup("ctrl")->menuNode, Node("8000"));
    EXPECT_TRUE(messageBoxes.empty());

    // Loading again adds to the table; the same texts replace their records.
    LoadFile("<NODE TRCODE=\"8000\" KEYCODE=\"121\">ctrl</NODE><NODE TRCODE=\"8000\">new</NODE>");
    EXPECT_EQ(table.GetCount(), 9u);
    EXPECT_EQ(table.Lookup("ctrl")->keyCode, 121);
}

TEST_F(HotKeyTest, SavedFileReadsBackToTheSameRecords) {
    LoadFile(
        "<NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"c\">a</NODE>"
        "<NODE TRCODE=\"8930\" KEYCODE=\"-3\" MOD=\"S\">b</NODE>"
        "<NODE TRCODE=\"1001\" KEYCODE=\"0\">R</NODE>"
        "<NODE TRCODE=\"1001\" KEYCODE=\"114\">A</NODE>"
        "<NODE TRCODE=\"1002\" KEYCODE=\"115\" MOD=\"Q\">&lt;&amp;&quot;' tab\there</NODE>"
        "<NODE TRCODE=\"1002\" KEYCODE=\"116\">" + std::string("\xE6\x96\xB0\xE8\x81\x9E") + "</NODE>");
    std::vector<Record> expected = Records(*hotKey->GetHotKeyTable());
    for (auto& record : expected) std::get<2>(record) = std::max(std::get<2>(record), 0);
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(expected.size(), 6u);
    EXPECT_EQ(std::get<0>(expected[5]), Big5("新聞"));  // Big5 bytes sort last

    hotKey->Save(UserPath("Copy.xml"));
    const std::string written = orv::test::ReadFile(UserPath("Copy.xml"));
    EXPECT_EQ(written.rfind(kDecl, 0), 0u);
    EXPECT_NE(written.find("<NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"C\">a</NODE>"), std::string::npos);
    EXPECT_NE(written.find("<NODE TRCODE=\"8930\" KEYCODE=\"\" MOD=\"S\">b</NODE>"), std::string::npos);

    IOrvHotKey* second = Create();
    second->Load("Copy.xml");
    std::vector<Record> reread = Records(*second->GetHotKeyTable());
    std::sort(reread.begin(), reread.end());
    EXPECT_EQ(reread, expected);
    DestroyOrvHotKey(second);

    // Destruction writes the table back: reading it again gives the same records once more.
    DestroyOrvHotKey(hotKey);
    hotKey = Create();
    hotKey->Load("HotKey.xml");
    reread = Records(*hotKey->GetHotKeyTable());
    std::sort(reread.begin(), reread.end());
    EXPECT_EQ(reread, expected);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(HotKeyTest, ModifiersDecideWhichRecordsMayFire) {
    // Texts by bucket: "a" 12, "b" 13, "c" 14: "a" comes first.
    LoadFile(
        "<NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"C\">a</NODE>"
        "<NODE TRCODE=\"8930\" KEYCODE=\"112\" MOD=\"S\">b</NODE>"
        "<NODE TRCODE=\"1001\" KEYCODE=\"112\">c</NODE>");
    using Ids = std::vector<std::uintptr_t>;
    EXPECT_EQ(Press(kF1, false, false), std::make_pair(1, Ids{Id("1001")}));
    EXPECT_EQ(Press(kF1, true, false), std::make_pair(1, Ids{Id("8000")}));
    EXPECT_EQ(Press(kF1, false, true), std::make_pair(1, Ids{Id("8930")}));
    EXPECT_EQ(Press(kF1, true, true), std::make_pair(1, Ids{Id("8000")}));   // Shift not examined for "C"
    EXPECT_EQ(Press(kF1, false, false, true), std::make_pair(1, Ids{Id("1001")}));  // Alt is ignored
    EXPECT_EQ(Press(kF1, false, true, true), std::make_pair(1, Ids{Id("8930")}));
    EXPECT_EQ(Press(kF1 + 1, true, true), std::make_pair(0, Ids{}));

    // Without the Ctrl record, Ctrl+Shift fires the Shift record (Ctrl not examined for "S"),
    // and the record without modifier stays blocked by either key.
    hotKey->GetHotKeyTable()->RemoveKey("a");
    EXPECT_EQ(Press(kF1, true, true), std::make_pair(1, Ids{Id("8930")}));
    hotKey->GetHotKeyTable()->RemoveKey("b");
    EXPECT_EQ(Press(kF1, true, false), std::make_pair(0, Ids{}));
    EXPECT_EQ(Press(kF1, false, true), std::make_pair(0, Ids{}));
}

TEST_F(HotKeyTest, FirstRecordInTableOrderWins) {
    // "A" and "R" share bucket 14, "R" read later and so first; "AB" (bucket 1) precedes both.
    LoadFile(
        "<NODE TRCODE=\"8000\" KEYCODE=\"113\">A</NODE>"
        "<NODE TRCODE=\"8930\" KEYCODE=\"113\">R</NODE>");
    using Ids = std::vector<std::uintptr_t>;
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(1, Ids{Id("8930")}));
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(1, Ids{Id("8930")}));
    LoadFile("<NODE TRCODE=\"1001\" KEYCODE=\"113\">AB</NODE>");
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(1, Ids{Id("1001")}));

    // Records the host adds are used as they are ("" is bucket 0, first of all). One without a
    // menu node, or whose node has no command identifier, never fires; the next match does.
    COrvHotKeyTable& table = *hotKey->GetHotKeyTable();
    OrvMenu noCommand;
    table.SetAt("", Bind(113, kOrvHotKeyNoModifier, &noCommand));
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(1, Ids{Id("1001")}));
    table.SetAt("", Bind(113, kOrvHotKeyNoModifier, nullptr));
    table.SetAt("AB", Bind(113, kOrvHotKeyNoModifier, Node("1002")));
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(1, Ids{Id("1002")}));

    // Without a host object there is no window to tell.
    hotKey->SetHost(nullptr);
    EXPECT_EQ(Press(kF1 + 1, false, false), std::make_pair(0, Ids{}));
}

TEST_F(HotKeyTest, MissingFileIsCreatedEmpty) {
    hotKey->Load("HotKey.xml");
    EXPECT_TRUE(messageBoxes.empty());
    const std::string written = orv::test::ReadFile(UserPath("HotKey.xml"));
    EXPECT_EQ(written.rfind(kDecl, 0), 0u);
    CXMLParser parser;
    ASSERT_NE(parser.Open(UserPath("HotKey.xml"), 1), 0);
    EXPECT_TRUE(parser.GetRoot().NameIs("HOTKEY"));
    EXPECT_FALSE(orv::test::HasChildElement(parser.GetRoot()));

    // A folder that cannot hold the file: the user hears it, at load and at every save.
    IOrvHotKey* other = Create();
    other->Load("NoSuchFolder/HotKey.xml");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"File Open Error For Save Hotkey"});
    DestroyOrvHotKey(other);
    EXPECT_EQ(messageBoxes.size(), 2u);
}

TEST_F(HotKeyTest, WithoutMenuLoadLeavesTheFileAlone) {
    const std::string bytes = kDecl + "<HOTKEY><NODE TRCODE=\"8000\" KEYCODE=\"112\">a</NODE></HOTKEY>";
    orv::test::WriteFile(UserPath("HotKey.xml"), bytes);
    IOrvHotKey* noMenu = CreateOrvHotKey();
    noMenu->Load("HotKey.xml");
    EXPECT_TRUE(noMenu->GetHotKeyTable()->IsEmpty());
    DestroyOrvHotKey(noMenu);
    EXPECT_EQ(orv::test::ReadFile(UserPath("HotKey.xml")), bytes);
    DestroyOrvHotKey(nullptr);
}

TEST_F(HotKeyTest, UnreadableFileIsReportedAndKept) {
    for (const auto& bad : orv::test::UnreadableXmlFiles("HOTKEY")) {
        SCOPED_TRACE(bad.what);
        messageBoxes.clear();
        orv::test::WriteFile(UserPath("HotKey.xml"), bad.bytes);
        IOrvHotKey* loaded = Create();
        loaded->GetHotKeyTable()->SetAt("kept", Bind(112, 0, Node("8000")));
        loaded->Load("HotKey.xml");
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"HotKey.xmlFile Open Error For HotKey "});
        EXPECT_EQ(loaded->GetHotKeyTable()->GetCount(), 1u);
        DestroyOrvHotKey(loaded);
        EXPECT_TRUE(orv::test::SomeFileHolds(userDir, bad.bytes));
    }
}

}  // namespace
