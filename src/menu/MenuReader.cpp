// Reading the menu definition file into the node tree and the two lookup maps.
#include <vector>

#include "menu/MenuGrammar.h"
#include "menu/MenuImpl.h"
#include "menu/MenuTypes.h"
#include "orvmenu/EnvMgr.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"
#include "orvmenu/MessageBox.h"

namespace {

// One counter for the process: every menu component numbers its nodes from where the last
// one stopped, so identifiers stay unique across components and reloads.
std::uint32_t gNextMenuId = orv::menu::kFirstMenuId;

using orv::menu::MenuAttr;
using orv::menu::MenuElement;

}  // namespace

namespace orv::menu {

OrvMenuType TypeFromKeyword(std::string_view keyword) {
    for (const auto& t : kTypeNames) {
        if (orv::xml::EqualsNoCase(keyword, t.keyword)) return t.type;
    }
    return kOrvMenuNone;
}

}  // namespace orv::menu

std::uint32_t COrvMenuImpl::PeekNextMenuId() { return gNextMenuId; }

OrvMenu* COrvMenuImpl::ReadEntry(const CXMLNode& element, const std::string& formDir) {
    auto* node = new OrvMenu;
    node->id = gNextMenuId++;

    // A NAME attribute replaces the element's text, so the text (which for a submenu holds all
    // its descendants' text) is only gathered when there is no name.
    bool hasName = false;
    orv::xml::ReadAttrs(element, orv::menu::kMenuNodeAttrs, [&](MenuAttr key, const CXMLAttr& attr) {
        switch (key) {
        case MenuAttr::Disp: node->disp = attr.GetValue() == "Y" ? 1 : 0; break;
        case MenuAttr::Multi: node->multi = attr.GetValue() == "Y" ? 1 : 0; break;
        case MenuAttr::OpenCnt: {
            const std::int32_t n = orv::text::AtoI(attr.GetValue());
            node->openCount = n > 0 ? n : 0;
            break;
        }
        case MenuAttr::Grade: orv::text::ParseHex(attr.GetValue(), node->grade); break;
        case MenuAttr::Type: node->type = orv::menu::TypeFromKeyword(attr.GetValue()); break;
        case MenuAttr::File: node->file = attr.GetValue(); break;
        case MenuAttr::Icon: node->icon = attr.GetValue(); break;
        case MenuAttr::TrCode:
            node->trCode = attr.GetValue();
            trCodeMap_[node->trCode] = node;  // the last entry read with a code is the one found
            break;
        case MenuAttr::Name:
            node->name = attr.GetValue();
            hasName = true;
            break;
        case MenuAttr::TabGroup: {
            const std::int32_t n = orv::text::AtoI(attr.GetValue());
            node->tabGroup = n > 0 ? n : 0;
            break;
        }
        case MenuAttr::HitCount:
            if (orv::xml::EqualsNoCase(attr.GetValue(), "FALSE")) node->hitCount = 0;
            break;
        }
    });
    if (!hasName) node->name = element.GetText();
    if (node->type == kOrvMenuForm || node->type == kOrvMenuFormDlg) node->file = formDir + "\\" + node->file;
    return node;
}

void COrvMenuImpl::ParseMenuNode(const CXMLNode& element, OrvMenu* parent) {
    if (parent == nullptr) return;
    const std::string formDir = CEnvMgr::GetFormDir();
    // Depth first without recursion: each frame is the next child element to read under a node.
    struct Frame {
        CXMLNode next;
        OrvMenu* parent;
    };
    std::vector<Frame> stack{{element.GetFirstElement(), parent}};
    while (!stack.empty()) {
        if (!stack.back().next) {
            stack.pop_back();
            continue;
        }
        const CXMLNode child = stack.back().next;
        OrvMenu* const under = stack.back().parent;
        stack.back().next = child.GetNextElement();

        const auto* known = orv::xml::FindElement(child, orv::menu::kMenuElements);
        if (known == nullptr) continue;
        if (known->key == MenuElement::Name) {
            // A NAME element names the whole catalogue, wherever it stands.
            (root_ != nullptr ? root_ : parent)->name = child.GetText();
            continue;
        }

        OrvMenu* entry = ReadEntry(child, formDir);
        under->children.push_back(entry);
        // An entry the user may not see keeps its TR code but gets no identifier lookup, and
        // nothing below it is read.
        if (userInfoSet_ != 0 && IsMenuVisible(entry) == 0) continue;
        idMap_[static_cast<std::uint16_t>(entry->id & 0xffffu)] = entry;
        stack.push_back({child.GetFirstElement(), entry});
    }
}

void COrvMenuImpl::LoadMenuFile() {
    CXMLParser parser;
    if (parser.Open(filePath_, 1) == 0) {
        AfxMessageBox(filePath_ + "File open error", orv::ui::kMbOk, 0);
        return;
    }
    // A second load replaces the catalogue: the old tree is freed and both maps start empty,
    // so no lookup can reach a node of the old file.
    if (root_ != nullptr) {
        DeleteMenuNode(root_);
        root_ = nullptr;
        trCodeMap_.clear();
        idMap_.clear();
    }
    root_ = new OrvMenu;
    ParseMenuNode(parser.GetRoot(), root_);
    BuildMenu(mainMenu_, root_, 0);
}
