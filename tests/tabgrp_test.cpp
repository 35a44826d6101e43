// Fixed tab groups: the data file, the lookup by number, and the destroy functions shared by
// both kinds of tab group component.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "UnreadableXml.h"
#include "orvmenu/OrvExports.h"

namespace {

using orv::test::Big5;
using Codes = std::vector<std::string>;

class TabGrpTest : public orv::test::OrvTest {
protected:
    void SetUp() override {
        OrvTest::SetUp();
        groups = CreateOrvTabGrp();
        ASSERT_NE(groups, nullptr);
    }
    void TearDown() override {
        DestroyOrvTabGrp(groups);
        OrvTest::TearDown();
    }
    std::int32_t LoadFile(const std::string& body) {
        orv::test::WriteFile(DataPath("TabGroup.xml"),
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TABGROUPS>" + body + "</TABGROUPS>");
        return groups->LoadTabGrp("TabGroup.xml");
    }

    IOrvTabGrp* groups = nullptr;
};

TEST_F(TabGrpTest, ReadsGroupsByNumber) {
    ASSERT_EQ(LoadFile("<GROUP ID=\"3\" NAME=\"A\"><ITEM TRCODE=\"8000\"/><ITEM TRCODE=\"8930\">text</ITEM>"
                       "<ITEM TRCODE=\"8000\"/><ITEM OTHER=\"1\"/><NODE TRCODE=\"1\"/></GROUP>"
                       "<ITEM TRCODE=\"9\"/>"
                       "<group name=\"" + std::string("\xE5\xA0\xB1\xE5\x83\xB9") + "\" id=\" +4x\">"
                       "<item trcode=\"1001\" TRCODE=\"1002\"/></group>"
                       "<GROUP NAME=\"no id\"><ITEM TRCODE=\"1\"/></GROUP>"
                       "<GROUP ID=\"-1\"><ITEM TRCODE=\"1\"/></GROUP>"
                       "<GROUP ID=\"7\" NAME=\"first\" name=\"second\"/>"),
              1);
    const COrvTabGrpItem* three = groups->GetTabGrp(3);
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->id, 3);
    EXPECT_EQ(three->name, "A");
    EXPECT_EQ(three->trCodes, (Codes{"8000", "8930", "8000"}));
    const COrvTabGrpItem* four = groups->GetTabGrp(4);
    ASSERT_NE(four, nullptr);
    EXPECT_EQ(four->name, Big5("報價"));
    EXPECT_EQ(four->trCodes, (Codes{"1001", "1002"}));
    ASSERT_NE(groups->GetTabGrp(7), nullptr);
    EXPECT_EQ(groups->GetTabGrp(7)->name, "second");
    EXPECT_TRUE(groups->GetTabGrp(7)->trCodes.empty());
    // Groups numbered 0 or below are read but never handed out.
    EXPECT_EQ(groups->GetTabGrp(0), nullptr);
    EXPECT_EQ(groups->GetTabGrp(-1), nullptr);
    EXPECT_EQ(groups->GetTabGrp(5), nullptr);

    // A second load adds; a group of a number already held replaces it.
    EXPECT_EQ(LoadFile("<GROUP ID=\"3\" NAME=\"B\"><ITEM TRCODE=\"1\"/></GROUP>"
                       "<GROUP ID=\"3\" NAME=\"C\"><ITEM TRCODE=\"2\"/></GROUP>"),
              1);
    ASSERT_NE(groups->GetTabGrp(3), nullptr);
    EXPECT_EQ(groups->GetTabGrp(3)->name, "C");
    EXPECT_EQ(groups->GetTabGrp(3)->trCodes, Codes{"2"});
    EXPECT_NE(groups->GetTabGrp(4), nullptr);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(TabGrpTest, UserOperationsDoNothing) {
    ASSERT_EQ(LoadFile("<GROUP ID=\"1\" NAME=\"A\"><ITEM TRCODE=\"8000\"/></GROUP>"), 1);
    const std::string bytes = orv::test::ReadFile(DataPath("TabGroup.xml"));
    groups->AddUserTabGrp("G", "g");
    groups->AddUserTabGrpItem("8930", 1);
    groups->DeleteUserTabGrpItem("8000", 1);
    groups->DeleteUserTabGrp(1);
    groups->SaveUserTabGrp();
    EXPECT_EQ(groups->GetUserTabGrp(1), nullptr);
    EXPECT_EQ(groups->FindUserTabGrp("G"), 0);
    EXPECT_EQ(groups->GetUserTabGrpOrder(), nullptr);
    EXPECT_EQ(groups->IsUserTabGrpCode(""), 0);
    EXPECT_EQ(groups->SwapUserTabGrpItem("8000", "8930", 1), 0);
    EXPECT_EQ(groups->SetMenu(nullptr), nullptr);
    ASSERT_NE(groups->GetTabGrp(1), nullptr);
    EXPECT_EQ(groups->GetTabGrp(1)->trCodes, Codes{"8000"});
    DestroyOrvTabGrp(groups);
    groups = nullptr;
    EXPECT_EQ(orv::test::ReadFile(DataPath("TabGroup.xml")), bytes);
    EXPECT_EQ(orv::test::ListDir(dataDir), (std::vector<std::string>{"TabGroup.xml", "User"}));
}

TEST_F(TabGrpTest, UnreadableFileIsReportedAndLeftAlone) {
    EXPECT_EQ(groups->LoadTabGrp("TabGroup.xml"), 0);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"TabGroup.xmlFile open error"});
    for (const auto& bad : orv::test::UnreadableXmlFiles("TABGROUPS")) {
        SCOPED_TRACE(bad.what);
        messageBoxes.clear();
        orv::test::WriteFile(DataPath("TabGroup.xml"), bad.bytes);
        EXPECT_EQ(groups->LoadTabGrp("TabGroup.xml"), 0);
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"TabGroup.xmlFile open error"});
        EXPECT_EQ(orv::test::ReadFile(DataPath("TabGroup.xml")), bad.bytes);
    }
}

TEST_F(TabGrpTest, EitherDestroyFunctionDeletesEitherKind) {
    DestroyOrvTabGrp(nullptr);
    DestroyUserTabGrp(nullptr);
    DestroyUserTabGrp(CreateOrvTabGrp());

    // The user component's own destructor runs through either function: it saves its file.
    for (auto* destroy : {&DestroyOrvTabGrp, &DestroyUserTabGrp}) {
        IOrvTabGrp* user = CreateUserTabGrp();
        ASSERT_NE(user, nullptr);
        EXPECT_EQ(user->LoadTabGrp("UserTabGrp.xml"), 1);
        user->AddUserTabGrp("G", "g");
        destroy(user);
        EXPECT_NE(orv::test::ReadFile(UserPath("UserTabGrp.xml")).find("TRCODE=\"G\""), std::string::npos);
        std::filesystem::remove(UserPath("UserTabGrp.xml"));
    }
}

}  // namespace
