// CMenu: a menu of the window system, held by its handle.
//
// Like the window system's own menus, the data lives behind the handle, so a host and the
// library may each wrap the same menu. A popup inserted into a menu belongs to that menu and is
// destroyed with it. On Windows the handle is a real HMENU; headless, it is an in-memory menu
// that behaves the same way for what the library does and can be inspected.
#pragma once

#include <string>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

namespace orv::menuflag {
// The window system's menu flags, by value.
constexpr unsigned kString = 0x0000;
constexpr unsigned kPopup = 0x0010;
constexpr unsigned kByPosition = 0x0400;
constexpr unsigned kSeparator = 0x0800;
}  // namespace orv::menuflag

class ORV_UI_API CMenu {
public:
    // What an item of a menu is.
    enum class ItemKind { Command, Popup, Separator, None };

    CMenu() = default;
    explicit CMenu(HMENU menu) : handle_(menu) {}
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    // A wrapper never destroys its menu: call DestroyMenu for the menus you own.
    ~CMenu() = default;

    bool CreateMenu();       // an empty menu bar
    bool CreatePopupMenu();  // an empty popup menu
    bool DestroyMenu();      // destroys the menu and every popup it holds
    bool Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return handle_; }

    // idOrPopup is a command identifier, or the HMENU of a popup when flags has kPopup.
    // A position past the end appends, as the window system does.
    bool InsertMenu(unsigned position, unsigned flags, std::uintptr_t idOrPopup,
                    const std::string& text);
    bool AppendMenu(unsigned flags, std::uintptr_t idOrPopup = 0, const std::string& text = {});

    // Inspection, the same on both back ends. Texts are in the terminal's code page.
    int GetMenuItemCount() const;
    ItemKind GetItemKind(int position) const;
    unsigned GetMenuItemID(int position) const;  // 0xFFFFFFFF for a popup, 0 for a separator
    std::string GetMenuString(int position) const;
    HMENU GetSubMenu(int position) const;

private:
    HMENU handle_ = nullptr;
};
