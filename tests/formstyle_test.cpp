// Form colours and fonts: the text forms of the style files and the terminal's colour table.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"

namespace {

using FormColorTable = orv::test::OrvTest;

TEST(FormColor, ReadsBothFormsIntoTheWindowSystemLayout) {
    CFormColor color;
    ASSERT_TRUE(color.fromString("1,2,3"));
    EXPECT_EQ(color.GetColor(), 0x030201u);
    ASSERT_TRUE(color.fromString(" 255 , 0,\t128\r\n"));
    EXPECT_EQ(color.GetColor(), orv::Rgb(255, 0, 128));
    ASSERT_TRUE(color.fromString("#0a0B0c"));
    EXPECT_EQ(color.toString(), "10,11,12");
    ASSERT_TRUE(color.fromString("#FFFFFF"));
    EXPECT_EQ(color.GetColor(), 0xffffffu);

    CFormColor again;
    ASSERT_TRUE(again.fromString(CFormColor(orv::Rgb(7, 200, 33)).toString()));
    EXPECT_EQ(again.GetColor(), orv::Rgb(7, 200, 33));
}

TEST(FormColor, MalformedTextKeepsTheColour) {
    for (const char* text :
         {"", "   ", "1,2", "1,2,3,", "1,2,3,4", ",1,2", "1,,3", "256,0,0", "-1,0,0", "+1,0,0",
          "1 2 3", "a,b,c", "1.5,2,3", "99999999999999999999,0,0", "0x10,0,0", "#12345",
          "#1234567", "#GG0000", "#+12345", "# 12345", "#", "RGB(1,2,3)"}) {
        CFormColor color(orv::Rgb(9, 8, 7));
        EXPECT_FALSE(color.fromString(text)) << '"' << text << '"';
        EXPECT_EQ(color.GetColor(), orv::Rgb(9, 8, 7)) << '"' << text << '"';
    }
}

// The table: the light default, the data folder's file over it, the host's calls over both.
TEST_F(FormColorTable, DefaultFileAndHostInThatOrder) {
    const CFormColor::Table light = CFormColor::GetDefaultFormColorTable();
    // Without a file: the light table, whose box text and triangle (54) read on the box (52)
    // and whose box stands out from the bar (53) it sits on.
    for (int i = 0; i < CFormColor::kFormColorCount; ++i) EXPECT_EQ(CFormColor::GetFormColor(i), light[static_cast<std::size_t>(i)]) << i;
    EXPECT_GE(orv::test::ContrastRatio(light[54], light[52]), 7.0);
    EXPECT_GE(orv::test::ContrastRatio(light[54], light[53]), 7.0);
    for (int index : {-1, CFormColor::kFormColorCount, 1000, INT_MIN, INT_MAX}) EXPECT_EQ(CFormColor::GetFormColor(index), light[1]) << index;

    // Names in any case; the last of two entries holds; an entry without a usable index or
    // colour changes nothing; other elements are not read.
    orv::test::WriteFile(DataPath(CFormColor::kTableFileName),
                         "<?xml version=\"1.0\"?>\n<FormColor>\n"
                         "  <COLOR INDEX=\"52\">1,2,3</COLOR>\n"
                         "  <color index=\"52\">#102030</color>\n"
                         "  <COLOR INDEX=\"54\">  200 , 201 , 202 </COLOR>\n"
                         "  <COLOR INDEX=\"0\">no colour</COLOR>\n"
                         "  <COLOR INDEX=\"64\">9,9,9</COLOR>\n"
                         "  <COLOR INDEX=\"-1\">9,9,9</COLOR>\n"
                         "  <COLOR>9,9,9</COLOR>\n"
                         "  <SHADE INDEX=\"1\">9,9,9</SHADE>\n"
                         "</FormColor>\n");
    CFormColor::ResetFormColorTable();
    EXPECT_EQ(CFormColor::GetFormColor(52), orv::Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(CFormColor::GetFormColor(54), orv::Rgb(200, 201, 202));
    EXPECT_EQ(CFormColor::GetFormColor(0), light[0]);
    EXPECT_EQ(CFormColor::GetFormColor(1), light[1]);
    EXPECT_EQ(CFormColor::GetFormColor(63), light[63]);

    // The host's entry goes over the file's table; the host's table over everything, and holds
    // while the data folder changes; forgetting it reads the file again.
    EXPECT_TRUE(CFormColor::SetFormColorEntry(63, orv::Rgb(7, 7, 7)));
    EXPECT_FALSE(CFormColor::SetFormColorEntry(64, 0));
    EXPECT_FALSE(CFormColor::SetFormColorEntry(-1, 0));
    EXPECT_EQ(CFormColor::GetFormColor(63), orv::Rgb(7, 7, 7));
    EXPECT_EQ(CFormColor::GetFormColor(52), orv::Rgb(0x10, 0x20, 0x30));
    CFormColor::Table host{};
    host.fill(orv::Rgb(1, 1, 1));
    CFormColor::SetFormColorTable(host);
    CEnvMgr::SetDataDir(rootDir);
    EXPECT_EQ(CFormColor::GetFormColor(52), orv::Rgb(1, 1, 1));
    CEnvMgr::SetDataDir(dataDir);
    CFormColor::ResetFormColorTable();
    EXPECT_EQ(CFormColor::GetFormColor(52), orv::Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(CFormColor::GetFormColor(63), light[63]);
    // Another data folder, another file: none there.
    CEnvMgr::SetDataDir(rootDir);
    EXPECT_EQ(CFormColor::GetFormColor(52), light[52]);
    CEnvMgr::SetDataDir(dataDir);

    // A file the reader cannot take, or another document, leaves the light table.
    for (const char* bytes : {"<FORMCOLOR><COLOR INDEX=\"52\">1,2,3</COLOR>", "\xff\xfe\x00junk",
                              "<!DOCTYPE x><FORMCOLOR/>", "<ACTTAB><COLOR INDEX=\"52\">1,2,3</COLOR></ACTTAB>"}) {
        orv::test::WriteFile(DataPath(CFormColor::kTableFileName), bytes);
        CFormColor::ResetFormColorTable();
        EXPECT_EQ(CFormColor::GetFormColor(52), light[52]) << bytes;
        CFormColor::Table table = light;
        EXPECT_FALSE(CFormColor::ReadFormColorTable(DataPath(CFormColor::kTableFileName), table)) << bytes;
    }
}

// The samples: the data folder's file is the light default written out; the dark theme names
// every entry.
TEST_F(FormColorTable, SampleThemes) {
    CFormColor::Table table{};
    ASSERT_TRUE(CFormColor::ReadFormColorTable(ORV_SOURCE_DIR "/examples/Data/FormColor.xml", table));
    EXPECT_EQ(table, CFormColor::GetDefaultFormColorTable());
    CFormColor::Table dark{};
    dark.fill(0x01020304u);  // no colour a file can give
    ASSERT_TRUE(CFormColor::ReadFormColorTable(ORV_SOURCE_DIR "/examples/Themes/Dark/FormColor.xml", dark));
    for (std::size_t i = 0; i < dark.size(); ++i) EXPECT_NE(dark[i], 0x01020304u) << i;
    EXPECT_LT(orv::test::ContrastRatio(dark[53], 0), 1.5);  // a dark bar
    EXPECT_GE(orv::test::ContrastRatio(dark[54], dark[52]), 7.0);
}

TEST(FormFont, ReadsTheFormAndKeepsMissingTrailingFields) {
    CFormFont font;
    ASSERT_TRUE(font.fromString(" Tahoma , 5 ,-11, 700,1,0,255"));
    EXPECT_EQ(font.faceName, "Tahoma");
    EXPECT_EQ(font.width, 5);
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.underline, 0);
    EXPECT_EQ(font.strikeOut, 1);  // any nonzero flag is on

    ASSERT_TRUE(font.fromString("Arial,0,-14"));
    EXPECT_EQ(font.toString(), "Arial,0,-14,700,1,0,1");
    ASSERT_TRUE(font.fromString("Verdana"));
    EXPECT_EQ(font.toString(), "Verdana,0,-14,700,1,0,1");

    CFormFont copy;
    ASSERT_TRUE(copy.fromString(font.toString()));
    EXPECT_EQ(copy, font);
}

TEST(FormFont, MalformedTextKeepsTheWholeFont) {
    const std::string longFace(CFormFont::kMaxFaceName + 1, 'F');
    for (const std::string& text :
         {std::string(), std::string(" "), std::string(",0,-12"), std::string("Arial,"),
          std::string("Arial,x,-12"), std::string("Arial,0,-12,400,0,0,0,0"),
          std::string("Arial,0,,400"), std::string("Arial,0,-12,-1"),
          std::string("Arial,0,-12,1001"), std::string("Arial,0,-99999999999"),
          std::string("Arial,0,12px"), std::string("Arial,0,-12,400,256"),
          std::string("Arial,0,-12,400,0,0,-1"), longFace}) {
        CFormFont font;
        const CFormFont before = font;
        EXPECT_FALSE(font.fromString(text)) << '"' << text << '"';
        EXPECT_EQ(font, before) << '"' << text << '"';
    }
    CFormFont font;
    EXPECT_TRUE(font.fromString(std::string(CFormFont::kMaxFaceName, 'F')));
}

}  // namespace
