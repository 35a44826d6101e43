// Code page, numbers, atomic files and the XML writer: the services every component stands on.
#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "services/CodePage.h"
#include "services/File.h"
#include "services/Numbers.h"
#include "services/XMLData.h"
#include "services/XMLParser.h"

namespace orv::test {
namespace {

TEST(CodePage, RoundTripsChineseAndMarksWhatItCannotHold) {
    const std::string big5 = Big5("台股報價 8000");
    EXPECT_EQ(big5, "\xA5\x78\xAA\xD1\xB3\xF8\xBB\xF9 8000");
    EXPECT_EQ(Utf8(big5), "台股報價 8000");
    EXPECT_EQ(cp950::FromUtf16(cp950::ToUtf16(big5)), big5);
    EXPECT_EQ(cp950::FromUtf16(u"TRCODE"), "TRCODE");
    EXPECT_EQ(cp950::FromUtf16(u"8000 台股\U0001F600"), "8000 " + Big5("台股") + "?");
#ifdef _WIN32
    EXPECT_EQ(cp950::FromUtf16(std::wstring_view(L"8000 台股")), "8000 " + Big5("台股"));
#endif
    // Hiragana and emoji are not in the code page; a malformed UTF-8 byte is not a character.
    EXPECT_EQ(cp950::FromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b");
    EXPECT_EQ(cp950::FromUtf8("x\xC3"), "x?");
    // The user-defined areas hold the user's own glyphs as private-use characters.
    EXPECT_EQ(cp950::ToUtf8("\xFA\x40\x81\x40\x8E\x40"), "\xEE\x80\x80\xEE\xBA\xB8\xEE\x8C\x91");
    EXPECT_EQ(cp950::FromUtf8("\xEE\x80\x80\xEE\xBA\xB8"), "\xFA\x40\x81\x40");
    // A character with two codes is written with the one the code page itself prefers.
    EXPECT_EQ(cp950::FromUtf8("═十"), "\xF9\xF9\xA4\x51");
}

TEST(CodePage, FindMatchesOnlyOnCharacterBoundaries) {
    const std::string futures = Big5("期貨");  // B4 C1 B3 66
    // The same four bytes straddling two characters: A4 B4 | C1 B3 | 66.
    const std::string straddling = "\xA4\xB4\xC1\xB3" "f";
    ASSERT_NE(straddling.find(futures), std::string::npos);
    EXPECT_EQ(cp950::Find(straddling, futures), std::string::npos);
    EXPECT_EQ(cp950::Find("ab" + futures, futures), 2u);
    EXPECT_EQ(cp950::Find(Big5("台指") + futures, futures), 4u);
}

TEST(Numbers, ReadLikeTheCLibraryButDefinedEverywhere) {
    EXPECT_EQ(text::AtoI("  -12ab"), -12);
    EXPECT_EQ(text::AtoI("+7"), 7);
    EXPECT_EQ(text::AtoI("abc"), 0);
    EXPECT_EQ(text::AtoI(""), 0);
    EXPECT_EQ(text::AtoI("99999999999"), INT32_MAX);
    EXPECT_EQ(text::AtoI("-99999999999"), INT32_MIN);
    std::uint32_t v = 5;
    EXPECT_TRUE(text::ParseHex("3ff", v));
    EXPECT_EQ(v, 0x3ffu);
    EXPECT_TRUE(text::ParseHex("0x3FF", v));
    EXPECT_EQ(v, 0x3ffu);
    EXPECT_TRUE(text::ParseHex(" 40000000zz", v));
    EXPECT_EQ(v, 0x40000000u);
    v = 5;
    EXPECT_FALSE(text::ParseHex("zz", v));
    EXPECT_FALSE(text::ParseHex("", v));
    EXPECT_EQ(v, 5u);
}

class FileTest : public OrvTest {};

// A file read whole while it changes: the size it had when opened is only a guess, reads come
// short, and the limit holds however the file grows.
TEST(FileRead, ReadsAFileThatGrowsOrShrinksWhileRead) {
    const auto readFrom = [](std::string file, std::size_t chunk) {
        return [file = std::move(file), chunk, at = std::size_t{0}](char* into, std::size_t n) mutable {
            const std::size_t take = std::min({n, chunk, file.size() - at});
            file.copy(into, take, at);
            at += take;
            return static_cast<long long>(take);
        };
    };
    const std::string bytes(200000, 'x');
    for (const std::size_t guess : {std::size_t{0}, std::size_t{1000}, bytes.size(), std::size_t{300000}}) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{4096}, std::size_t{1} << 20}) {
            if (chunk == 1 && guess != bytes.size()) continue;  // slow, and nothing new
            SCOPED_TRACE(std::to_string(guess) + " " + std::to_string(chunk));
            std::string out = "old";
            EXPECT_TRUE(file::ReadInto(out, guess, 300000, readFrom(bytes, chunk)));
            EXPECT_TRUE(out == bytes) << out.size();
            if (guess > bytes.size()) continue;
            EXPECT_TRUE(file::ReadInto(out, guess, bytes.size(), readFrom(bytes, chunk)));  // just fits
            EXPECT_TRUE(out == bytes) << out.size();
            if (guess < bytes.size()) {
                EXPECT_FALSE(file::ReadInto(out, guess, bytes.size() - 1, readFrom(bytes, chunk)));
                EXPECT_TRUE(out.empty());
            }
        }
    }
    std::string out;
    EXPECT_TRUE(file::ReadInto(out, 10, 10, readFrom("", 10)));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(file::ReadInto(out, 11, 10, readFrom("abc", 10)));
    EXPECT_FALSE(file::ReadInto(out, 3, 10, [](char*, std::size_t) { return -1LL; }));
    // A read that fails after bytes arrived, also the one that looks past a full string.
    for (const std::size_t guess : {std::size_t{3}, std::size_t{1}, std::size_t{8}}) {
        out = "old";
        const char* next = "abc";
        EXPECT_FALSE(file::ReadInto(out, guess, 10, [&next](char* into, std::size_t n) {
            if (*next == '\0') return -1LL;
            std::size_t k = 0;
            for (; k < n && next[k] != '\0'; ++k) into[k] = next[k];
            next += k;
            return static_cast<long long>(k);
        })) << guess;
        EXPECT_TRUE(out.empty()) << guess;
    }
}

