// The fixed tab group file, in the terminal's data directory:
//
//   <TABGROUPS>
//       <GROUP ID="3" NAME="...">
//           <ITEM TRCODE="8000"/>
//           <ITEM TRCODE="8930"/>
//       </GROUP>
//   </TABGROUPS>
//
// Names are matched without regard to case; the root's own name is not checked. Only GROUP
// children of the root and ITEM children of a GROUP count; everything else is skipped.
#include <memory>

#include "orvmenu/EnvMgr.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"
#include "tabgroup/TabGrpGrammar.h"
#include "tabgroup/TabGrpImpl.h"
#include "orvmenu/MessageBox.h"

using namespace orv::tabgroup;

std::int32_t COrvTabGrpImpl::LoadTabGrp(std::string fileName) {
    const std::string path = CEnvMgr::GetDataDir() + "\\" + fileName;
    CXMLParser parser;
    if (parser.Open(path, 1) == 0) {
        AfxMessageBox(fileName + "File open error", orv::ui::kMbOk, 0);
        return 0;
    }
    ReadGroups(parser.GetRoot());
    return 1;
}

void COrvTabGrpImpl::ReadGroups(const CXMLNode& root) {
    for (CXMLNode element = root.GetFirstElement(); element; element = element.GetNextElement()) {
        if (!orv::xml::FindElement(element, kTabGrpElements)) continue;
        auto group = std::make_unique<COrvTabGrpItem>();
        for (CXMLNode item = element.GetFirstElement(); item; item = item.GetNextElement()) {
            if (!orv::xml::FindElement(item, kTabGrpMembers)) continue;
            orv::xml::ReadAttrs(item, kTabGrpItemAttrs, [&](auto, const CXMLAttr& attr) { group->trCodes.push_back(attr.GetValue()); });
        }
        orv::xml::ReadAttrs(element, kTabGrpGroupAttrs, [&](TabGrpGroupAttr key, const CXMLAttr& attr) {
            switch (key) {
            case TabGrpGroupAttr::Id: group->id = orv::text::AtoI(attr.GetValue()); break;
            case TabGrpGroupAttr::Name: group->name = attr.GetValue(); break;
            }
        });
        // A later group of the same id replaces the earlier one, also across loads.
        const std::int32_t id = group->id;
        groups[id] = std::move(group);
    }
}
