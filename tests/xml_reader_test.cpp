// The XML reader reads every encoding the terminal's files come in, and survives any file.
#include <string>

#include "TestSupport.h"
#include "services/XMLParser.h"

namespace orv::test {
namespace {

std::string FirstNodeName(const CXMLParser& parser) {
    for (CXMLNode n = parser.GetRoot().GetFirstChild(); n; n = n.GetNextSibling()) {
        if (n.IsElement()) return n.GetAttrValue(0);
    }
    return "<none>";
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        out.push_back(bigEndian ? '\0' : c);
        out.push_back(bigEndian ? c : '\0');
    }
    return out;
}

TEST(XmlReader, ReadsEveryEncodingTheFilesComeIn) {
    const std::string name = Big5("台股");
    const std::string utf8Doc = "<R><NODE NAME=\"台股\"/></R>";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + utf8Doc},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8Doc},
        {"no declaration", utf8Doc},
        {"big5", "<?xml version=\"1.0\" encoding=\"big5\"?><R><NODE NAME=\"" + name + "\"/></R>"},
        {"cp950", "<?xml version='1.0' encoding='CP950'?><R><NODE NAME=\"" + name + "\"/></R>"},
    };
    for (const auto& c : cases) {
        CXMLParser parser;
        ASSERT_EQ(parser.OpenBuffer(c.bytes), 1) << c.what;
        EXPECT_EQ(FirstNodeName(parser), name) << c.what;
    }
    // UTF-16 both ways (names in ASCII to keep the byte building simple).
    for (const bool big : {false, true}) {
        CXMLParser parser;
        ASSERT_EQ(parser.OpenBuffer(Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?><R><N A=\"x1\"/></R>", big)), 1);
        EXPECT_EQ(FirstNodeName(parser), "x1");
    }
}

TEST(XmlReader, RefusesDtdsEntitiesAndMismatchedEncodings) {
    const char* refused[] = {
        // Entities of a DTD are never expanded, fetched or counted: the file is refused.
        "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><R>&b;</R>",
        "<?xml version=\"1.0\"?><!DOCTYPE R SYSTEM \"http://127.0.0.1/x.dtd\"><R/>",
        "<!DOCTYPE R [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><R>&x;</R>",
        // Big5 bytes in a file that says UTF-8.
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><R><NODE NAME=\"\xA5\x78\"/></R>",
        "<?xml version=\"1.0\" encoding=\"klingon\"?><R/>",
        "<R><NODE NAME=\"a\x01\"/></R>",   // control characters XML forbids
        "<R><NODE NAME=\"a",               // truncated
        "<R></S>",
        "",
        "\x89PNG\r\n\x1a\n\0\0\0\rIHDR",
        "<R/><R/>",
        // What a lenient parser lets through but a conforming one refuses.
        "<R>&nbsp;</R>",
        "<R A=\"&unknown;\"/>",
        "<R>a]]>b</R>",
        "<R A=\"&#1;\"/>",
        "<R A=\"a<b\"/>",
        "<R>&#xD800;</R>",
        "<R><NODE NAME=\"a\" TYPE=\"b\" NAME=\"c\"/></R>",  // one attribute named twice
    };
    for (const char* doc : refused) {
        CXMLParser parser;
        EXPECT_EQ(parser.OpenBuffer(doc), 0) << doc;
        EXPECT_FALSE(parser.GetRoot());
    }
    CXMLParser parser;
    EXPECT_EQ(parser.OpenBuffer(std::string("<R>\0</R>", 8)), 0);
    // The same faults deep in the tree, in an element with more attributes than are compared
    // pairwise, and beside references that make the reader walk the text.
    std::string many = "<R><S><T";
    for (int i = 0; i < 40; ++i) many += " a" + std::to_string(i) + "=\"&amp;\"";
    for (const char* last : {" a0=\"x\"/></S></R>", " z=\"a<b\"/></S></R>"}) {
        EXPECT_EQ(parser.OpenBuffer(many + last), 0) << last;
        EXPECT_EQ(parser.OpenBuffer(many.substr(0, many.find(" a1=")) + last), 0) << last;
    }
    EXPECT_EQ(parser.OpenBuffer(many + "/></S></R>"), 1);
#ifndef _WIN32  // MSXML refuses these two itself, and Wine's tells no position
    // Where the fault lies is told, counted in characters.
    EXPECT_EQ(parser.OpenBuffer("<R>\r\n<N A='中' B=\"2\" A=\"1\"/></R>"), 0);
    EXPECT_EQ(parser.GetParseError().line, 2);
    EXPECT_EQ(parser.GetParseError().column, 16);
    EXPECT_EQ(parser.OpenBuffer("<R>\n<N A='&amp;' B=\"x<\"/></R>"), 0);
    EXPECT_EQ(parser.GetParseError().line, 2);
    EXPECT_EQ(parser.GetParseError().column, 18);
#endif
}

