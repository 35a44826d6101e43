// The toolbar's operations while it is in use: menus built from its records, group switching,
// the check mark, tooltips, the host's integers, and the end of the component.
#include "orvmenu/Menu.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/ToolBar.h"
#include "toolbar/ToolBarImpl.h"
#include "ui/ToolBarControl.h"
#include "ui/Window.h"

namespace {

constexpr unsigned kToolTipStyle = orv::ui::kTtsAlwaysTip | orv::ui::kTtsNoPrefix;

bool IsLeftOutOfMenus(const OrvToolBar* item) {
    return item->type == kOrvTbNone || item->type == kOrvTbGroupBtn;
}

}  // namespace

COrvToolBarImpl::~COrvToolBarImpl() {
    // The host's toolbar keeps its buttons: it must not paint them from a list that is gone.
    if (toolBarWnd != nullptr && toolBarWnd->GetSafeHwnd() != nullptr && imageList.GetSafeHandle() != nullptr) {
        toolBarWnd->SendMessage(orv::ui::kTbSetImageList, 0, 0);
    }
    imageList.DeleteImageList();
    toolTipCtrl.DestroyWindow();
    // The boxes go before the tree: the address box points at its item. Their windows are no
    // longer the host's to find.
    if (toolBarWnd != nullptr && toolBarWnd->GetSafeHwnd() != nullptr) {
        for (const char* prop : kOrvToolBarBoxProps) orv::ui::RemoveProp(toolBarWnd->GetSafeHwnd(), prop);
    }
    trCombo.reset();
    urlCombo.reset();
    codeCombo.reset();
    accountCombo.reset();
    if (root != nullptr) DeleteNode(root);
}

OrvToolBar* COrvToolBarImpl::GetItem(std::uint32_t id) {
    const auto it = itemMap.find(static_cast<std::uint16_t>(id));
    return it != itemMap.end() ? it->second : nullptr;
}

void COrvToolBarImpl::SetItem(std::uint32_t id, OrvToolBar* record) {
    itemMap[static_cast<std::uint16_t>(id)] = record;
}

void COrvToolBarImpl::SetNextId(OrvToolBar* record) {
    if (record != nullptr) nextId = record->id;
}

void COrvToolBarImpl::DeleteNode(OrvToolBar* record) {
    if (record == nullptr) return;
    // The parser bounds the depth of a loaded tree, and with it this recursion.
    for (OrvToolBar* child : record->children) DeleteNode(child);
    delete record;
}

void COrvToolBarImpl::Release() {
    if (root != nullptr) {
        DeleteButtons();
        if (toolBarWnd != nullptr) toolBarWnd->SendMessage(orv::ui::kTbSetImageList, 0, 0);
        imageList.DeleteImageList();
        toolTipCtrl.DestroyWindow();
        toolTipBar = nullptr;
        // The address box stays until a group with one replaces it; its item goes now.
        if (urlCombo != nullptr) urlCombo->SetToolBarItem(nullptr);
        DeleteNode(root);
        root = nullptr;
    }
    itemMap.clear();
    lastActId = 0;
}

void COrvToolBarImpl::DeleteButtons() {
    if (toolBarWnd == nullptr) return;
    const LRESULT count = toolBarWnd->SendMessage(orv::ui::kTbButtonCount, 0, 0);
    for (LRESULT i = 0; i < count; ++i) toolBarWnd->SendMessage(orv::ui::kTbDeleteButton, 0, 0);
}

void COrvToolBarImpl::BuildContextMenu(CMenu* target, OrvToolBar* record) {
    if (target == nullptr || record == nullptr) return;
    for (OrvToolBar* child : record->children) {
        if (IsLeftOutOfMenus(child)) continue;
        if (child->type == kOrvTbSep) {
            target->AppendMenu(orv::menuflag::kSeparator, 0, {});
        } else if (!child->children.empty()) {
            CMenu popup;
            popup.CreatePopupMenu();
            // The popup belongs to the menu from here on.
            target->AppendMenu(orv::menuflag::kPopup, reinterpret_cast<std::uintptr_t>(popup.GetSafeHmenu()),
                               child->name);
            BuildContextMenu(&popup, child);
            popup.Detach();
        } else {
            const std::string label = child->trCode.empty() ? child->name : "(" + child->trCode + ")" + child->name;
            target->AppendMenu(orv::menuflag::kString, child->id, label);
        }
    }
}

