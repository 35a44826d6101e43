// The user tab group file, in the user's data directory:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <TAPGRPROOT>
//       <TABGRP ID="1" NAME="..." TRCODE="group code">
//           <NODE>8000</NODE>
//           <NODE>8930</NODE>
//       </TABGRP>
//   </TAPGRPROOT>
//
// The root is spelled TAP, not TAB; its name is not checked when reading. Names are matched
// without regard to case. Groups are written in display order, members in the user's order.
#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "orvmenu/OrvMenu.h"
#include "orvmenu/EnvMgr.h"
#include "services/Numbers.h"
#include "services/File.h"
#include "services/XMLData.h"
#include "services/XMLParser.h"
#include "tabgroup/UserTabGrp.h"
#include "tabgroup/UserTabGrpGrammar.h"
#include "orvmenu/MessageBox.h"

namespace {
constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr char kSaveError[] = "File Save Error For Save TabGrp";
}  // namespace

using namespace orv::tabgroup;

std::int32_t CUserTabGrp::LoadTabGrp(std::string fileName) {
    savePath = CEnvMgr::GetDataUserDir() + "\\" + fileName;
    if (CXMLParser::FindXMLFile(savePath) == 0) {
        SaveUserTabGrp();  // a first start: the user gets a file with the groups held (none)
        return 1;
    }
    bool read = false;
    {
        CXMLParser parser;
        // Out of memory half-way, what was read is not the whole file, and the save at
        // destruction would lose the rest: the file is one that could not be read.
        try {
            read = parser.Open(savePath, 1) != 0 && (ParseUserTabGrp(parser.GetRoot()), true);
        } catch (const std::bad_alloc&) {
            read = false;
        }
    }  // the document's memory is free again before the user is told
    if (!read) {
        // The destructor writes the groups back to this path. Keep the user's file beside it
        // first; when no copy can be made, this component never writes over it.
        userFiles.ReadFailed(savePath);
        AfxMessageBox(fileName + "File open error", orv::ui::kMbOk, 0);
        return 0;
    }
    return 1;
}

void CUserTabGrp::ParseUserTabGrp(const CXMLNode& root) {
    for (CXMLNode element = root.GetFirstElement(); element; element = element.GetNextElement()) {
        if (!orv::xml::FindElement(element, kUserTabGrpElements)) continue;
        auto group = std::make_unique<CUserTabGrpItem>();
        orv::xml::ReadAttrs(element, kUserTabGrpAttrs, [&](UserTabGrpAttr key, const CXMLAttr& attr) {
            switch (key) {
            case UserTabGrpAttr::Id: group->id = orv::text::AtoI(attr.GetValue()); break;
            case UserTabGrpAttr::Name: group->name = attr.GetValue(); break;
            case UserTabGrpAttr::GroupCode: group->groupCode = attr.GetValue(); break;
            }
        });
        // Every member is kept, also one the menu does not know (yet): the file is the user's.
        for (CXMLNode node = element.GetFirstElement(); node; node = node.GetNextElement()) {
            if (orv::xml::FindElement(node, kUserTabGrpMembers)) group->trCodes.push_back(node.GetText());
        }
        StoreGroup(std::move(group));
    }
}

void CUserTabGrp::SaveUserTabGrp() {
    CFile file;
    if (!userFiles.MayWrite(savePath) || !file.Open(savePath, CFile::modeCreate | CFile::modeReadWrite)) {
        AfxMessageBox(kSaveError, orv::ui::kMbOk, 0);
        return;
    }
    WriteUserTabGrp(file);
    // A failed commit leaves the old file whole, but the user must hear that nothing was saved.
    if (!file.Close()) AfxMessageBox(kSaveError, orv::ui::kMbOk, 0);
}

void CUserTabGrp::WriteUserTabGrp(CFile& file) {
    CXMLData::StartUniCode(file);
    CXMLData::WriteString(file, kDeclaration);
    CXMLData::WriteNodeStart(file, 0, "TAPGRPROOT");
    for (const std::uint32_t orderId : groupOrder) {
        // Groups of id 0 or below cannot be fetched but are the user's all the same: written too.
        const auto found = groups.find(static_cast<std::int32_t>(orderId));
        if (found == groups.end()) continue;
        const auto& group = static_cast<const CUserTabGrpItem&>(*found->second);
        const std::string idText = std::to_string(group.id);
        // The members follow on lines of their own, not as text of the TABGRP element.
        CXMLData::WriteHeader(file, 1, 0, "TABGRP",
                              {{"ID", idText}, {"NAME", group.name}, {"TRCODE", group.groupCode}});
        for (const std::string& code : group.trCodes) CXMLData::WriteAttrStr(file, "NODE", code, 2);
        CXMLData::WriteNodeEnd(file, 1, "TABGRP", 0);
    }
    CXMLData::WriteNodeEnd(file, 0, "TAPGRPROOT", 0);
}

