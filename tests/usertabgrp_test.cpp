// User tab groups against the real main menu: the file, group numbers, members and the marks
// they leave on the menu's nodes.
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "MenuFixture.h"
#include "UnreadableXml.h"
#include "orvmenu/OrvExports.h"
#include "services/XMLParser.h"

namespace {

using orv::test::Big5;
using Codes = std::vector<std::string>;
using Order = std::vector<std::uint32_t>;
// id, name, group code, members: a group as the host sees it.
using Group = std::tuple<std::int32_t, std::string, std::string, Codes>;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

class UserTabGrpTest : public orv::test::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        std::string nodes;
        for (const char* code : {"8000", "8930", "8001", "1001", "1002", "A100"}) {
            nodes += std::string("<NODE TRCODE=\"") + code + "\" TYPE=\"FUNC\">screen</NODE>";
        }
        Load(nodes);
        ASSERT_NE(menu->GetMenuByTRCode("A100"), nullptr);
        groups = Create();
    }
    void TearDown() override {
        // The groups mark the menu's nodes: they go first.
        DestroyUserTabGrp(groups);
        MenuTest::TearDown();
    }

    IOrvTabGrp* Create() {
        IOrvTabGrp* created = CreateUserTabGrp();
        EXPECT_NE(created, nullptr);
        created->SetMenu(menu);
        return created;
    }
    std::int32_t LoadFile(const std::string& body, IOrvTabGrp* target = nullptr) {
        orv::test::WriteFile(UserPath("UserTabGrp.xml"), kDecl + "<TAPGRPROOT>" + body + "</TAPGRPROOT>");
        return (target ? target : groups)->LoadTabGrp("UserTabGrp.xml");
    }
    std::int32_t Mark(const std::string& code) { return menu->GetMenuByTRCode(code)->userTabGroup; }
    Codes Members(std::int32_t id) {
        const COrvTabGrpItem* group = groups->GetUserTabGrp(id);
        return group ? group->trCodes : Codes{};
    }
    static std::vector<Group> Groups(IOrvTabGrp* component) {
        std::vector<Group> all;
        for (const std::uint32_t id : *component->GetUserTabGrpOrder()) {
            const auto* group = static_cast<const CUserTabGrpItem*>(
                component->GetUserTabGrp(static_cast<std::int32_t>(id)));
            if (group == nullptr) {
                all.emplace_back(static_cast<std::int32_t>(id), "(unreachable)", "", Codes{});
            } else {
                all.emplace_back(group->id, group->name, group->groupCode, group->trCodes);
            }
        }
        return all;
    }

    IOrvTabGrp* groups = nullptr;
};

