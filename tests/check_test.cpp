// orvhost check: one small bad file per rule, each fault reported once at its line and column;
// the sample data checks clean. orvhost grades: the screens one grade set sees and another not.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../tools/orvhost/Host.h"
#include "TestSupport.h"
#include "testsupport/check/Checker.h"

namespace orv::test {
namespace {

using orv::check::CheckDataFolder;
using orv::check::Options;
using orv::check::ParseArguments;

constexpr char kDecl[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Two screens, 1001 and 8000, in one submenu.
constexpr char kCatalogue[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<MENU>\n"
    "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"Quotes\">\n"
    "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"1001\" FILE=\"a.frm\">A</NODE>\n"
    "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"8000\" FILE=\"b.frm\">B</NODE>\n"
    "  </NODE>\n"
    "</MENU>\n";

class CheckTest : public OrvTest {
protected:
    void SetUp() override {
        OrvTest::SetUp();
        WriteFile(DataPath("OrvMenu.xml"), kCatalogue);
    }

    // Runs the checker on the data folder; the report's lines without the folder in front.
    std::vector<std::string> Check(int expectedStatus) {
        std::ostringstream out;
        EXPECT_EQ(orv::check::CheckDataFolder(dataDir, out), expectedStatus) << out.str();
        report = out.str();
        std::vector<std::string> lines;
        std::istringstream in(report);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(dataDir + "/", 0) == 0) line.erase(0, dataDir.size() + 1);
            lines.push_back(line);
        }
        return lines;
    }

    // The one line that starts with "file:line:column: severity:" holds fragment.
    void Expect(const std::vector<std::string>& lines, const std::string& start, const std::string& fragment) {
        int found = 0;
        for (const std::string& line : lines) {
            if (line.rfind(start, 0) != 0) continue;
            ++found;
            EXPECT_NE(line.find(fragment), std::string::npos) << line;
        }
        EXPECT_EQ(found, 1) << "expected one \"" << start << "\" in\n" << report;
    }

    std::string report;
};

TEST_F(CheckTest, SamplesAndACleanFolderReportNothing) {
    std::ostringstream out;
    EXPECT_EQ(orv::check::CheckDataFolder(ORV_SOURCE_DIR "/examples", out), 0);
    EXPECT_EQ(out.str(), "");

    WriteFile(UserPath("HotKey.xml"), std::string(kDecl) + "<HOTKEY>\n  <NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"c\">B</NODE>\n</HOTKEY>\n");
    WriteFile(DataPath("ActTab.xml"), std::string(kDecl) + "<ACTTAB><use>Y</use><FONT>Arial,0,-12</FONT><NorBackColor>#102030</NorBackColor></ACTTAB>\n");
    EXPECT_TRUE(Check(0).empty()) << report;
}

TEST_F(CheckTest, UnreadableFilesAndAMissingCatalogue) {
    WriteFile(DataPath("OrvMenu.xml"), std::string(kDecl) + "<MENU>\n  <NODE TYPE=\"SEP\">\n</MENU>\n");
    WriteFile(UserPath("HotKey.xml"), std::string(kDecl) + "<HOTKEY>\n  <NODE TRCODE=\"8000\"");
    WriteFile(UserPath("UserTabGrp.xml"), std::string(kDecl) + "<TAPGRPROOT>\n\n  <TABGRP ID=\"1\">caf\xC3</TABGRP></TAPGRPROOT>\n");
    // An element, a tag, a quote or a comment left open is reported where it was opened, by
    // the checker's own scan, the same on both back ends (the readers give up further on).
    WriteFile(DataPath("TabGroup.xml"), std::string(kDecl) +
                                            "<TABGROUP>\n"
                                            "  <GROUP ID=\"1\" NAME=\"a\">\n"
                                            "    <ITEM TRCODE=\"8000\">\n"     // 4: never closed
                                            "    <ITEM TRCODE=\"1001\"/>\n"
                                            "  </GROUP>\n"                    // 6
                                            "</TABGROUP>\n");
    WriteFile(DataPath("ActTab.xml"), std::string(kDecl) + "<ACTTAB>\n  <!-- colours\n  <USE>Y</USE>\n</ACTTAB>\n");
    WriteFile(UserPath("ToolBar.xml"), "<TOOLBAR>\n  <NODE NAME=\"a><NODE NAME=\"b\"/></NODE>\n</TOOLBAR>\n");
    auto lines = Check(1);
    Expect(lines, "OrvMenu.xml:3:3: error:",
           "element <NODE> is never closed: the </MENU> at line 4 closes its parent first, so the terminal cannot read this file: "
           "it shows \"File open error\" and starts with no menu");
    Expect(lines, "User/HotKey.xml:3:3: error:",
           "the tag <NODE> opened here is never closed with '>', so the terminal cannot read this file: it keeps it aside as "
           "HotKey.xml.unreadable and starts with no hot keys");
    Expect(lines, "TabGroup.xml:4:5: error:", "element <ITEM> is never closed: the </GROUP> at line 6 closes its parent first");
    Expect(lines, "ActTab.xml:3:3: error:", "the comment opened here is never closed with '-->'");
    Expect(lines, "User/ToolBar.xml:2:14: error:", "the quote (\") opened here in <NODE> is never closed");
    // Bytes that are not UTF-8 are found by the reader itself, at the same place on both.
    Expect(lines, "User/UserTabGrp.xml:4:21: error:", "the terminal cannot read this file (");
    EXPECT_EQ(lines.back(), "6 errors, 0 warnings");

    std::filesystem::remove(DataPath("OrvMenu.xml"));
    std::filesystem::remove(UserPath("HotKey.xml"));
    std::filesystem::remove(UserPath("UserTabGrp.xml"));
    lines = Check(1);
    Expect(lines, "OrvMenu.xml:1:1: error:", "no such file");
}

TEST_F(CheckTest, LargeBrokenFilesAreScannedOnce) {
    // 20,000 elements left open, and a tag of 30,000 attributes whose last quote never closes:
    // each found in one pass over the text (a pass per quote would take seconds).
    std::string deep = std::string(kDecl) + "<MENU>\n";
    for (int i = 0; i < 20000; ++i) deep += "<NODE TYPE=\"DLL\">";
    WriteFile(DataPath("OrvMenu.xml"), deep + "\n");
    std::string wide = std::string(kDecl) + "<HOTKEY>\n<NODE";
    for (int i = 0; i < 30000; ++i) wide += " a" + std::to_string(i) + "=\"x\"";
    WriteFile(UserPath("HotKey.xml"), wide + " b=\"open\n<NODE/>\n</HOTKEY>\n");
    const auto lines = Check(1);
    Expect(lines, "OrvMenu.xml:3:339984: error:", "element <NODE> is never closed: the file ends first");
    Expect(lines, "User/HotKey.xml:3:", "the quote (\") opened here in <NODE> is never closed");
}

TEST_F(CheckTest, CatalogueNamesValuesAndTrCodes) {
    WriteFile(DataPath("OrvMenu.xml"),
              std::string(kDecl) +
                  "<MENU>\n"
                  "  <NOED TYPE=\"FORM\"/>\n"                                                  // 3
                  "  <NODE TYPE=\"FROM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCOD=\"1\">x</NODE>\n"  // 4
                  "  <NODE TYPE=\"FORM\" DISP=\"y\" GRADE=\"XYZ\" OPENCNT=\"abc\">x</NODE>\n"   // 5
                  "  <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FF\" TRCODE=\"1001\">x</NODE>\n"   // 6
                  "  <NODE DISP=\"Y\" GRADE=\"7FFFFFFF\" TRCODE=\"1001\">x</NODE>\n"            // 7
                  "</MENU>\n");
    const auto lines = Check(1);
    Expect(lines, "OrvMenu.xml:3:3: warning:", "element 'NOED' in the catalogue is ignored (the terminal reads NAME, NODE); a typo for 'NODE'?");
    Expect(lines, "OrvMenu.xml:4:9: error:",
           "TYPE 'FROM' is not a kind of entry (FORM, DLL, SEP, FUNC, EXEC, SHELL, WFORM, FORMDLG): the entry is never shown; a typo for 'FORM'?");
    Expect(lines, "OrvMenu.xml:4:47: warning:", "attribute 'TRCOD' of NODE is ignored");
    Expect(lines, "OrvMenu.xml:4:47: warning:", "a typo for 'TRCODE'?");
    Expect(lines, "OrvMenu.xml:5:21: error:", "DISP 'y' hides the entry: only 'Y' shows it");
    Expect(lines, "OrvMenu.xml:5:30: error:", "GRADE 'XYZ' is not a hexadecimal grade mask");
    Expect(lines, "OrvMenu.xml:5:42: error:", "OPENCNT 'abc' is not a number of 0 or more");
    Expect(lines, "OrvMenu.xml:6:30: error:", "GRADE '3FF' has no bit in one of the three grade groups");
    Expect(lines, "OrvMenu.xml:7:3: error:", "NODE without TYPE is never shown");
    Expect(lines, "OrvMenu.xml:7:35: error:", "TR code '1001' is also the entry's at line 6: screens, hot keys and tab groups reach only this later entry");
    EXPECT_EQ(lines.back(), "7 errors, 2 warnings");
}

TEST_F(CheckTest, CommandIdentifiersPastTheToolbarsAndPast16Bits) {
    // 7800 + 2100 = 9900, the toolbar's first item; 7800 + 65536 wraps onto 7800.
    const auto catalogue = [](int nodes) {
        std::string text = std::string(kDecl) + "<MENU>\n";
        for (int i = 0; i < nodes; ++i) text += "<NODE TYPE=\"SEP\"/>\n";
        return text + "</MENU>\n";
    };
    WriteFile(DataPath("OrvMenu.xml"), catalogue(2101));
    auto lines = Check(0);
    Expect(lines, "OrvMenu.xml:2103:1: warning:", "the menu's command identifiers reach 9900, where the toolbar numbers its items");
    EXPECT_EQ(lines.size(), 2u) << report;

    WriteFile(DataPath("OrvMenu.xml"), catalogue(65538));
    lines = Check(1);
    Expect(lines, "OrvMenu.xml:65539:1: error:", "command identifier 73336 wraps past 16 bits to 7800, the command of the entry at line 3: 2 entries");
}

TEST_F(CheckTest, ScreenSettings) {
    WriteFile(DataPath("UserDef/Screen_Set.xml"),
              std::string(kDecl) +
                  "<USRDEFDATA>\n"
                  "  <TRCOE1><ITEM>8000</ITEM><ITEM>1001</ITEM><IETM>1</IETM></TRCOE1>\n"  // 3
                  "  <TRCODE><ITEM>8000</ITEM></TRCODE>\n"                                 // 4
                  "  <OPENCNT><ITEM>x1</ITEM></OPENCNT>\n"                                 // 5
                  "</USRDEFDATA>\n");
    auto lines = Check(1);
    Expect(lines, "UserDef/Screen_Set.xml:3:45: warning:", "element 'IETM' in a list is ignored (the terminal reads ITEM)");
    Expect(lines, "UserDef/Screen_Set.xml:3:28: error:", "TR code '1001' has no count");
    Expect(lines, "UserDef/Screen_Set.xml:4:3: warning:", "element 'TRCODE' in USRDEFDATA is ignored (the terminal reads TRCOE1, OPENCNT); a typo for 'TRCOE1'?");
    Expect(lines, "UserDef/Screen_Set.xml:5:12: error:", "open count 'x1' is not a number: it reads as 0");

    // A code the catalogue lacks takes its count's place and sets nothing.
    WriteFile(DataPath("UserDef/Screen_Set.xml"),
              std::string(kDecl) + "<USRDEFDATA>\n  <TRCOE1><ITEM>7777</ITEM><ITEM>8000</ITEM></TRCOE1><OPENCNT><ITEM>1</ITEM><ITEM>2</ITEM></OPENCNT>\n</USRDEFDATA>\n");
    lines = Check(0);
    Expect(lines, "UserDef/Screen_Set.xml:3:11: warning:", "TR code '7777' is not in the catalogue: its open count is not applied");
    EXPECT_EQ(lines.size(), 2u) << report;

    WriteFile(DataPath("UserDef/Screen_Set.xml"), std::string(kDecl) + "<USERDATA/>\n");
    lines = Check(1);
    Expect(lines, "UserDef/Screen_Set.xml:2:1: error:", "the terminal ignores this file: its document element must be USRDEFDATA");
}

TEST_F(CheckTest, ActionTabStyle) {
    WriteFile(DataPath("ActTab.xml"), std::string(kDecl) +
                                          "<ACTTAB>\n"
                                          "  <USE>y</USE>\n"                      // 3
                                          "  <FONT>Arial,0,x</FONT>\n"            // 4
                                          "  <SELBAKCOLOR>1,2,3</SELBAKCOLOR>\n"  // 5
                                          "  <NORFORECOLOR>300,0,0</NORFORECOLOR>\n"
                                          "</ACTTAB>\n");
    const auto lines = Check(1);
    Expect(lines, "ActTab.xml:3:3: error:", "USE 'y' reads as 'N': only 'Y' turns the tab bar on");
    Expect(lines, "ActTab.xml:4:3: error:", "FONT 'Arial,0,x' is not a font");
    Expect(lines, "ActTab.xml:5:3: warning:", "a typo for 'SELBACKCOLOR'?");
    Expect(lines, "ActTab.xml:6:3: error:", "NORFORECOLOR '300,0,0' is not a colour");
}

TEST_F(CheckTest, ColourTable) {
    WriteFile(DataPath("FormColor.xml"), std::string(kDecl) +
                                             "<FORMCOLOR>\n"
                                             "  <COLOR INDEX=\"52\">10,10,10</COLOR>\n"  // 3
                                             "  <COLOR INDEX=\"54\">#202020</COLOR>\n"   // 4
                                             "  <COLOR INDEX=\"52\">0,0,0</COLOR>\n"     // 5
                                             "  <COLOR INDEX=\"64\">0,0,0</COLOR>\n"     // 6
                                             "  <COLOR>0,0,0</COLOR>\n"                  // 7
                                             "  <COLOR INDEX=\"1\">black</COLOR>\n"      // 8
                                             "  <COLOUR INDEX=\"1\">0,0,0</COLOUR>\n"    // 9
                                             "</FORMCOLOR>\n");
    auto lines = Check(1);
    Expect(lines, "FormColor.xml:2:1: warning:", "the toolbar box's text (entry 54) on its field (entry 52) has a contrast of 1.3:1");
    Expect(lines, "FormColor.xml:5:10: warning:", "entry 52 is also set at line 3: this later colour holds");
    Expect(lines, "FormColor.xml:6:10: error:", "INDEX '64' is not an entry of the table (0 to 63)");
    Expect(lines, "FormColor.xml:7:3: error:", "COLOR without INDEX is ignored");
    Expect(lines, "FormColor.xml:8:3: error:", "colour 'black' is not a colour");
    Expect(lines, "FormColor.xml:9:3: warning:", "a typo for 'COLOR'?");

    WriteFile(DataPath("FormColor.xml"), std::string(kDecl) + "<COLORS/>\n");
    lines = Check(1);
    Expect(lines, "FormColor.xml:2:1: error:", "its document element must be FORMCOLOR");

    // The dark sample theme in a data folder is clean.
    std::filesystem::copy_file(ORV_SOURCE_DIR "/examples/Themes/Dark/FormColor.xml", DataPath("FormColor.xml"),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(Check(0).empty()) << report;
}

TEST_F(CheckTest, FixedTabGroups) {
    WriteFile(DataPath("TabGroup.xml"), std::string(kDecl) +
                                            "<TABGROUP>\n"
                                            "  <GROUP NAME=\"a\"><ITEM TRCODE=\"8000\"/></GROUP>\n"  // 3
                                            "  <GROUP ID=\"2\" NAME=\"b\"><ITEM/><ITEM TRCODE=\"7777\"/></GROUP>\n"
                                            "  <GROUP ID=\"2\"/>\n"   // 5
                                            "  <GROUP ID=\"x\"/>\n"   // 6
                                            "</TABGROUP>\n");
    const auto lines = Check(1);
    Expect(lines, "TabGroup.xml:3:3: error:", "GROUP without ID is group 0, which the terminal never opens");
    Expect(lines, "TabGroup.xml:4:26: warning:", "ITEM without TRCODE adds no screen");
    Expect(lines, "TabGroup.xml:4:39: warning:", "TR code '7777' is not in the catalogue: the group cannot open it");
    Expect(lines, "TabGroup.xml:5:10: error:", "group 2 is also the group at line 4: this later one replaces it");
    Expect(lines, "TabGroup.xml:6:10: error:", "ID 'x' is not a group number of 1 or more");
}

TEST_F(CheckTest, HotKeys) {
    WriteFile(UserPath("HotKey.xml"), std::string(kDecl) +
                                          "<HOTKEY>\n"
                                          "  <NODE TRCODE=\"8000\" KEYCODE=\"112\" MOD=\"C\">a</NODE>\n"  // 3
                                          "  <NODE TRCODE=\"1001\" KEYCODE=\"112\" MOD=\"c\">b</NODE>\n"  // 4
                                          "  <NODE TRCODE=\"1001\" KEYCODE=\"F1\" MOD=\"X\">a</NODE>\n"   // 5
                                          "  <NODE TRCODE=\"7777\" KEYCODE=\"113\">c</NODE>\n"           // 6
                                          "  <NODE KEYCODE=\"114\">d</NODE>\n"                            // 7
                                          "</HOTKEY>\n");
    const auto lines = Check(1);
    Expect(lines, "User/HotKey.xml:4:3: error:", "Ctrl+F1 (112) is also bound at line 3: only one of the two ever fires");
    Expect(lines, "User/HotKey.xml:5:3: error:", "text 'a' is also the hot key's at line 3: only this later one is kept");
    Expect(lines, "User/HotKey.xml:5:23: error:", "KEYCODE 'F1' is not a key code (a number above 0): the hot key never fires");
    Expect(lines, "User/HotKey.xml:5:36: error:", "MOD 'X' reads as no modifier");
    Expect(lines, "User/HotKey.xml:6:9: error:", "TR code '7777' is not in the catalogue: the hot key is dropped when the file is read");
    Expect(lines, "User/HotKey.xml:7:3: error:", "NODE without TRCODE: the hot key is dropped");
}

TEST_F(CheckTest, UserTabGroupsAndCodePage) {
    WriteFile(UserPath("UserTabGrp.xml"),
              std::string(kDecl) +
                  "<TAPGRPROOT>\n"
                  "  <TABGRP ID=\"1\" NAME=\"a\" TRCODE=\"G01\"><NODE>8000</NODE><NODE>7777</NODE></TABGRP>\n"  // 3
                  "  <TABGRP ID=\"1\" NAME=\"\xED\x95\x9C\" TRCODE=\"g01\"/>\n"                             // 4
                  "  <TABGRP ID=\"0\" NAME=\"c\" TRCODE=\"G03\" CODE=\"x\"/>\n"                            // 5
                  "</TAPGRPROOT>\n");
    const auto lines = Check(1);
    Expect(lines, "User/UserTabGrp.xml:3:57: warning:", "TR code '7777' is not in the catalogue");
    Expect(lines, "User/UserTabGrp.xml:4:11: error:", "group 1 is also the group at line 3: this later one replaces it");
    Expect(lines, "User/UserTabGrp.xml:4:24: warning:", "(U+D55C) is not in the terminal's code page (950): it reads as '?'");
    // Columns count bytes: the character before TRCODE takes 3 in this UTF-8 file.
    Expect(lines, "User/UserTabGrp.xml:4:29: error:", "group code 'g01' is also the group's at line 3: a typed code finds only one of them");
    Expect(lines, "User/UserTabGrp.xml:5:11: error:", "ID '0' is not a group number of 1 or more");
    Expect(lines, "User/UserTabGrp.xml:5:40: warning:", "attribute 'CODE' of TABGRP is ignored (the terminal reads ID, NAME, TRCODE)");

    // In a Big5 file a Chinese character takes 2 bytes, so 2 columns; the reader's own faults
    // are given in bytes as well.
    std::filesystem::remove(UserPath("UserTabGrp.xml"));
    const std::string big5 = "<?xml version=\"1.0\" encoding=\"big5\"?>\n<HOTKEY>\n"
                             "  <NODE TRCODE=\"8000\" KEYCODE=\"112\">\xA7\xD6\xB3\x74</NODE><NODE TRCODE=\"7777\" KEYCODE=\"113\">x</NODE>\n";
    WriteFile(UserPath("HotKey.xml"), big5 + "</HOTKEY>\n");
    Expect(Check(1), "User/HotKey.xml:3:54: error:", "TR code '7777' is not in the catalogue");
    WriteFile(UserPath("HotKey.xml"), big5 + "  <NODE KEYCODE=\"1\">\xA7\xD6\xB3\x74&bad;</NODE>\n</HOTKEY>\n");
#ifndef _WIN32  // MSXML under Wine gives no position
    Expect(Check(1), "User/HotKey.xml:4:25:", "the terminal cannot read this file");
#endif
}

TEST_F(CheckTest, ToolBarDefinitionAndUserFile) {
    WriteFile(DataPath("OrvUIInit.xml"), std::string(kDecl) +
                                            "<UI>\n"
                                            "<TOOLBAR>\n"
                                            "  <MINSIZE>abc</MINSIZE>\n"
                                            "  <NODE NAME=\"g\" TYPE=\"GRUOP\" ICN=\"x.bmp\">\n"
                                            "    <NODE TRCODE=\"7777\" STYLE=\"ROUND\" LASTACT=\"YES\"/>\n"
                                            "    <NODEE/>\n"
                                            "    <NODE TRCODE=\"9150\"/><NODE TRCODE=\"8000\" TYPE=\"TREDIT\"/>\n"
                                            "    <NODE NAME=\"more\"><NODE TRCODE=\"1001\" TYPE=\"BUTON\"/></NODE>\n"  // 9
                                            "  </NODE>\n"
                                            "</TOOLBAR>\n"
                                            "</UI>\n");
    WriteFile(UserPath("ToolBar.xml"), "<TOOLBAR><NODE NAME=\"lost");
    const auto lines = Check(1);
    Expect(lines, "OrvUIInit.xml:4:", "MINSIZE 'abc' is not a number");
    Expect(lines, "OrvUIInit.xml:5:18: warning:", "TYPE 'GRUOP' is not a type (NORMAL, SEP, TREDIT, GROUP, BUTTON, GROUPBTN, FOLDER, URLEDIT, CODECOMBO, USERINFO, CTIWINDOW): the item is left out of the menus; a typo for 'GROUP'?");
    Expect(lines, "OrvUIInit.xml:5:31: warning:", "a typo for 'ICON'?");
    Expect(lines, "OrvUIInit.xml:6:11: warning:", "TR code '7777' is not in the catalogue");
    Expect(lines, "OrvUIInit.xml:6:25: warning:", "STYLE 'ROUND' is not a style (BUTTON, SEP, CHECK, GROUP, CHECKGROUP): the item is a plain button");
    Expect(lines, "OrvUIInit.xml:6:39: warning:", "only 'ON' checks the item");
    Expect(lines, "OrvUIInit.xml:7:", "a typo for 'NODE'?");
    Expect(lines, "OrvUIInit.xml:8:26: warning:", "the screen-number box lands over button '' of group 'g': it begins within the box's 80 pixels");
    Expect(lines, "OrvUIInit.xml:9:5: error:",
           "NODE 'more' has 1 item but no TYPE: the menus leave it out, and its items with it (TYPE FOLDER drops its items down, TYPE GROUP makes a group of buttons)");
    Expect(lines, "OrvUIInit.xml:9:43: warning:", "TYPE 'BUTON' is not a type");
    Expect(lines, "OrvUIInit.xml:9:43: warning:", "a typo for 'BUTTON'?");
    Expect(lines, "User/ToolBar.xml:1:21: error:", "the quote (\") opened here in <NODE> is never closed, so the terminal cannot read this file: it keeps it aside as ToolBar.xml.unreadable");
    // An item without TYPE and without items keeps its button but is missing from the lists.
    Expect(lines, "OrvUIInit.xml:6:5: warning:",
           "NODE of TR code '7777' has no TYPE: the menus leave it out (a folder's drop-down list and the toolbar's context menu); "
           "TYPE BUTTON or NORMAL lists it");
    Expect(lines, "OrvUIInit.xml:8:5: warning:", "NODE of TR code '9150' has no TYPE");
    EXPECT_EQ(lines.size(), 14u) << report;  // the thirteen, and the count

    // Where the screen-number box lands: behind a group switch button always over it; without
    // one, over what begins within 80 pixels: 13 separators (1 to 13 pixels) keep the place free.
    std::string spacer;
    const std::string sep = "<NODE TYPE=\"NORMAL\" STYLE=\"SEP\"/>";
    for (int i = 0; i < 13; ++i) spacer += sep;
    WriteFile(DataPath("OrvUIInit.xml"), std::string(kDecl) +
                                            "<UI><TOOLBAR>\n"
                                            "<NODE NAME=\"free\" TYPE=\"GROUP\"><NODE TYPE=\"TREDIT\"/>" + spacer + "<NODE TRCODE=\"8000\" NAME=\"b\" TYPE=\"BUTTON\"/></NODE>\n"  // 3
                                            "<NODE NAME=\"short\" TYPE=\"GROUP\"><NODE TYPE=\"TREDIT\"/>" + spacer.substr(0, 12 * sep.size()) + "<NODE NAME=\"c\" TYPE=\"BUTTON\"/></NODE>\n"
                                            "<NODE NAME=\"boxes\" TYPE=\"GROUP\"><NODE TYPE=\"CODECOMBO\" NAME=\"code\"/><NODE TYPE=\"TREDIT\"/></NODE>\n"  // 5
                                            "<NODE NAME=\"plain\" TYPE=\"GROUP\"><NODE TRCODE=\"8000\" NAME=\"d\" TYPE=\"BUTTON\"/></NODE>\n"
                                            "<NODE NAME=\"spaced\" TYPE=\"GROUP\">" + spacer + "<NODE TRCODE=\"8000\" NAME=\"e\" TYPE=\"BUTTON\"/></NODE>\n"  // 7
                                            "</TOOLBAR></UI>\n");
    std::filesystem::remove(UserPath("ToolBar.xml"));
    auto placed = Check(0);
    Expect(placed, "OrvUIInit.xml:4:", "lands over button 'c' of group 'short': it begins within the box's 80 pixels");
    Expect(placed, "OrvUIInit.xml:5:", "lands over the box of 'code' of group 'boxes'");
    Expect(placed, "OrvUIInit.xml:6:1: warning:", "when group 'plain' is shown after a group with a screen-number box, that box stays at the bar's left edge over button 'd'");
    EXPECT_EQ(placed.size(), 4u) << report;
    WriteFile(DataPath("OrvUIInit.xml"), std::string(kDecl) +
                                            "<UI><TOOLBAR>\n"
                                            "<NODE NAME=\"switch\" TYPE=\"GROUPBTN\"/>\n"
                                            "<NODE NAME=\"free\" TYPE=\"GROUP\"><NODE TYPE=\"TREDIT\"/>" + spacer + "</NODE>\n"  // 4
                                            "</TOOLBAR></UI>\n");
    placed = Check(0);
    Expect(placed, "OrvUIInit.xml:4:32: warning:",
           "the screen-number box lands over the group switch button of group 'free': a screen-number box in a group behind a group switch button always lands over it");

    // A default definition without a toolbar cannot make a new user's file.
    WriteFile(DataPath("OrvUIInit.xml"), std::string(kDecl) + "<UI><MENU/></UI>\n");
    std::filesystem::remove(UserPath("ToolBar.xml"));
    Expect(Check(0), "OrvUIInit.xml:2:", "no TOOLBAR element");

    // Pictures the toolbar would not show: missing, leading out of the image folder (by '..',
    // whether the file is there or not, or by a link), broken or too large.
    WriteFile(rootDir + "/out.bmp", "BM");
    WriteFile(imageDir + "/broken.bmp", "BM, and nothing more");
    std::string linked;
#ifndef _WIN32
    std::filesystem::create_symlink(rootDir + "/out.bmp", imageDir + "/link.bmp");
    linked = "<NODE ICON=\"link.bmp\"/>";
#endif
    WriteFile(DataPath("OrvUIInit.xml"), std::string(kDecl) +
                                            "<UI><TOOLBAR>\n"
                                            "<NODE ICON=\"../out.bmp\"/><NODE ICON=\"..\\..\\x.bmp\"/>\n"
                                            "<NODE ICON=\"broken.bmp\"/><NODE ICON=\"missing.bmp\"/>" + linked + "\n"
                                            "</TOOLBAR></UI>\n");
    const auto pictures = Check(1);
    Expect(pictures, "OrvUIInit.xml:3:7: error:", "ICON '../out.bmp' leads out of the image folder (" + imageDir + "): the terminal does not read it, and the button shows only its name");
    Expect(pictures, "OrvUIInit.xml:3:32: error:", "ICON '..\\..\\x.bmp' leads out of the image folder");
    Expect(pictures, "OrvUIInit.xml:4:7: warning:", "ICON 'broken.bmp' is not a picture the terminal shows");
    Expect(pictures, "OrvUIInit.xml:4:32: error:", "ICON 'missing.bmp' is not in the image folder (" + imageDir + "): the button shows only its name");
#ifndef _WIN32
    Expect(pictures, "OrvUIInit.xml:4:58: error:", "ICON 'link.bmp' is a link that leads out of the image folder");
#endif
}

TEST_F(CheckTest, SeparatorsThatMeetWhenAGradeHidesWhatStandsBetween) {
    WriteFile(DataPath("OrvMenu.xml"),
              std::string(kDecl) +
                  "<MENU>\n"
                  "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"Orders\">\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"8000\">Quick</NODE>\n"
                  "    <NODE TYPE=\"SEP\" DISP=\"Y\" GRADE=\"3FFFFFFF\"/>\n"                          // 5
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FF00802\" TRCODE=\"1002\">Pro</NODE>\n"
                  "    <NODE TYPE=\"SEP\" DISP=\"Y\" GRADE=\"3FFFFFFF\"/>\n"                          // 7
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"1001\">A</NODE>\n"
                  "    <NODE TYPE=\"SEP\" DISP=\"Y\" GRADE=\"3FFFFFFF\"/>\n"                          // 9
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"1003\">期貨</NODE>\n"
                  "  </NODE>\n"
                  "</MENU>\n");
    // By default the grades the samples are made for: a retail investor's and every grade.
    auto lines = Check(0);
    Expect(lines, "OrvMenu.xml:5:5: warning:",
           "for a user of grades 00100401 without derivatives rights, screen 8000 hidden, this separator is the first line of its submenu");
    Expect(lines, "OrvMenu.xml:7:5: warning:",
           "for a user of grades 00100401 without derivatives rights, this separator follows the one at line 5 with nothing shown between "
           "them: the menu shows two separator lines in a row");
    Expect(lines, "OrvMenu.xml:9:5: warning:", "for a user of grades 00100401 without derivatives rights, this separator is the last line of its submenu");
    EXPECT_EQ(lines.size(), 4u) << report;

    // A user with every grade sees what stands between 5 and 7.
    std::ostringstream out;
    Options options;
    options.dir = dataDir;
    options.grades = {0x3FFFFFFF};
    EXPECT_EQ(CheckDataFolder(options, out), 0);
    EXPECT_EQ(out.str().find(":7:"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(":9:5: warning: for a user of grades 3FFFFFFF without derivatives rights, this separator is the last"), std::string::npos) << out.str();

    std::string why;
    options = {};
    options.grades = {0x3FFFFFFF};
    EXPECT_TRUE(ParseArguments({"Data", "--grade", "3ff00802", "--grade", "1", "--image", "img"}, options, why));
    EXPECT_EQ(options.dir, "Data");
    EXPECT_EQ(options.imageDir, "img");
    EXPECT_EQ(options.grades, (std::vector<std::uint32_t>{0x3FFFFFFF, 0x3FF00802, 1}));
    EXPECT_FALSE(ParseArguments({"--grade", "xyz"}, options, why));
    EXPECT_EQ(why, "--grade xyz: a grade mask is 1 to 8 hexadecimal digits, 0 to FFFFFFFF, such as 00100401");
    EXPECT_FALSE(ParseArguments({"--grade"}, options, why));
    EXPECT_FALSE(ParseArguments({"a", "b"}, options, why));
}

TEST_F(CheckTest, SubmenusThatAGradeSetSeesEmpty) {
    WriteFile(DataPath("OrvMenu.xml"),
              std::string(kDecl) +
                  "<MENU>\n"
                  "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"Futures\">\n"  // 3
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FF00802\" TRCODE=\"8101\">F1</NODE>\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FF00802\" TRCODE=\"8102\">F2</NODE>\n"
                  "  </NODE>\n"
                  "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"Tools\">\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"1001\">A</NODE>\n"
                  "    <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"Old\">\n"  // 9
                  "      <NODE TYPE=\"FORM\" DISP=\"N\" GRADE=\"3FFFFFFF\" TRCODE=\"1002\">B</NODE>\n"
                  "    </NODE>\n"
                  "  </NODE>\n"
                  "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FF00802\" NAME=\"Pro\">\n"  // hidden with its entries
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FF00802\" TRCODE=\"8103\">P</NODE>\n"
                  "  </NODE>\n"
                  "</MENU>\n");
    // Reported once each, for the first grade set that opens it empty; a warning only.
    auto lines = Check(0);
    Expect(lines, "OrvMenu.xml:3:3: warning:",
           "for a user of grades 00100401 without derivatives rights, the menu shows submenu 'Futures' opening empty: none of its 2 "
           "entries is shown to him");
    Expect(lines, "OrvMenu.xml:9:5: warning:",
           "for a user of grades 00100401 without derivatives rights, the menu shows submenu 'Old' opening empty: its one entry is not "
           "shown to him");
    EXPECT_EQ(lines.size(), 3u) << report;

    // Every grade sees the futures, and still nothing in Old.
    std::ostringstream out;
    Options options;
    options.dir = dataDir;
    options.grades = {0x3FFFFFFF};
    EXPECT_EQ(CheckDataFolder(options, out), 0);
    EXPECT_EQ(out.str().find(":3:3:"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(":9:5: warning: for a user of grades 3FFFFFFF without derivatives rights, the menu shows submenu 'Old'"),
              std::string::npos)
        << out.str();
}

TEST_F(CheckTest, GradesListTheScreensOneGradeSetSeesAndTheOtherNot) {
    WriteFile(DataPath("OrvMenu.xml"),
              std::string(kDecl) +
                  "<MENU>\n"
                  "  <NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"All\">\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"00100401\" TRCODE=\"1001\">Basic</NODE>\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"00100402\" TRCODE=\"1002\">Pro</NODE>\n"
                  "    <NODE TYPE=\"FORM\" DISP=\"N\" GRADE=\"00100402\" TRCODE=\"1003\">Hidden</NODE>\n"
                  "  </NODE>\n"
                  "  <NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"00100403\" TRCODE=\"1004\">Both</NODE>\n"
                  "</MENU>\n");
    std::ostringstream out;
    EXPECT_EQ(orvhost::RunGrades(0x00100401, 0x00100402, "OrvMenu.xml", 1, 1, out), 0);
    EXPECT_EQ(out.str(),
              "Grades 00100401 and 00100402 (derivatives shown, screen 8000 shown), catalogue OrvMenu.xml\n"
              "Seen with 00100401, not with 00100402: 1\n"
              "  (1001) Basic\n"
              "Seen with 00100402, not with 00100401: 1\n"
              "  (1002) Pro\n");

    std::ostringstream none;
    EXPECT_EQ(orvhost::RunGrades(1, 2, "Missing.xml", 0, 1, none), 1);
    EXPECT_EQ(messageBoxes.size(), 1u);
}

}  // namespace
}  // namespace orv::test
