// Who sees which entry: the three grade groups, the special grade, screen 8000 and the
// derivatives markets.
#include "MenuFixture.h"

namespace orv::test {
namespace {

class MenuFilter : public MenuTest {
protected:
    // Sets the user without loading anything.
    void User(std::uint32_t mask, int derivatives, int show8000) {
        OrvUserInfo user{mask, 1, 2, 3};
        menu->SetUserInfo(&user, derivatives);
        menu->SetShow8000(show8000);
    }
    static OrvMenu Node(std::uint32_t grade, const std::string& name = "x", const std::string& code = "1001") {
        OrvMenu n;
        n.grade = grade;
        n.name = name;
        n.trCode = code;
        return n;
    }
};

TEST_F(MenuFilter, EveryGroupMustShareABit) {
    const std::uint32_t user = 0x00100401;  // one bit in each group
    User(user, 1, 1);
    const OrvMenu same = Node(0x00100401), missingThird = Node(0x00000401), wide = Node(0x3fffffff);
    EXPECT_EQ(menu->IsMenuVisible(&same), 1);
    EXPECT_EQ(menu->IsMenuVisible(&missingThird), 0);
    EXPECT_EQ(menu->IsMenuVisible(&wide), 1);
    const OrvMenu otherBits = Node(0x00200802);
    EXPECT_EQ(menu->IsMenuVisible(&otherBits), 0);
    EXPECT_EQ(menu->IsMenuVisible(nullptr), 0);
    EXPECT_EQ(menu->IsSpecialGrade(), 0);
}

TEST_F(MenuFilter, SpecialGradeSeesOnlyEntriesMarkedForIt) {
    User(0x40000000, 0, 1);
    EXPECT_EQ(menu->IsSpecialGrade(), 1);
    const OrvMenu marked = Node(0x40000000, Big5("台指期貨"));
    const OrvMenu everyGroup = Node(0x3fffffff);
    EXPECT_EQ(menu->IsMenuVisible(&marked), 1);  // market words do not hide it
    EXPECT_EQ(menu->IsMenuVisible(&everyGroup), 0);
    User(0x40000001, 0, 1);
    EXPECT_EQ(menu->IsSpecialGrade(), 0);
    EXPECT_EQ(menu->IsMenuVisible(&marked), 0);  // no longer special: the groups decide
}

TEST_F(MenuFilter, Screen8000NeedsItsOwnSwitch) {
    const OrvMenu s8000 = Node(0x7fffffff, "x", "8000");
    const OrvMenu s80001 = Node(0x7fffffff, "x", "80001");
    User(0x40000000, 1, 0);
    EXPECT_EQ(menu->IsMenuVisible(&s8000), 0);  // even for the special grade
    EXPECT_EQ(menu->IsMenuVisible(&s80001), 1);
    User(0x40000000, 1, 1);
    EXPECT_EQ(menu->IsMenuVisible(&s8000), 1);
    User(0x00100400, 1, 1);
    EXPECT_EQ(menu->IsMenuVisible(&s8000), 0);  // through to the grade test, which fails
}

TEST_F(MenuFilter, DerivativesWordsHideOnlyWholeCharacters) {
    const char* hidden[] = {"台指期貨", "期權報價", "選擇權T字報價", "ABC期貨"};
    const char* shown[] = {"台股報價", "期", "貨幣", "選擇"};
    User(kAllGrades, 0, 1);
    for (const char* name : hidden) {
        const OrvMenu n = Node(kAllGrades, Big5(name));
        EXPECT_EQ(menu->IsMenuVisible(&n), 0) << name;
    }
    for (const char* name : shown) {
        const OrvMenu n = Node(kAllGrades, Big5(name));
        EXPECT_EQ(menu->IsMenuVisible(&n), 1) << name;
    }
    // The bytes of "期貨" straddling two characters are not the word.
    const OrvMenu straddling = Node(kAllGrades, "\xA4\xB4\xC1\xB3" "f");
    ASSERT_NE(straddling.name.find(Big5("期貨")), std::string::npos);
    EXPECT_EQ(menu->IsMenuVisible(&straddling), 1);

    User(kAllGrades, 1, 1);
    for (const char* name : hidden) {
        const OrvMenu n = Node(kAllGrades, Big5(name));
        EXPECT_EQ(menu->IsMenuVisible(&n), 1) << name;
    }
}

TEST_F(MenuFilter, TrCodeRangesReadTheLeadingNumber) {
    const struct {
        const char* code;
        int in9100, in9501;
    } cases[] = {{"9100", 1, 0}, {"9200", 1, 0}, {"9150AB", 1, 0}, {"9099", 0, 0}, {"9201", 0, 0},
                 {"", 0, 0},     {"A9150", 0, 0}, {"9501", 0, 1},  {"9899x", 0, 1}, {"9500", 0, 0},
                 {"9900", 0, 0}, {" 9150", 1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(menu->IsTRCode9100To9200(c.code), c.in9100) << c.code;
        EXPECT_EQ(menu->IsTRCode9501To9899(c.code), c.in9501) << c.code;
    }
}

TEST_F(MenuFilter, WithoutAUserNothingIsShownButEverythingIsFound) {
    Load(R"(<NODE TRCODE="1001" DISP="Y" TYPE="FORM" GRADE="3fffffff">a</NODE>)", 0, 1, 1, /*withUser=*/false);
    EXPECT_EQ(bar.GetMenuItemCount(), 0);
    const OrvMenu* n = menu->GetMenuByTRCode("1001");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(menu->GetMenuByID(n->id), n);
}

}  // namespace
}  // namespace orv::test
