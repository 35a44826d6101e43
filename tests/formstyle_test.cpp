// Form colours and fonts: the text forms of the style files and the terminal's colour table.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"

namespace {

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

TEST(FormColor, TableAnswersEveryIndex) {
    // The toolbar's text (63) must read on its background (52) and differ from its edges (54).
    auto luminance = [](orv::Color c) {
        return 0.299 * (c & 0xff) + 0.587 * ((c >> 8) & 0xff) + 0.114 * ((c >> 16) & 0xff);
    };
    EXPECT_GT(luminance(CFormColor::GetFormColor(63)) - luminance(CFormColor::GetFormColor(52)),
              100.0);
    EXPECT_NE(CFormColor::GetFormColor(54), CFormColor::GetFormColor(52));

    const orv::Color text = CFormColor::GetFormColor(1);
    for (int index : {-1, CFormColor::kFormColorCount, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(CFormColor::GetFormColor(index), text) << index;
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
