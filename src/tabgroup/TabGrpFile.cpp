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

#include "services/EnvMgr.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"
#include "tabgroup/TabGrpImpl.h"
#include "ui/MessageBox.h"

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
        if (!element.IsElement() || !element.NameIs("GROUP")) continue;
        auto group = std::make_unique<COrvTabGrpItem>();
        for (CXMLNode item = element.GetFirstChild(); item; item = item.GetNextSibling()) {
            if (!item.IsElement() || !item.NameIs("ITEM")) continue;
            for (int i = 0; i < item.GetAttrCount(); ++i) {
                if (item.AttrNameIs(i, "TRCODE")) group->trCodes.push_back(item.GetAttrValue(i));
            }
        }
        for (int i = 0; i < element.GetAttrCount(); ++i) {
            if (element.AttrNameIs(i, "ID")) {
                group->id = orv::text::AtoI(element.GetAttrValue(i));
            } else if (element.AttrNameIs(i, "NAME")) {
                group->name = element.GetAttrValue(i);
            }
        }
        // A later group of the same id replaces the earlier one, also across loads.
        const std::int32_t id = group->id;
        groups[id] = std::move(group);
    }
}