TEST(XmlReader, BoundsNestingWithoutRecursing) {
    const auto nest = [](int depth) {
        std::string s;
        for (int i = 0; i < depth; ++i) s += "<NODE>";
        for (int i = 0; i < depth; ++i) s += "</NODE>";
        return s;
    };
    CXMLParser parser;
    EXPECT_EQ(parser.OpenBuffer(nest(CXMLParser::kMaxDepth)), 1);
    EXPECT_EQ(parser.OpenBuffer(nest(CXMLParser::kMaxDepth + 1)), 0);
    EXPECT_EQ(parser.OpenBuffer(nest(100000)), 0);
    std::string unclosed;
    for (int i = 0; i < 100000; ++i) unclosed += "<NODE>";
    EXPECT_EQ(parser.OpenBuffer(unclosed), 0);
    // The element one level too deep is where the fault is told.
    std::string deep = "<R>\r\n";
    for (int i = 1; i < CXMLParser::kMaxDepth; ++i) deep += "<N>";
    deep += "<D/>";
    for (int i = 1; i < CXMLParser::kMaxDepth; ++i) deep += "</N>";
    EXPECT_EQ(parser.OpenBuffer(deep + "</R>"), 0);
    EXPECT_EQ(parser.GetParseError().line, 2);
    EXPECT_EQ(parser.GetParseError().column, 3 * (CXMLParser::kMaxDepth - 1) + 1);

    // Depth is counted in the text: markup inside comments, CDATA, declarations and attribute
    // values, and empty elements, add no level. Each document here is three deep.
    for (const char* doc : {"<?xml version=\"1.0\"?><a><b x=\"/>\" y='>'><c/></b></a>",
                            "<a><!-- <b><c><d> --><b><![CDATA[<c><d>]]><?p <c>?><c></c></b></a>",
                            "<a>\r\n<b/><b><c/><c a=\"1\"/></b></a>"}) {
        EXPECT_FALSE(orv::xml::FindMarkupFault(doc, 3)) << doc;
        EXPECT_TRUE(orv::xml::FindMarkupFault(doc, 2)) << doc;
        EXPECT_EQ(parser.OpenBuffer(doc), 1) << doc;
    }
}

TEST(XmlReader, BlankTextIsSeenOnlyAsAnElementsSoleChild) {
    CXMLParser parser;
    // Comments count as siblings; a blank made by a reference is still blank.
    ASSERT_EQ(parser.OpenBuffer("<R><A><!--c--> </A><B>&#32;<C/></B><D>&#32;</D><E><![CDATA[ ]]><F/></E></R>"), 1);
    CXMLNode n = parser.GetRoot().GetFirstChild();
    std::string seen;
    for (; n; n = n.GetNextSibling()) seen += n.GetName() + "[" + n.GetText() + "]" + (n.GetFirstChild() ? "+" : "");
    EXPECT_EQ(seen, "A[]B[]+D[ ]+E[ ]+");
    // Entities a conforming reader knows are read; ]]> is fine in an attribute.
    ASSERT_EQ(parser.OpenBuffer("<R A=\"]]&gt;&#x4E2D;\">&lt;&amp;&apos;&quot;&#65;</R>"), 1);
    EXPECT_EQ(parser.GetRoot().GetText(), "<&'\"A");
    EXPECT_EQ(Utf8(parser.GetRoot().GetAttrValue(0)), "]]>中");
}

TEST(XmlReader, TextJoinsDescendantsButNotIndentation) {
    CXMLParser parser;
    ASSERT_EQ(parser.OpenBuffer("<R>\r\n\t<A>one<B>two</B><![CDATA[ <3 ]]></A>\r\n\t<C> </C>\r\n\t<D>  x  </D>\r\n</R>"), 1);
    const CXMLNode root = parser.GetRoot();
    EXPECT_EQ(root.GetText(), "onetwo <3    x  ");  // C's lone blank counts
    CXMLNode c = root.GetFirstChild();
    while (c && !c.NameIs("c")) c = c.GetNextSibling();
    EXPECT_EQ(c.GetText(), " ");
    EXPECT_EQ(CXMLNode().GetText(), "");
    EXPECT_FALSE(CXMLNode().GetFirstChild());
    EXPECT_EQ(root.GetAttrValue(3), "");
}

