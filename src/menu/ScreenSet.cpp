// The user's screen settings: open counts per TR code, written by the host, read here.
#include <vector>

#include "menu/MenuImpl.h"
#include "menu/ScreenSetGrammar.h"
#include "orvmenu/EnvMgr.h"
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
    if (!element.NameIs(orv::menu::kScreenSetRoot)) return;
    std::vector<std::string> codes;
    std::vector<std::string> counts;
    for (CXMLNode list = element.GetFirstElement(); list; list = list.GetNextElement()) {
        const auto* known = orv::xml::FindElement(list, orv::menu::kScreenSetLists);
        if (known == nullptr) continue;
        std::vector<std::string>* into = known->key == orv::menu::ScreenSetList::Codes ? &codes : &counts;
        for (CXMLNode item = list.GetFirstElement(); item; item = item.GetNextElement()) {
            if (orv::xml::FindElement(item, orv::menu::kScreenSetItems)) into->push_back(item.GetText());
        }
    }
    // Codes and counts pair by position. A code past the end of the counts has no count and is
    // left as it is.
    for (std::size_t i = 0; i < codes.size() && i < counts.size(); ++i) {
        if (OrvMenu* node = GetMenuByTRCode(codes[i])) node->openCount = orv::text::AtoI(counts[i]);
    }
}