TEST_F(UserTabGrpTest, LoadsGroupsMarksScreensAndNumbersNewOnes) {
    EXPECT_EQ(LoadFile("<TABGRP ID=\"1\" NAME=\"" + std::string("\xE8\x87\xAA\xE9\x81\xB8") +
                       "\" TRCODE=\"G1\"><NODE>8000</NODE><NODE>8930</NODE></TABGRP>"
                       "<OTHER ID=\"3\"/>"
                       "<tabgrp id=\"2\" name=\"two\" trcode=\"g2\"><node>1001</node><node>9999</node>"
                       "<ITEM>1002</ITEM></tabgrp>"
                       "<TABGRP ID=\"5\" NAME=\"five\" TRCODE=\"G5\"><NODE>8930</NODE></TABGRP>"),
              1);
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{1, 2, 5}));
    EXPECT_EQ(Groups(groups), (std::vector<Group>{{1, Big5("自選"), "G1", {"8000", "8930"}},
                                                  {2, "two", "g2", {"1001", "9999"}},
                                                  {5, "five", "G5", {"8930"}}}));
    // A screen in several groups carries the group it joined last.
    EXPECT_EQ(Mark("8000"), 1);
    EXPECT_EQ(Mark("8930"), 5);
    EXPECT_EQ(Mark("1001"), 2);
    EXPECT_EQ(Mark("1002"), 0);
    EXPECT_EQ(groups->GetTabGrp(1), nullptr);
    EXPECT_EQ(groups->GetUserTabGrp(0), nullptr);

    groups->AddUserTabGrp("G6", "six");
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{1, 2, 5, 6}));
    EXPECT_EQ(groups->FindUserTabGrp("g6"), 6);

    // Deleting frees the members' marks and the id; new groups follow the last id in order.
    groups->DeleteUserTabGrp(6);
    groups->DeleteUserTabGrp(5);
    groups->DeleteUserTabGrp(5);
    groups->DeleteUserTabGrp(42);
    EXPECT_EQ(groups->GetUserTabGrp(5), nullptr);
    EXPECT_EQ(Mark("8930"), 0);
    EXPECT_EQ(Mark("8000"), 1);
    groups->AddUserTabGrp("G3", "three");
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{1, 2, 3}));
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(UserTabGrpTest, MembersJoinAndLeaveGroups) {
    groups->AddUserTabGrp("G1", "one");
    groups->AddUserTabGrp("G2", "two");
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{1, 2}));

    groups->AddUserTabGrpItem("9999", 1);  // the menu does not know it
    groups->AddUserTabGrpItem("8000", 99);
    EXPECT_EQ(Members(1), Codes{});
    groups->AddUserTabGrpItem("8000", 1);
    groups->AddUserTabGrpItem("8000", 1);
    EXPECT_EQ(Members(1), (Codes{"8000", "8000"}));
    EXPECT_EQ(Mark("8000"), 1);
    groups->AddUserTabGrpItem("8000", 2);
    EXPECT_EQ(Mark("8000"), 2);
    groups->DeleteUserTabGrpItem("8000", 1);  // leaving any group clears the mark
    EXPECT_EQ(Members(1), Codes{"8000"});
    EXPECT_EQ(Mark("8000"), 0);

    // Deletion takes the first entry equal without regard to case, but only when the menu knows
    // the caller's spelling.
    EXPECT_EQ(LoadFile("<TABGRP ID=\"7\"><NODE>1001</NODE><NODE>a100</NODE><NODE>A100</NODE></TABGRP>"), 1);
    EXPECT_EQ(Mark("A100"), 7);
    groups->DeleteUserTabGrpItem("a100", 7);
    EXPECT_EQ(Members(7), (Codes{"1001", "a100", "A100"}));
    groups->DeleteUserTabGrpItem("A100", 7);
    EXPECT_EQ(Members(7), (Codes{"1001", "A100"}));
    EXPECT_EQ(Mark("A100"), 0);
    groups->DeleteUserTabGrpItem("8001", 7);
    EXPECT_EQ(Members(7), (Codes{"1001", "A100"}));
}

TEST_F(UserTabGrpTest, SwapFollowsItsIndexRules) {
    groups->AddUserTabGrp("G1", "one");
    auto swapped = [&](Codes members, const std::string& a, const std::string& b) {
        groups->GetUserTabGrp(1)->trCodes = std::move(members);
        const std::int32_t result = groups->SwapUserTabGrpItem(a, b, 1);
        return std::make_pair(result, Members(1));
    };
    using Result = std::pair<std::int32_t, Codes>;
    const Codes three{"8000", "8930", "8001"};
    EXPECT_EQ(swapped(three, "8930", "8001"), (Result{0, {"8000", "8001", "8930"}}));
    // A code not found stands for position 0.
    EXPECT_EQ(swapped(three, "9999", "8001"), (Result{0, {"8001", "8930", "9999"}}));
    EXPECT_EQ(swapped(three, "9999", "9998"), (Result{-1, three}));
    EXPECT_EQ(swapped(three, "8000", "9999"), (Result{-1, three}));
    // The last match counts.
    EXPECT_EQ(swapped({"8000", "8930", "8000"}, "8000", "8930"), (Result{0, {"8000", "8000", "8930"}}));
    EXPECT_EQ(swapped({"8000"}, "8000", "8000"), (Result{-1, {"8000"}}));
    // Matching ignores case; the caller's spelling goes in.
    EXPECT_EQ(swapped({"a1", "b2"}, "A1", "B2"), (Result{0, {"B2", "A1"}}));
    EXPECT_EQ(swapped({}, "8000", "8930"), (Result{-1, {}}));
    EXPECT_EQ(groups->SwapUserTabGrpItem("8000", "8930", 2), -1);
}

