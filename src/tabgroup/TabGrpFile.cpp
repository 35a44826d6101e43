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
    for (CXMLNode element = root.GetFirstChild(); element; element = element.GetNextSibling()) {
        if (!orv::xml::FindElement(element, kTabGrpElements)) continue;
        auto group = std::make_unique<COrvTabGrpItem>();
        for (CXMLNode item = element.GetFirstChild(); item; item = item.GetNextSibling()) {
            if (!orv::xml::FindElement(item, kTabGrpMembers)) continue;
            for (int i = 0; i < item.GetAttrCount(); ++i) {
                if (orv::xml::FindAttr(item, i, kTabGrpItemAttrs)) group->trCodes.push_back(item.GetAttrValue(i));
            }
        }
        for (int i = 0; i < element.GetAttrCount(); ++i) {
            const auto* attr = orv::xml::FindAttr(element, i, kTabGrpGroupAttrs);
            if (attr == nullptr) continue;
            switch (attr->key) {
            case TabGrpGroupAttr::Id: group->id = orv::text::AtoI(element.GetAttrValue(i)); break;
            case TabGrpGroupAttr::Name: group->name = element.GetAttrValue(i); break;
            }
        }
        // A later group of the same id replaces the earlier one, also across loads.
        const std::int32_t id = group->id;
        groups[id] = std::move(group);
    }
}
