#include "menu/MenuImpl.h"

#include <vector>

#include "orvmenu/Menu.h"
#include "orvmenu/EnvMgr.h"

COrvMenuImpl::~COrvMenuImpl() {
    if (root_ != nullptr) DeleteMenuNode(root_);
    // The host's menu and the entries built into it stay the host's.
}

void COrvMenuImpl::SetMenuFile(std::string fileName) {
    filePath_ = CEnvMgr::GetDataDir() + "/" + fileName;
}

void COrvMenuImpl::LoadMenu() {
    LoadMenuFile();
    LoadScreenSet();
}

OrvMenu* COrvMenuImpl::GetMenuByID(std::uint32_t id) {
    const auto it = idMap_.find(static_cast<std::uint16_t>(id & 0xffffu));
    return it == idMap_.end() ? nullptr : it->second;
}

OrvMenu* COrvMenuImpl::GetMenuByTRCode(std::string trCode) {
    const auto it = trCodeMap_.find(trCode);
    return it == trCodeMap_.end() ? nullptr : it->second;
}

void COrvMenuImpl::SetMainMenu(CMenu* menu) { mainMenu_ = menu; }

void COrvMenuImpl::SetUserInfo(const OrvUserInfo* info, std::int32_t showDerivatives) {
    if (info != nullptr) {
        gradeMask_ = info->gradeMask;
        userWords_ = {info->info1, info->info2, info->info3};
    }
    userInfoSet_ = 1;
    showDerivatives_ = showDerivatives;
}

void COrvMenuImpl::SetShow8000(std::int32_t show) { show8000_ = show; }

OrvMenu* COrvMenuImpl::GetRootMenu() { return root_; }

void COrvMenuImpl::DeleteMenuNode(OrvMenu* node) {
    // Without recursion: a tree read from a file may be as deep as the file.
    std::vector<OrvMenu*> pending;
    if (node != nullptr) pending.push_back(node);
    while (!pending.empty()) {
        OrvMenu* n = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), n->children.begin(), n->children.end());
        delete n;
    }
}

void COrvMenuImpl::BuildMenu(CMenu* menu, OrvMenu* parent, unsigned position) {
    using namespace orv::menuflag;
    if (menu == nullptr || parent == nullptr || parent->children.empty()) return;
    unsigned p = position;
    for (OrvMenu* child : parent->children) {
        if (child->type == kOrvMenuNone || child->disp == 0 || IsMenuVisible(child) != 1) continue;
        if (child->type == kOrvMenuSeparator) {
            // Separators go to the end, so at top level they follow the host's own entries.
            menu->AppendMenu(kSeparator);
            continue;
        }
        if (!child->children.empty()) {
            CMenu popup;
            popup.CreatePopupMenu();
            menu->InsertMenu(p, kByPosition | kPopup, reinterpret_cast<std::uintptr_t>(popup.GetSafeHmenu()),
                             child->name);
            ++p;
            // The popup is empty, so positions past its end simply append in order.
            BuildMenu(&popup, child, p);
            popup.Detach();  // the popup now belongs to the menu it was inserted into
            continue;
        }
        const bool showCode = !child->trCode.empty() && child->trCode != "8000" && child->trCode != "8930";
        const std::string label = showCode ? "(" + child->trCode + ")" + child->name : child->name;
        menu->InsertMenu(p, kByPosition, child->id, label);
        ++p;
    }
}