TEST_F(UserTabGrpTest, GroupCodesFindGroups) {
    EXPECT_EQ(groups->FindUserTabGrp(""), 0);
    EXPECT_EQ(groups->IsUserTabGrpCode(""), 0);
    groups->AddUserTabGrp("Ab1", "x");
    groups->AddUserTabGrp("", "no code");
    EXPECT_EQ(groups->FindUserTabGrp("aB1"), 1);
    EXPECT_EQ(groups->IsUserTabGrpCode("AB1"), 1);
    EXPECT_EQ(groups->FindUserTabGrp(""), 0);
    EXPECT_EQ(groups->IsUserTabGrpCode(""), 1);
    EXPECT_EQ(groups->FindUserTabGrp("zz"), 0);
    EXPECT_EQ(groups->IsUserTabGrpCode("zz"), 0);
}

TEST_F(UserTabGrpTest, SavedFileReadsBackTheSame) {
    ASSERT_EQ(LoadFile("<TABGRP ID=\"3\" NAME=\"" + std::string("\xE5\x8F\xB0\xE6\x8C\x87") +
                       " &amp; &lt;co&gt; &quot;q&quot;\" TRCODE=\" x&#9;\"><NODE>8000</NODE>"
                       "<NODE> 8930 </NODE><NODE>&amp;</NODE></TABGRP>"
                       "<TABGRP ID=\"0\" NAME=\"\" TRCODE=\"\"/>"
                       "<TABGRP ID=\"1\" NAME=\"one\"><NODE>1001</NODE><NODE>1001</NODE></TABGRP>"),
              1);
    groups->AddUserTabGrp("NEW", Big5("新組"));
    groups->AddUserTabGrpItem("8001", 2);
    const std::vector<Group> before = Groups(groups);
    ASSERT_EQ(before.size(), 4u);
    EXPECT_EQ(std::get<1>(before[0]), Big5("台指") + " & <co> \"q\"");
    EXPECT_EQ(std::get<2>(before[0]), " x\t");
    EXPECT_EQ(std::get<3>(before[0]), (Codes{"8000", " 8930 ", "&"}));

    groups->SaveUserTabGrp();
    const std::string written = orv::test::ReadFile(UserPath("UserTabGrp.xml"));
    EXPECT_EQ(written.rfind(kDecl, 0), 0u);
    IOrvTabGrp* second = Create();
    EXPECT_EQ(second->LoadTabGrp("UserTabGrp.xml"), 1);
    EXPECT_EQ(Groups(second), before);
    second->SaveUserTabGrp();
    EXPECT_EQ(orv::test::ReadFile(UserPath("UserTabGrp.xml")), written);
    DestroyUserTabGrp(second);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(UserTabGrpTest, MissingFileIsCreatedEmpty) {
    groups->SaveUserTabGrp();  // nowhere to save before a load
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"File Save Error For Save TabGrp"});
    messageBoxes.clear();

    EXPECT_EQ(groups->LoadTabGrp("UserTabGrp.xml"), 1);
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(orv::test::ReadFile(UserPath("UserTabGrp.xml")).rfind(kDecl, 0), 0u);
    CXMLParser parser;
    ASSERT_NE(parser.Open(UserPath("UserTabGrp.xml"), 1), 0);
    EXPECT_TRUE(parser.GetRoot().NameIs("TAPGRPROOT"));
    EXPECT_FALSE(orv::test::HasChildElement(parser.GetRoot()));

    IOrvTabGrp* other = Create();
    EXPECT_EQ(other->LoadTabGrp("NoSuchFolder/UserTabGrp.xml"), 1);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"File Save Error For Save TabGrp"});
    DestroyUserTabGrp(other);
}