void COrvToolBarImpl::BuildPlainMenu(CMenu* target, OrvToolBar* record) {
    if (target == nullptr || record == nullptr) return;
    for (OrvToolBar* child : record->children) {
        if (IsLeftOutOfMenus(child)) continue;
        if (child->type == kOrvTbSep) {
            target->AppendMenu(orv::menuflag::kSeparator, 0, {});
        } else {
            target->AppendMenu(orv::menuflag::kString, child->id, child->name);
        }
    }
}

void COrvToolBarImpl::SelectGroup(OrvToolBar* record) {
    if (root == nullptr) return;
    std::int32_t index = 0;
    for (const OrvToolBar* child : root->children) {
        if (child == record) break;
        if (child->type == kOrvTbGroup) ++index;
    }
    DeleteButtons();
    imageList.DeleteImageList();
    BuildToolBar(toolBarWnd, root, index);
}

void COrvToolBarImpl::SetLastAct(std::uint32_t id) {
    if (OrvToolBar* previous = GetItem(lastActId)) previous->lastAct = 0;
    if (OrvToolBar* item = GetItem(id)) item->lastAct = 1;
    lastActId = id;
}

void COrvToolBarImpl::SetupToolTips() {
    const HWND bar = toolBarWnd != nullptr ? toolBarWnd->GetSafeHwnd() : nullptr;
    // The tooltip window made for this toolbar is emptied and kept: making a new one costs
    // most of a call. One made for another window, or gone with its toolbar, is replaced.
    if (bar == nullptr || bar != toolTipBar || !toolTipCtrl.RemoveTools()) {
        toolTipCtrl.DestroyWindow();
        toolTipBar = nullptr;
        if (toolBarWnd == nullptr) return;
        if (toolTipCtrl.Create(bar, kToolTipStyle)) toolTipBar = bar;
    }
    // Nothing below adds or removes buttons; a button that went all the same is not found by
    // its index and is passed over.
    const LRESULT count = toolBarWnd->SendMessage(orv::ui::kTbButtonCount, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        orv::ui::TbButton button;
        if (toolBarWnd->SendMessage(orv::ui::kTbGetButton, static_cast<WPARAM>(i),
                                    reinterpret_cast<LPARAM>(&button)) == 0) {
            continue;
        }
        const auto id = static_cast<std::uint32_t>(button.idCommand);
        const OrvToolBar* item = GetItem(id);
        if (item == nullptr) continue;
        CRect rect;
        toolBarWnd->SendMessage(orv::ui::kTbGetItemRect, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(&rect));
        // The toolbar relays its mouse messages to the tooltip set on it below: a tool that
        // subclassed it would add a detour to every message the bar gets, its rebuilds' too.
        if (!item->toolTip.empty()) {
            toolTipCtrl.AddTool(bar, item->toolTip, rect, id, CToolTipCtrl::Relay::ByWindow);
        } else if (!item->trCode.empty() && menu != nullptr) {
            if (const OrvMenu* node = menu->GetMenuByTRCode(item->trCode)) {
                toolTipCtrl.AddTool(bar, "[" + node->trCode + "] " + node->name, rect, id,
                                    CToolTipCtrl::Relay::ByWindow);
            }
        }
    }
    toolBarWnd->SendMessage(orv::ui::kTbSetToolTips,
                            reinterpret_cast<WPARAM>(toolTipCtrl.GetSafeHwnd()), 0);
}

void COrvToolBarImpl::SetWndWordA(std::int32_t value) {
    if (toolBarWnd != nullptr) toolBarWnd->wndWordA = value;
}

void COrvToolBarImpl::SetWndWordB(std::int32_t value) {
    if (toolBarWnd != nullptr) toolBarWnd->wndWordB = value;
}

// The boxes these reach stand on the toolbar only once they are made for the shown group; until
// then there is nothing to hand the call to.
void COrvToolBarImpl::AddRecentScreen(OrvMenu* node) {
    if (trCombo != nullptr) trCombo->AddRecentScreen(node);
}

void COrvToolBarImpl::FocusScreenInput() {
    if (trCombo == nullptr) return;
    trCombo->SetEditSel(0, -1);
    trCombo->SetFocus();
}

void COrvToolBarImpl::SelectAccount(std::string account) {
    if (accountCombo != nullptr) accountCombo->SelectAccount(std::move(account));
}

void COrvToolBarImpl::UpdateAccountInfo(const std::vector<std::string>* info) {
    if (accountCombo != nullptr) accountCombo->UpdateAccountInfo(info);
}
