#include <vector>

#include "orvmenu/Menu.h"
#include "ui/headless/HeadlessSystem.h"

using orv::headless::GetSystem;
using orv::headless::IsMenu;

namespace {

HMENU NewMenu(bool popup) {
    auto* menu = new HMENU__;
    menu->isPopup = popup;
    GetSystem().menus.insert(menu);
    return menu;
}

// Frees a menu and every popup below it, without recursion.
void FreeMenuTree(HMENU top) {
    std::vector<HMENU> pending{top};
    while (!pending.empty()) {
        HMENU menu = pending.back();
        pending.pop_back();
        for (const auto& item : menu->items) {
            if (item.kind == CMenu::ItemKind::Popup && IsMenu(item.popup)) pending.push_back(item.popup);
        }
        GetSystem().menus.erase(menu);
        delete menu;
    }
}

const HMENU__::Item* ItemAt(HMENU menu, int position) {
    if (!IsMenu(menu) || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) {
        return nullptr;
    }
    return &menu->items[static_cast<std::size_t>(position)];
}

}  // namespace

bool CMenu::CreateMenu() {
    if (handle_ != nullptr) return false;
    handle_ = NewMenu(false);
    return true;
}

bool CMenu::CreatePopupMenu() {
    if (handle_ != nullptr) return false;
    handle_ = NewMenu(true);
    return true;
}

bool CMenu::DestroyMenu() {
    if (!IsMenu(handle_)) return false;
    FreeMenuTree(handle_);
    handle_ = nullptr;
    return true;
}

bool CMenu::InsertMenu(unsigned position, unsigned flags, std::uintptr_t idOrPopup,
                       const std::string& text) {
    if (!IsMenu(handle_)) return false;
    auto& items = handle_->items;
    std::size_t at = items.size();
    if ((flags & orv::menuflag::kByPosition) != 0) {
        at = position < items.size() ? position : items.size();  // past the end appends
        // measured: 64-bit Wine, tests/ui_menu_test.cpp UiMenu.InsertsByPositionAppendsPastTheEndAndOwnsItsPopups
    } else {
        // By command: before the item with that identifier, which must exist.
        // measured: 64-bit Wine, tests/ui_menu_test.cpp UiMenu.InsertsByPositionAppendsPastTheEndAndOwnsItsPopups
        std::size_t i = 0;
        while (i < items.size() && !(items[i].kind == ItemKind::Command && items[i].id == position)) ++i;
        if (i == items.size()) return false;
        at = i;
    }
    HMENU__::Item item;
    if ((flags & orv::menuflag::kSeparator) != 0) {
        item.kind = ItemKind::Separator;
    } else if ((flags & orv::menuflag::kPopup) != 0) {
        auto* popup = reinterpret_cast<HMENU>(idOrPopup);
        if (!IsMenu(popup) || popup == handle_) return false;
        item.kind = ItemKind::Popup;
        item.popup = popup;
        item.text = text;
    } else {
        item.kind = ItemKind::Command;
        item.id = idOrPopup;
        item.text = text;
    }
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return true;
}

bool CMenu::AppendMenu(unsigned flags, std::uintptr_t idOrPopup, const std::string& text) {
    return InsertMenu(0xFFFFFFFFu, flags | orv::menuflag::kByPosition, idOrPopup, text);
}

int CMenu::GetMenuItemCount() const {
    return IsMenu(handle_) ? static_cast<int>(handle_->items.size()) : -1;
}

CMenu::ItemKind CMenu::GetItemKind(int position) const {
    const auto* item = ItemAt(handle_, position);
    return item != nullptr ? item->kind : ItemKind::None;
}

unsigned CMenu::GetMenuItemID(int position) const {
    const auto* item = ItemAt(handle_, position);
    if (item == nullptr || item->kind == ItemKind::Popup) return 0xFFFFFFFFu;
    return item->kind == ItemKind::Separator ? 0u : static_cast<unsigned>(item->id);
}

std::string CMenu::GetMenuString(int position) const {
    const auto* item = ItemAt(handle_, position);
    return item != nullptr ? item->text : std::string();
}

HMENU CMenu::GetSubMenu(int position) const {
    const auto* item = ItemAt(handle_, position);
    return item != nullptr && item->kind == ItemKind::Popup ? item->popup : nullptr;
}