TEST(XmlReader, ManyAttributesReadInLinearTime) {
    // Attributes read by index: quadratic work would not finish in the test's time. (Windows'
    // own parser takes quadratic time over attributes before we read any: fewer there.)
#ifdef _WIN32
    constexpr int kCount = 20000;
#else
    constexpr int kCount = 200000;
#endif
    std::string doc = "<R";
    for (int i = 0; i < kCount; ++i) doc += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    doc += "/>";
    CXMLParser parser;
    ASSERT_EQ(parser.OpenBuffer(doc), 1);
    const CXMLNode root = parser.GetRoot();
    const int count = root.GetAttrCount();
    ASSERT_EQ(count, kCount);
    long long sum = 0;
    for (int i = 0; i < count; ++i) sum += root.AttrNameIs(i, "a7") ? 1 : std::stoi(root.GetAttrValue(i)) % 2;
    EXPECT_EQ(sum, kCount / 2);
    EXPECT_EQ(root.GetAttrValue(3), "3");  // out of order still answers right
    // Walked in order, as the loaders read them.
    sum = 0;
    int walked = 0;
    for (CXMLAttr a = root.GetFirstAttr(); a; a = a.GetNext(), ++walked) {
        sum += a.NameIs("A7") ? 1 : std::stoi(a.GetValue()) % 2;
    }
    EXPECT_EQ(walked, kCount);
    EXPECT_EQ(sum, kCount / 2);
}

TEST(XmlReader, ElementWalkSkipsTextCommentsAndCdata) {
    CXMLParser parser;
    ASSERT_EQ(parser.OpenBuffer("<R>lead<!--c--><A/>\r\n mid <![CDATA[x]]><?p?><B><C/>t</B>tail</R>"), 1);
    std::string seen;
    for (CXMLNode n = parser.GetRoot().GetFirstElement(); n; n = n.GetNextElement()) {
        seen += n.GetName() + "(";
        for (CXMLNode c = n.GetFirstElement(); c; c = c.GetNextElement()) seen += c.GetName();
        seen += ")";
    }
    EXPECT_EQ(seen, "A()B(C)");
    EXPECT_FALSE(CXMLNode().GetFirstElement());
    EXPECT_FALSE(CXMLNode().GetNextElement());
}

TEST(XmlReader, AttributesWalkedInDocumentOrderInTheCodePage) {
    CXMLParser parser;
    ASSERT_EQ(parser.OpenBuffer("<R><N TrCode=\"8000\" name=\"台股\" e=\"\"/><M/></R>"), 1);
    const CXMLNode n = parser.GetRoot().GetFirstChild();
    std::string seen;
    for (CXMLAttr a = n.GetFirstAttr(); a; a = a.GetNext()) seen += a.GetName() + "=" + a.GetValue() + (a.NameIs("TRCODE") ? "!" : "") + ";";
    EXPECT_EQ(seen, "TrCode=8000!;name=" + Big5("台股") + ";e=;");
    EXPECT_FALSE(n.GetNextSibling().GetFirstAttr());
    EXPECT_FALSE(CXMLNode().GetFirstAttr());
    EXPECT_EQ(CXMLAttr().GetValue(), "");
    EXPECT_FALSE(CXMLAttr().GetNext());
}

class XmlFileTest : public OrvTest {};

TEST_F(XmlFileTest, FindsAndOpensFilesByEitherSeparator) {
    WriteFile(DataPath("a.xml"), "<R/>");
    EXPECT_EQ(CXMLParser::FindXMLFile(dataDir + "\\a.xml"), 1);
    EXPECT_EQ(CXMLParser::FindXMLFile(DataPath("b.xml")), 0);
    EXPECT_EQ(CXMLParser::FindXMLFile(dataDir), 0);  // a folder is no file
    CXMLParser parser;
    EXPECT_EQ(parser.Open(dataDir + "\\a.xml", 1), 1);
    EXPECT_TRUE(parser.GetRoot().NameIs("r"));
    EXPECT_EQ(parser.Open(DataPath("b.xml"), 1), 0);
}

// A fault found after parsing (which may rewrite the text where it lies) is told at its place
// in the file as written: line breaks in values and texts still count.
TEST_F(XmlFileTest, FaultsInAFileAreToldWhereTheyStand) {
    const std::string head = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n";
    CXMLParser parser;
    WriteFile(DataPath("doctype.xml"), head + "<!DOCTYPE R>\r\n<R/>");
    EXPECT_EQ(parser.Open(DataPath("doctype.xml"), 1), 0);
    EXPECT_EQ(parser.GetParseError().line, 2);
    EXPECT_EQ(parser.GetParseError().column, 1);
#ifndef _WIN32  // Wine's MSXML tells no position of its own faults
    WriteFile(DataPath("broken.xml"), head + "<R A=\"x\r\ny\">a\r\nb</R><S>\r\n  </T>");
    EXPECT_EQ(parser.Open(DataPath("broken.xml"), 1), 0);
    EXPECT_EQ(parser.GetParseError().line, 5);
#endif
}

}  // namespace
}  // namespace orv::test
