// Reading the toolbar file into the record tree.
//
//   <TOOLBAR>
//       <CONTEXTMENU>ON</CONTEXTMENU>
//       <NODE NAME="Trade" TYPE="GROUPBTN"/>
//       <NODE NAME="Quotes" TYPE="GROUP" ICON="grp.bmp" LASTACT="ON">
//           <NODE TRCODE="8000" NAME="Order" ICON="btn.bmp" STYLE="CHECKGROUP"/>
//       </NODE>
//   </TOOLBAR>
//
// Names of elements, attributes and keywords are matched without regard to case; the root's own
// name is not checked. Unknown elements, attributes and keywords are skipped.
#include <new>

#include "orvmenu/OrvMenu.h"
#include "services/CodePage.h"
#include "orvmenu/EnvMgr.h"
#include "services/Numbers.h"
#include "services/XMLParser.h"
#include "toolbar/ToolBarImpl.h"
#include "toolbar/ToolBarTypes.h"
#include "orvmenu/MessageBox.h"

namespace {

// One counter for the process: every toolbar numbers its items from where the last one
// stopped, so command identifiers stay unique across toolbars and reloads.
std::uint32_t gNextCommandId = 9900;

constexpr char kOpenError[] = "File open error";

// The image folder in front of every ICON value, looked up once per file rather than per item:
// set while the outermost ParseNode runs (the library runs on the host's one UI thread).
std::string gImagePrefix;
int gParseDepth = 0;

struct ParseScope {
    ParseScope() {
        if (gParseDepth++ == 0) gImagePrefix = CEnvMgr::GetImageDir() + "\\";
    }
    ~ParseScope() { --gParseDepth; }
    ParseScope(const ParseScope&) = delete;
    ParseScope& operator=(const ParseScope&) = delete;
};

// Names that begin with the former brand word take the current one, whole.
void ConvertBrand(std::string& name) {
    static const std::string former = CFmtString::GetCodePageString("Halden", "CHT");
    static const std::string current = CFmtString::GetCodePageString("Morvane", "CHT");
    if (name.compare(0, former.size(), former) == 0) name = current;
}

}  // namespace

std::uint32_t COrvToolBarImpl::PeekNextCommandId() { return gNextCommandId; }

void COrvToolBarImpl::SetFileName(std::string fileName) {
    filePath = CEnvMgr::GetDataDir() + "\\" + fileName;
}

void COrvToolBarImpl::Load() {
    // A user's file ("...User...") that does not exist yet starts as the terminal's default.
    if (filePath.find("User", 1) != std::string::npos && CXMLParser::FindXMLFile(filePath) == 0 &&
        SeedFromDefault()) {
        return;
    }
    bool read = false;
    {
        CXMLParser parser;
        if (parser.Open(filePath, 1) != 0) {
            Release();
            // Out of memory half-way, saving what was read would write part of the user's
            // toolbar over the whole: the file is one that could not be read.
            try {
                root = new OrvToolBar;
                ParseNode(parser.GetRoot(), root);
                read = true;
            } catch (const std::bad_alloc&) {
                Release();
            }
        }
    }  // the document's memory is free again before the user is told
    if (!read) {
        // SaveFile writes to this path: keep a file that exists but could not be read beside
        // it first; when no copy can be made, this component never writes over it.
        if (CXMLParser::FindXMLFile(filePath) != 0) userFiles.ReadFailed(filePath);
        AfxMessageBox(filePath + kOpenError, orv::ui::kMbOk, 0);
        return;
    }
    BuildToolBar(toolBarWnd, root, 0);
    for (OrvToolBar* child : root->children) {
        if (child->type == kOrvTbGroup && child->lastAct == 1) SelectGroup(child);
    }
    SetupToolTips();
}

bool COrvToolBarImpl::SeedFromDefault() {
    CXMLParser parser;
    if (parser.Open(CEnvMgr::GetDataDir() + "\\" + std::string(orv::toolbar::kDefaultFile), 1) == 0) {
        return false;
    }
    for (CXMLNode node = parser.GetRoot().GetFirstElement(); node; node = node.GetNextElement()) {
        if (!node.NameIs(orv::toolbar::kToolBarElement)) continue;
        Release();
        root = new OrvToolBar;
        ParseNode(node, root);
        BuildToolBar(toolBarWnd, root, 0);
        SaveFile();
        return true;
    }
    return false;
}

void COrvToolBarImpl::ParseNode(const CXMLNode& node, OrvToolBar* parent) {
    if (parent == nullptr) return;
    const ParseScope scope;
    using orv::toolbar::ToolBarElement;
    for (CXMLNode child = node.GetFirstElement(); child; child = child.GetNextElement()) {
        const auto* element = orv::xml::FindElement(child, orv::toolbar::kToolBarElements);
        if (element == nullptr) continue;
        switch (element->key) {
        case ToolBarElement::MinSize: minSize = orv::text::AtoI(child.GetText()); break;
        case ToolBarElement::Break: breakValue = orv::text::AtoI(child.GetText()); break;
        case ToolBarElement::ContextMenu:
            if (child.GetText() == orv::toolbar::kOn) contextMenuOn = 1;
            break;
        case ToolBarElement::Name:
            // Wherever it stands, NAME names the toolbar itself.
            if (root != nullptr) root->name = child.GetText();
            break;
        case ToolBarElement::Node: {
            auto* item = new OrvToolBar;
            item->id = gNextCommandId++;
            ReadItem(child, item);
            itemMap[static_cast<std::uint16_t>(item->id)] = item;
            parent->children.push_back(item);
            item->parent = parent;
            nextId = gNextCommandId;
            // The parser bounds the nesting depth, and with it this recursion.
            ParseNode(child, item);
            break;
        }
        }
    }
}

void COrvToolBarImpl::ReadItem(const CXMLNode& element, OrvToolBar* item) {
    using orv::toolbar::CodeOf;
    using orv::toolbar::ToolBarAttr;
    orv::xml::ReadAttrs(element, orv::toolbar::kToolBarAttrs, [&](ToolBarAttr key, const CXMLAttr& attr) {
        switch (key) {
        case ToolBarAttr::TrCode:
            item->trCode = attr.GetValue();
            item->menuNode = menu != nullptr ? menu->GetMenuByTRCode(item->trCode) : nullptr;
            break;
        case ToolBarAttr::Name:
            item->name = attr.GetValue();
            ConvertBrand(item->name);
            break;
        case ToolBarAttr::Type: CodeOf(orv::toolbar::kTypeKeywords, attr.GetValue(), item->type); break;
        case ToolBarAttr::Style: CodeOf(orv::toolbar::kStyleKeywords, attr.GetValue(), item->style); break;
        case ToolBarAttr::Icon: item->icon = gImagePrefix + attr.GetValue(); break;
        case ToolBarAttr::Prop: item->prop = attr.GetValue(); break;
        case ToolBarAttr::Value: item->value = attr.GetValue(); break;
        case ToolBarAttr::ToolTip: item->toolTip = attr.GetValue(); break;
        case ToolBarAttr::LastAct:
            if (attr.GetValue() == orv::toolbar::kOn) {
                item->lastAct = 1;
                lastActId = item->id;
            }
            break;
        }
    });
}
