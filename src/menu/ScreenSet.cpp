// The user's screen settings: open counts per TR code, written by the host, read here.
#include <vector>

#include "menu/MenuImpl.h"
#include "services/EnvMgr.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"

void COrvMenuImpl::LoadScreenSet() {
    const std::string path = CEnvMgr::GetDataDir() + "/UserDef/Screen_Set.xml";
    if (CXMLParser::FindXMLFile(path) != 1) return;
    CXMLParser parser;
    // Counts are a convenience: a damaged settings file costs the user nothing but the counts.
    if (parser.Open(path, 1) != 1) return;
    ParseScreenSet(parser.GetRoot());
}

void COrvMenuImpl::ParseScreenSet(const CXMLNode& element) {
    if (!element.NameIs("USRDEFDATA")) return;
    std::vector<std::string> codes;
    std::vector<std::string> counts;
    for (CXMLNode list = element.GetFirstChild(); list; list = list.GetNextSibling()) {
        if (!list.IsElement()) continue;
        std::vector<std::string>* into = list.NameIs("TRCOE1") ? &codes : list.NameIs("OPENCNT") ? &counts : nullptr;
        if (into == nullptr) continue;
        for (CXMLNode item = list.GetFirstChild(); item; item = item.GetNextSibling()) {
            if (item.IsElement() && item.NameIs("ITEM")) into->push_back(item.GetText());
        }
    }
    // Codes and counts pair by position. A code past the end of the counts has no count and is
    // left as it is.
    for (std::size_t i = 0; i < codes.size() && i < counts.size(); ++i) {
        if (OrvMenu* node = GetMenuByTRCode(codes[i])) node->openCount = orv::text::AtoI(counts[i]);
    }
}
