// Reading the catalogue: nodes, attributes, identifiers and the two lookup maps.
#include "MenuFixture.h"
#include "menu/MenuImpl.h"

namespace orv::test {
namespace {

class MenuLoad : public MenuTest {};

TEST_F(MenuLoad, ReadsAttributesExactlyAsWritten) {
    Load(R"(<NAME>主選單</NAME>
<NODE TYPE="form" FILE="f.frm" TRCODE="1001" DISP="Y" MULTI="N" GRADE="3ff" OPENCNT="-3" TABGROUP="x" HITCOUNT="false" ICON="i.ico">報價</NODE>
<node trcode="1002" disp="y" grade="0x3FFFFFFF" opencnt="7" tabgroup="4" type="FUNC" file="g.dll">走勢<NAME>根</NAME></node>
<NODE TRCODE="1003" GRADE="zz" TYPE="bogus" NAME="屬性名">文字名</NODE>)");
    ASSERT_TRUE(messageBoxes.empty());
    OrvMenu* root = menu->GetRootMenu();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Utf8(root->name), "根");  // the last NAME element, wherever it stands
    ASSERT_EQ(root->children.size(), 3u);

    const OrvMenu* a = menu->GetMenuByTRCode("1001");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->type, kOrvMenuForm);
    EXPECT_EQ(a->file, formDir + "\\f.frm");
    EXPECT_EQ(a->disp, 1);
    EXPECT_EQ(a->multi, 0);
    EXPECT_EQ(a->grade, 0x3ffu);
    EXPECT_EQ(a->openCount, 0);
    EXPECT_EQ(a->tabGroup, 0);
    EXPECT_EQ(a->hitCount, 0);
    EXPECT_EQ(a->icon, "i.ico");
    EXPECT_EQ(Utf8(a->name), "報價");

    const OrvMenu* b = menu->GetMenuByTRCode("1002");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->disp, 0);  // only an upper-case Y shows an entry
    EXPECT_EQ(b->multi, 1);
    EXPECT_EQ(b->grade, 0x3fffffffu);
    EXPECT_EQ(b->openCount, 7);
    EXPECT_EQ(b->tabGroup, 4);
    EXPECT_EQ(b->hitCount, 1);
    EXPECT_EQ(b->file, "g.dll");  // only forms get the form folder
    EXPECT_EQ(Utf8(b->name), "走勢根");  // the NAME element's text is the node's text too

    const OrvMenu* c = menu->GetMenuByTRCode("1003");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->grade, 0u);
    EXPECT_EQ(c->type, kOrvMenuNone);
    EXPECT_EQ(Utf8(c->name), "屬性名");
    EXPECT_EQ(menu->GetMenuByTRCode("100"), nullptr);
}

TEST_F(MenuLoad, NumbersNodesDepthFirstAcrossComponentsAndWrapsAt16Bits) {
    const std::uint32_t first = COrvMenuImpl::PeekNextMenuId();
    Load(R"(<NODE TRCODE="A" DISP="Y" TYPE="DLL" GRADE="3fffffff"><NODE TRCODE="A1" TYPE="SEP"/><NODE TRCODE="A2"/></NODE>
<NODE TRCODE="B"/><NODE TRCODE="8000"/><NODE TRCODE="8000" NAME="second"/>)",
         kAllGrades, 1, 1, /*withUser=*/false);
    const OrvMenu* a = menu->GetMenuByTRCode("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->id, first);
    EXPECT_EQ(menu->GetMenuByTRCode("A1")->id, first + 1);
    EXPECT_EQ(menu->GetMenuByTRCode("A2")->id, first + 2);
    EXPECT_EQ(menu->GetMenuByTRCode("B")->id, first + 3);
    EXPECT_EQ(menu->GetMenuByTRCode("8000")->name, "second");  // the last one read wins
    EXPECT_EQ(menu->GetMenuByID(first + 4)->trCode, "8000");    // the first is still numbered
    EXPECT_EQ(menu->GetMenuByID(first + 65536), a);
    EXPECT_EQ(menu->GetMenuByID(first + 6), nullptr);
    EXPECT_EQ(COrvMenuImpl::PeekNextMenuId(), first + 6);

    // A second component in the same process goes on from there.
    IOrvMenu* other = CreateOrvMainMenu();
    other->SetMenuFile("OrvMenu.xml");
    other->LoadMenu();
    EXPECT_EQ(other->GetMenuByTRCode("A")->id, first + 6);
    DestroyOrvMainMenu(other);
}

TEST_F(MenuLoad, PastSixtyFiveThousandIdentifiersTheLaterNodeOwnsTheKey) {
    const std::uint32_t first = COrvMenuImpl::PeekNextMenuId();
    std::string body = "<NODE TRCODE=\"FIRST\"/>";
    for (int i = 1; i < 65536; ++i) body += "<NODE/>";
    body += "<NODE TRCODE=\"WRAPPED\"/>";
    Load(body, kAllGrades, 1, 1, /*withUser=*/false);
    const OrvMenu* wrapped = menu->GetMenuByTRCode("WRAPPED");
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->id, first + 65536);
    EXPECT_EQ(menu->GetMenuByID(first), wrapped);  // same low 16 bits: the later one read
    EXPECT_EQ(menu->GetMenuByTRCode("FIRST")->id, first);
}

