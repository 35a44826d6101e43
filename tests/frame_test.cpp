// The exported functions and the export table.
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "orvmenu/OrvExports.h"

namespace orv::test {
namespace {

TEST(Frame, DestroyIgnoresNullAndFactoriesMakeFreshComponents) {
    DestroyOrvMainMenu(nullptr);
    IOrvMenu* a = CreateOrvMainMenu();
    IOrvMenu* b = CreateOrvMainMenu();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(a->GetRootMenu(), nullptr);
    EXPECT_EQ(a->GetMenuByTRCode("8000"), nullptr);
    EXPECT_EQ(a->GetMenuByID(7800), nullptr);
    DestroyOrvMainMenu(a);
    DestroyOrvMainMenu(b);
}

TEST(Frame, ModuleDefinitionFileMatchesTheExportTable) {
    std::ifstream def(ORV_SOURCE_DIR "/src/frame/OrvMenu.def");
    ASSERT_TRUE(def.good());
    std::set<std::pair<std::string, int>> listed;
    const std::regex line(R"(^\s*(\w+)\s+@(\d+)\s*$)");
    for (std::string s; std::getline(def, s);) {
        if (!s.empty() && s.back() == '\r') s.pop_back();
        std::smatch m;
        if (std::regex_match(s, m, line)) listed.insert({m[1], std::stoi(m[2])});
    }
    std::set<std::pair<std::string, int>> table;
#define ORV_TABLE_ENTRY(name, ordinal) table.insert({#name, ordinal});
    ORVMENU_EXPORT_TABLE(ORV_TABLE_ENTRY)
#undef ORV_TABLE_ENTRY
    EXPECT_EQ(listed, table);
}

}  // namespace
}  // namespace orv::test
