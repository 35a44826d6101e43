// The user's open counts, applied to the catalogue by TR code.
#include "MenuFixture.h"

namespace orv::test {
namespace {

constexpr const char* kCatalogue = R"(<NODE TRCODE="1001" OPENCNT="5"/><NODE TRCODE="1002" OPENCNT="5"/>
<NODE TRCODE="1003" OPENCNT="5"/><NODE TRCODE="1004" GRADE="1" OPENCNT="5"/>)";

class ScreenSet : public MenuTest {
protected:
    void Settings(const std::string& body) { WriteFile(DataPath("UserDef/Screen_Set.xml"), body); }
    std::int32_t Count(const char* code) { return menu->GetMenuByTRCode(code)->openCount; }
};

TEST_F(ScreenSet, CodesAndCountsPairByPosition) {
    Settings(R"(<?xml version="1.0" encoding="UTF-8"?>
<usrdefdata>
  <TRCOE1><ITEM>1001</ITEM><ITEM>9999</ITEM><OTHER>1002</OTHER></TRCOE1>
  <IGNORED><ITEM>1003</ITEM></IGNORED>
  <TRCOE1><ITEM>1003</ITEM><ITEM>1004</ITEM></TRCOE1>
  <OPENCNT><ITEM>12</ITEM><ITEM>99</ITEM></OPENCNT>
  <OPENCNT><ITEM>-2</ITEM><ITEM>0</ITEM></OPENCNT>
</usrdefdata>)");
    Load(kCatalogue, 0x00100401);
    EXPECT_EQ(Count("1001"), 12);
    EXPECT_EQ(Count("1002"), 5);   // its code stood in an element that is not a list
    EXPECT_EQ(Count("1003"), -2);  // stored as read, negative included
    EXPECT_EQ(Count("1004"), 0);   // filtered out of the menu, but found by code
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(ScreenSet, CodesWithoutCountsAreLeftAlone) {
    Settings("<USRDEFDATA><TRCOE1><ITEM>1001</ITEM><ITEM>1002</ITEM><ITEM>1001</ITEM></TRCOE1>"
             "<OPENCNT><ITEM>3</ITEM></OPENCNT></USRDEFDATA>");
    Load(kCatalogue);
    EXPECT_EQ(Count("1001"), 3);
    EXPECT_EQ(Count("1002"), 5);
}

TEST_F(ScreenSet, ALaterDuplicateWins) {
    Settings("<USRDEFDATA><TRCOE1><ITEM>1001</ITEM><ITEM>1001</ITEM></TRCOE1>"
             "<OPENCNT><ITEM>3</ITEM><ITEM>4x</ITEM></OPENCNT></USRDEFDATA>");
    Load(kCatalogue);
    EXPECT_EQ(Count("1001"), 4);
}

TEST_F(ScreenSet, AnythingElseChangesNothingAndSaysNothing) {
    const std::string files[] = {
        "<USRDEFDATA><TRCODE><ITEM>1001</ITEM></TRCODE><OPENCNT><ITEM>9</ITEM></OPENCNT></USRDEFDATA>",
        "<OTHER><TRCOE1><ITEM>1001</ITEM></TRCOE1><OPENCNT><ITEM>9</ITEM></OPENCNT></OTHER>",
        "<USRDEFDATA><TRCOE1><ITEM>1001",
        "\xff\xfe\x00garbage",
    };
    for (const auto& f : files) {
        Settings(f);
        Load(kCatalogue);
        EXPECT_EQ(Count("1001"), 5) << f;
    }
    std::filesystem::remove(DataPath("UserDef/Screen_Set.xml"));
    Load(kCatalogue);
    EXPECT_EQ(Count("1001"), 5);
    EXPECT_TRUE(messageBoxes.empty());
}

}  // namespace
}  // namespace orv::test