TEST_F(FileTest, WriteReplacesTheTargetOnlyWhenClosed) {
    const std::string path = UserPath("keys.xml");
    WriteFile(path, "old");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeReadWrite));
        file.Write("new contents");
        EXPECT_EQ(ReadFile(path), "old");  // nothing visible before Close
    }  // abandoned: the old file stays whole and no temporary file is left behind
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(ListDir(userDir), std::vector<std::string>{"keys.xml"});

    CFile file;
    ASSERT_TRUE(file.Open(userDir + "\\keys.xml", CFile::modeCreate | CFile::modeWrite));
    file.Write("new contents");
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(path), "new contents");
    EXPECT_EQ(ListDir(userDir), std::vector<std::string>{"keys.xml"});
}

TEST_F(FileTest, OpenFailsWhereNoFileCanBeMade) {
    CFile file;
    EXPECT_FALSE(file.Open(rootDir + "/no/such/folder/x.xml", CFile::modeCreate | CFile::modeWrite));
    EXPECT_FALSE(file.Open("", CFile::modeCreate | CFile::modeWrite));
    EXPECT_FALSE(file.Close());
}

TEST_F(FileTest, KeepUnreadableSetsTheFileAsideWithoutLosingAnEarlierCopy) {
    const std::string path = UserPath("tabs.xml");
    EXPECT_TRUE(file::KeepUnreadable(path));  // nothing to keep
    WriteFile(path, "first damaged");
    ASSERT_TRUE(file::KeepUnreadable(path));
    WriteFile(path, "second damaged");
    ASSERT_TRUE(file::KeepUnreadable(path));
    EXPECT_EQ(ReadFile(path + ".unreadable"), "first damaged");
    EXPECT_EQ(ReadFile(path + ".unreadable.2"), "second damaged");
    EXPECT_EQ(ReadFile(path), "second damaged");  // kept in place until the caller replaces it
}

TEST_F(FileTest, WrittenXmlReadsBackTheSameNamesValuesAndTexts) {
    const std::string tricky = Big5("名稱 <&> \"引號\" 'x'") + " \t two  spaces\r\nline\n";
    // Second bytes of these characters are '\\' and '|' and '@': never to be escaped or split.
    const std::string dbcs = "\xA5\x5C\xA6\x7C\xA4\x40";
    const std::string path = DataPath("round.xml");
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    CXMLData::StartUniCode(file);
    CXMLData::WriteString(file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    CXMLData::WriteNodeStart(file, 0, "ROOT");
    CXMLData::WriteHeader(file, 1, 1, "NODE", {{"A", tricky}, {"B", dbcs}, {"EMPTY", ""}});
    CXMLData::WriteText(file, tricky);
    CXMLData::WriteNodeEnd(file, 1, "NODE", 0);
    CXMLData::WriteHeader(file, 1, 1, "NODE", {{"A", " "}});
    CXMLData::WriteText(file, " ");
    CXMLData::WriteNodeEnd(file, 1, "NODE", 0);
    CXMLData::WriteAttrStr(file, "ITEM", dbcs, 1);
    CXMLData::WriteNodeEnd(file, 0, "ROOT", 0);
    ASSERT_TRUE(file.Close());

    CXMLParser parser;
    ASSERT_EQ(parser.Open(path, 1), 1) << ReadFile(path);
    CXMLNode node = parser.GetRoot().GetFirstChild();
    while (node && !node.IsElement()) node = node.GetNextSibling();
    ASSERT_TRUE(node.NameIs("node"));
    ASSERT_EQ(node.GetAttrCount(), 3);
    EXPECT_EQ(node.GetAttrValue(0), tricky);
    EXPECT_EQ(node.GetAttrValue(1), dbcs);
    EXPECT_EQ(node.GetAttrValue(2), "");
    EXPECT_EQ(node.GetText(), tricky);
    do node = node.GetNextSibling(); while (node && !node.IsElement());
    EXPECT_EQ(node.GetAttrValue(0), " ");
    EXPECT_EQ(node.GetText(), " ");
    do node = node.GetNextSibling(); while (node && !node.IsElement());
    EXPECT_EQ(node.GetText(), dbcs);
    EXPECT_EQ(parser.GetRoot().GetText(), tricky + " " + dbcs);  // indentation is no text
}

}  // namespace
}  // namespace orv::test
