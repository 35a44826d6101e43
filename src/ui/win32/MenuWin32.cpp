#include "orvmenu/Menu.h"

#include <vector>

#include "ui/win32/Win32.h"

namespace {

bool Insert(HMENU menu, unsigned position, unsigned flags, std::uintptr_t idOrPopup,
            const std::string& text, bool append) {
    if (menu == nullptr) return false;
    // Labels are terminal text: the wide functions show them right whatever the system's code
    // page is.
    const std::wstring label = orv::win32::Wide(text);
    // A separator carries no text; a string item needs one, even an empty one.
    const wchar_t* item = (flags & orv::menuflag::kSeparator) != 0 ? nullptr : label.c_str();
    const BOOL ok = append ? ::AppendMenuW(menu, flags, idOrPopup, item)
                           : ::InsertMenuW(menu, position, flags, idOrPopup, item);
    return ok != FALSE;
}

}  // namespace

bool CMenu::CreateMenu() {
    if (handle_ != nullptr) return false;
    handle_ = ::CreateMenu();
    return handle_ != nullptr;
}

bool CMenu::CreatePopupMenu() {
    if (handle_ != nullptr) return false;
    handle_ = ::CreatePopupMenu();
    return handle_ != nullptr;
}

bool CMenu::DestroyMenu() {
    HMENU menu = Detach();
    return menu != nullptr && ::DestroyMenu(menu) != FALSE;
}

bool CMenu::InsertMenu(unsigned position, unsigned flags, std::uintptr_t idOrPopup,
                       const std::string& text) {
    return Insert(handle_, position, flags, idOrPopup, text, false);
}

bool CMenu::AppendMenu(unsigned flags, std::uintptr_t idOrPopup, const std::string& text) {
    return Insert(handle_, 0, flags, idOrPopup, text, true);
}

int CMenu::GetMenuItemCount() const {
    return handle_ == nullptr ? -1 : ::GetMenuItemCount(handle_);
}

CMenu::ItemKind CMenu::GetItemKind(int position) const {
    if (handle_ == nullptr || position < 0) return ItemKind::None;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(handle_, static_cast<UINT>(position), TRUE, &info)) return ItemKind::None;
    if ((info.fType & MFT_SEPARATOR) != 0) return ItemKind::Separator;
    return info.hSubMenu != nullptr ? ItemKind::Popup : ItemKind::Command;
}

unsigned CMenu::GetMenuItemID(int position) const {
    if (handle_ == nullptr) return 0xFFFFFFFFu;
    return ::GetMenuItemID(handle_, position);
}

std::string CMenu::GetMenuString(int position) const {
    if (handle_ == nullptr || position < 0) return {};
    const UINT pos = static_cast<UINT>(position);
    // With no buffer the call answers the length in characters, without the terminator.
    const int length = ::GetMenuStringW(handle_, pos, nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied =
        ::GetMenuStringW(handle_, pos, buffer.data(), length + 1, MF_BYPOSITION);
    if (copied <= 0) return {};
    return orv::win32::Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

HMENU CMenu::GetSubMenu(int position) const {
    if (handle_ == nullptr) return nullptr;
    return ::GetSubMenu(handle_, position);
}