TEST_F(MenuLoad, FilteredEntriesKeepTheirCodeButNotTheirIdentifierOrChildren) {
    Load(R"(<NODE TRCODE="OK" GRADE="100401"/>
<NODE TRCODE="NO" GRADE="1"><NODE TRCODE="UNDER"/></NODE>)", 0x00100401);
    const OrvMenu* ok = menu->GetMenuByTRCode("OK");
    const OrvMenu* no = menu->GetMenuByTRCode("NO");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(menu->GetMenuByID(ok->id), ok);
    EXPECT_EQ(menu->GetMenuByID(no->id), nullptr);
    EXPECT_TRUE(no->children.empty());
    EXPECT_EQ(menu->GetMenuByTRCode("UNDER"), nullptr);
    ASSERT_EQ(menu->GetRootMenu()->children.size(), 2u);  // still in the tree

    // Without user settings nothing is filtered out of the maps.
    IOrvMenu* all = CreateOrvMainMenu();
    all->SetMenuFile("OrvMenu.xml");
    all->LoadMenu();
    EXPECT_NE(all->GetMenuByTRCode("UNDER"), nullptr);
    EXPECT_NE(all->GetMenuByID(all->GetMenuByTRCode("NO")->id), nullptr);
    DestroyOrvMainMenu(all);
}

TEST_F(MenuLoad, ASecondLoadReplacesTheCatalogue) {
    // Entries the user may open, so that each has an identifier lookup as well as its code.
    Load(R"(<NODE TRCODE="OLD" TYPE="FUNC" GRADE="3fffffff">Old</NODE>)"
         R"(<NODE TRCODE="KEEP" TYPE="FUNC" GRADE="3fffffff">Kept</NODE>)");
    std::vector<std::uint32_t> oldIds;
    for (const char* code : {"OLD", "KEEP"}) {
        OrvMenu* node = menu->GetMenuByTRCode(code);
        ASSERT_NE(node, nullptr);
        ASSERT_EQ(menu->GetMenuByID(node->id), node);
        oldIds.push_back(node->id);
    }
    Load(R"(<NODE TRCODE="NEW" TYPE="FUNC" GRADE="3fffffff">New</NODE>)"
         R"(<NODE TRCODE="KEEP" TYPE="FUNC" GRADE="3fffffff">Kept</NODE>)");
    // No code and no identifier of the first file reaches one of its freed entries.
    EXPECT_EQ(menu->GetMenuByTRCode("OLD"), nullptr);
    for (const std::uint32_t id : oldIds) EXPECT_EQ(menu->GetMenuByID(id), nullptr) << id;
    OrvMenu* kept = menu->GetMenuByTRCode("KEEP");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(menu->GetMenuByID(kept->id), kept);
    ASSERT_NE(menu->GetMenuByTRCode("NEW"), nullptr);
    ASSERT_EQ(menu->GetRootMenu()->children.size(), 2u);

    // A failed load leaves the loaded catalogue as it was.
    WriteFile(DataPath("OrvMenu.xml"), "<MENU><NODE");
    menu->LoadMenu();
    EXPECT_NE(menu->GetMenuByTRCode("NEW"), nullptr);
}

TEST_F(MenuLoad, BadFilesEndInTheMessageAndAnUsableComponent) {
    std::string big = "<MENU><NODE TRCODE=\"1\" DISP=\"Y\" TYPE=\"FORM\" GRADE=\"3fffffff\"/><JUNK>";
    big += std::string(50u << 20, 'x');
    big += "</JUNK></MENU>";
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<NODE>";
    for (int i = 0; i < 100000; ++i) deep += "</NODE>";
    const std::string bad[] = {
        deep,
        "<MENU><NODE TRCODE=\"1\">",
        "\x7f" "ELF\x02\x01\x01\0\0\0garbage\xff\xfe",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><MENU><NODE NAME=\"\xA5\x78\"/></MENU>",
        "<!DOCTYPE MENU [<!ENTITY e \"x\">]><MENU><NODE TRCODE=\"&e;\"/></MENU>",
    };
    for (const auto& bytes : bad) {
        IOrvMenu* m = CreateOrvMainMenu();
        messageBoxes.clear();
        WriteFile(DataPath("Bad.xml"), bytes);
        m->SetMenuFile("Bad.xml");
        m->SetMainMenu(&bar);
        m->LoadMenu();
        ASSERT_EQ(messageBoxes.size(), 1u) << bytes.substr(0, 40);
        EXPECT_EQ(messageBoxes[0], dataDir + "/Bad.xmlFile open error");
        EXPECT_EQ(m->GetRootMenu(), nullptr);
        EXPECT_EQ(m->GetMenuByTRCode("1"), nullptr);
        EXPECT_EQ(m->GetMenuByID(7800), nullptr);
        DestroyOrvMainMenu(m);
    }
    EXPECT_EQ(bar.GetMenuItemCount(), 0);

    // A huge file that is well formed is read; what it holds beyond the catalogue is skipped.
    messageBoxes.clear();
    WriteFile(DataPath("Big.xml"), big);
    menu->SetMenuFile("Big.xml");
    menu->SetMainMenu(&bar);
    menu->LoadMenu();
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_NE(menu->GetMenuByTRCode("1"), nullptr);

    // No file at all.
    messageBoxes.clear();
    IOrvMenu* missing = CreateOrvMainMenu();
    missing->SetMenuFile("None.xml");
    missing->LoadMenu();
    EXPECT_EQ(messageBoxes, std::vector<std::string>{dataDir + "/None.xmlFile open error"});
    DestroyOrvMainMenu(missing);
}

}  // namespace
}  // namespace orv::test
