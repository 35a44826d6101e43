// The XML reader and every node operation on whatever it accepts.
#include <vector>

#include "services/XMLParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CXMLParser parser;
    if (parser.OpenBuffer(std::string_view(reinterpret_cast<const char*>(data), size)) == 0) return 0;
    std::vector<CXMLNode> pending{parser.GetRoot()};
    std::size_t budget = 10000;
    while (!pending.empty() && budget-- > 0) {
        const CXMLNode n = pending.back();
        pending.pop_back();
        (void)n.GetName();
        (void)n.NameIs("NODE");
        (void)n.GetText();
        for (int i = 0; i <= n.GetAttrCount(); ++i) {
            (void)n.GetAttrName(i);
            (void)n.GetAttrValue(i);
            (void)n.AttrNameIs(i, "TRCODE");
        }
        for (CXMLNode c = n.GetFirstChild(); c; c = c.GetNextSibling()) pending.push_back(c);
    }
    return 0;
}