TEST_F(UserTabGrpTest, EveryIdIsHeldOnceWhateverTheFile) {
    // A later group of an id replaces the earlier one where it stood.
    EXPECT_EQ(LoadFile("<TABGRP ID=\"4\"><NODE>1001</NODE></TABGRP>"
                       "<TABGRP ID=\"3\" NAME=\"a\"><NODE>8000</NODE></TABGRP>"
                       "<TABGRP ID=\"2\"/>"
                       "<TABGRP ID=\"3\" NAME=\"b\"><NODE>8930</NODE></TABGRP>"),
              1);
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{4, 3, 2}));
    EXPECT_EQ(Members(3), Codes{"8930"});
    EXPECT_EQ(Mark("8000"), 0);
    EXPECT_EQ(Mark("8930"), 3);

    // Loading the same file again replaces every group; ids stay once each.
    EXPECT_EQ(groups->LoadTabGrp("UserTabGrp.xml"), 1);
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{4, 3, 2}));

    // The last id plus one is taken: take the next free id instead.
    groups->AddUserTabGrp("N", "n");
    EXPECT_EQ(*groups->GetUserTabGrpOrder(), (Order{4, 3, 2, 5}));

    // Ids that cannot be fetched are kept and written; the next id wraps to 1.
    IOrvTabGrp* odd = Create();
    const std::string maxId = std::to_string(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LoadFile("<TABGRP ID=\"-1\"/><TABGRP ID=\"1\"/><TABGRP ID=\"" + maxId + "\"/>", odd), 1);
    odd->AddUserTabGrp("W", "wrapped");
    EXPECT_EQ(*odd->GetUserTabGrpOrder(), (Order{0xffffffffu, 1, 0x7fffffffu, 2}));
    odd->DeleteUserTabGrp(-1);  // unreachable, so not deleted
    odd->SaveUserTabGrp();
    IOrvTabGrp* reread = Create();
    EXPECT_EQ(reread->LoadTabGrp("UserTabGrp.xml"), 1);
    EXPECT_EQ(Groups(reread), Groups(odd));
    DestroyUserTabGrp(reread);
    DestroyUserTabGrp(odd);
}

TEST_F(UserTabGrpTest, WithoutMenuNothingFaultsAndNothingIsLost) {
    IOrvTabGrp* noMenu = CreateUserTabGrp();
    EXPECT_EQ(LoadFile("<TABGRP ID=\"1\"><NODE>8000</NODE></TABGRP><TABGRP ID=\"2\"/>", noMenu), 1);
    EXPECT_EQ(Mark("8000"), 0);
    noMenu->AddUserTabGrpItem("8930", 1);
    noMenu->DeleteUserTabGrpItem("8000", 1);
    noMenu->DeleteUserTabGrp(2);
    EXPECT_EQ(Groups(noMenu), (std::vector<Group>{{1, "", "", {"8000"}}}));
    DestroyUserTabGrp(noMenu);
    EXPECT_EQ(groups->LoadTabGrp("UserTabGrp.xml"), 1);
    EXPECT_EQ(Groups(groups), (std::vector<Group>{{1, "", "", {"8000"}}}));
    EXPECT_EQ(Mark("8000"), 1);
}

TEST_F(UserTabGrpTest, UnreadableFileIsReportedAndKept) {
    for (const auto& bad : orv::test::UnreadableXmlFiles("TAPGRPROOT")) {
        SCOPED_TRACE(bad.what);
        messageBoxes.clear();
        orv::test::WriteFile(UserPath("UserTabGrp.xml"), bad.bytes);
        IOrvTabGrp* loaded = Create();
        EXPECT_EQ(loaded->LoadTabGrp("UserTabGrp.xml"), 0);
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"UserTabGrp.xmlFile open error"});
        EXPECT_TRUE(loaded->GetUserTabGrpOrder()->empty());
        DestroyUserTabGrp(loaded);
        EXPECT_TRUE(orv::test::SomeFileHolds(userDir, bad.bytes));
    }
}

}  // namespace
