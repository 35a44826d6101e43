// The hot-key file: reading it into the table and writing the table back.
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <HOTKEY>
//       <NODE TRCODE="8000" KEYCODE="112" MOD="C">text</NODE>
//   </HOTKEY>
//
// KEYCODE is decimal, MOD is "C" (Ctrl), "S" (Shift) or empty. Names are matched without
// regard to case; the root's own name is not checked.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "hotkey/HotKeyGrammar.h"
#include "hotkey/HotKeyImpl.h"

#include <new>
#include "orvmenu/OrvMenu.h"
#include "orvmenu/EnvMgr.h"
#include "services/File.h"
#include "services/Numbers.h"
#include "services/XMLData.h"
#include "services/XMLParser.h"
#include "orvmenu/MessageBox.h"

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
constexpr char kLoadError[] = "File Open Error For HotKey ";
constexpr char kSaveError[] = "File Open Error For Save Hotkey";

}  // namespace

using namespace orv::hotkey;

void COrvHotKeyImpl::Load(std::string fileName) {
    // Every hot key is resolved through the menu. Reading without one would drop them all, and
    // the save at destruction would then empty the user's file: without a menu, do nothing.
    if (menu == nullptr) return;

    filePath = CEnvMgr::GetDataUserDir() + "\\" + fileName;
    if (CXMLParser::FindXMLFile(filePath) == 0) {
        Save(filePath);  // a first start: the user gets an empty file
        return;
    }
    bool read = false;
    {
        CXMLParser parser;
        // Out of memory half-way, what was read is not the whole file, and the save at
        // destruction would lose the rest: the file is one that could not be read.
        try {
            read = parser.Open(filePath, 1) != 0 && (ReadHotKeys(parser.GetRoot()), true);
        } catch (const std::bad_alloc&) {
            read = false;
        }
    }  // the document's memory is free again before the user is told
    if (!read) {
        // The destructor writes the table back to this path. Keep the user's file beside it
        // first; when no copy can be made, this component never writes over it.
        userFiles.ReadFailed(filePath);
        AfxMessageBox(fileName + kLoadError, orv::ui::kMbOk, 0);
    }
}

void COrvHotKeyImpl::ReadHotKeys(const CXMLNode& root) {
    // Loading adds to what the table holds.
    for (CXMLNode node = root.GetFirstElement(); node; node = node.GetNextElement()) {
        if (!orv::xml::FindElement(node, kHotKeyElements)) continue;
        auto hotKey = std::make_unique<OrvHotKey>();
        orv::xml::ReadAttrs(node, kHotKeyAttrs, [&](HotKeyAttr key, const CXMLAttr& attr) {
            switch (key) {
            case HotKeyAttr::TrCode:
                hotKey->trCode = attr.GetValue();
                hotKey->menuNode = menu->GetMenuByTRCode(hotKey->trCode);
                break;
            case HotKeyAttr::KeyCode: hotKey->keyCode = orv::text::AtoI(attr.GetValue()); break;
            case HotKeyAttr::Mod: {
                const std::string mod = attr.GetValue();
                if (orv::xml::EqualsNoCase(mod, kModCtrl)) {
                    hotKey->modifier = kOrvHotKeyCtrl;
                } else if (orv::xml::EqualsNoCase(mod, kModShift)) {
                    hotKey->modifier = kOrvHotKeyShift;
                }
                break;
            }
            }
        });
        // A screen the menu does not know can never open: the hot key is dropped.
        if (hotKey->menuNode == nullptr) continue;
        hotKey->text = node.GetText();
        const OrvHotKey& record = *hotKey;
        table.SetAt(record.text, std::move(hotKey));
    }
}

void COrvHotKeyImpl::Save(std::string path) {
    CFile file;
    if (!userFiles.MayWrite(path) || !file.Open(path, CFile::modeCreate | CFile::modeWrite)) {
        AfxMessageBox(kSaveError, orv::ui::kMbOk, 0);
        return;
    }
    CXMLData::StartUniCode(file);
    CXMLData::WriteString(file, kDeclaration);
    CXMLData::WriteNodeStart(file, 0, "HOTKEY");
    for (const auto& entry : table) {
        const OrvHotKey& hotKey = *entry.record;
        const std::string keyText = hotKey.keyCode > 0 ? std::to_string(hotKey.keyCode) : std::string();
        const char* modText = hotKey.modifier == kOrvHotKeyCtrl    ? "C"
                              : hotKey.modifier == kOrvHotKeyShift ? "S"
                                                                   : "";
        CXMLData::WriteHeader(file, 1, 1, "NODE",
                              {{"TRCODE", hotKey.trCode}, {"KEYCODE", keyText}, {"MOD", modText}});
        CXMLData::WriteText(file, hotKey.text);
        CXMLData::WriteNodeEnd(file, 1, "NODE", 0);
    }
    CXMLData::WriteNodeEnd(file, 0, "HOTKEY", 0);
    // A failed commit leaves the old file whole, but the user must hear that nothing was saved.
    if (!file.Close()) AfxMessageBox(kSaveError, orv::ui::kMbOk, 0);
}

