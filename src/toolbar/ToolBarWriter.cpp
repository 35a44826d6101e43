// Writing the record tree back as a toolbar file, in the form the reader takes.
//
// Only what a user's toolbar needs is written: the context-menu switch and each item's TR code,
// name, type, style, icon and check mark. Ids are given afresh at the next load; MINSIZE,
// BREAK, the toolbar's own name, PROP, VALUE and TOOLTIP stay with the default definition.
#include "orvmenu/EnvMgr.h"
#include "services/File.h"
#include "services/XMLData.h"
#include "toolbar/ToolBarImpl.h"
#include "toolbar/ToolBarTypes.h"
#include "orvmenu/MessageBox.h"

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr char kSaveError[] = "File save error";

// NAME="value" followed by one blank; values are escaped so that any text reads back.
void AppendAttr(std::string& tag, std::string_view name, std::string_view value) {
    tag += name;
    tag += "=\"";
    tag += CXMLData::EscapeAttr(value);
    tag += "\" ";
}

// The ICON value as the file held it: loading put the image folder in front of it.
std::string IconValue(const std::string& icon) {
    const std::string prefix = CEnvMgr::GetImageDir() + "\\";
    if (icon.find('\\', 1) != std::string::npos && icon.compare(0, prefix.size(), prefix) == 0) {
        return icon.substr(prefix.size());
    }
    return icon;
}

}  // namespace

void COrvToolBarImpl::SaveFile() {
    // Nothing was loaded: writing now would replace the user's toolbar with an empty one.
    if (root == nullptr) return;
    CFile file;
    if (!userFiles.MayWrite(filePath) ||
        !file.Open(filePath, CFile::modeCreate | CFile::modeReadWrite)) {
        AfxMessageBox(filePath + kSaveError, orv::ui::kMbOk, 0);
        return;
    }
    Save(&file);
    // A failed commit leaves the old file whole, but the user must hear that nothing was saved.
    if (!file.Close()) AfxMessageBox(filePath + kSaveError, orv::ui::kMbOk, 0);
}

void COrvToolBarImpl::Save(CFile* file) {
    if (file == nullptr || root == nullptr) return;
    CXMLData::StartUniCode(*file);
    CXMLData::WriteString(*file, kDeclaration);
    CXMLData::WriteNodeStart(*file, 0, "TOOLBAR");
    CXMLData::WriteAttrStr(*file, "CONTEXTMENU", contextMenuOn != 0 ? "ON" : "OFF", 1);
    for (OrvToolBar* child : root->children) SaveNode(file, child, 1);
    CXMLData::WriteNodeEnd(*file, 0, "TOOLBAR", 0);
}

void COrvToolBarImpl::SaveNode(CFile* file, OrvToolBar* record, std::int32_t level) {
    if (file == nullptr || record == nullptr) return;
    std::string tag = "NODE ";
    if (!record->trCode.empty()) AppendAttr(tag, "TRCODE", record->trCode);
    if (!record->name.empty()) AppendAttr(tag, "NAME", record->name);
    if (record->type != 0) {
        AppendAttr(tag, "TYPE", orv::toolbar::KeywordOf(orv::toolbar::kTypeKeywords, record->type));
    }
    if (record->style != 0) {
        AppendAttr(tag, "STYLE", orv::toolbar::KeywordOf(orv::toolbar::kStyleKeywords, record->style));
    }
    if (!record->icon.empty()) AppendAttr(tag, "ICON", IconValue(record->icon));
    if (record->lastAct != 0) tag += "LASTACT=\"ON\" ";
    CXMLData::WriteNodeStart(*file, level, tag);
    for (OrvToolBar* child : record->children) SaveNode(file, child, level + 1);
    CXMLData::WriteNodeEnd(*file, level, "NODE", 0);
}
