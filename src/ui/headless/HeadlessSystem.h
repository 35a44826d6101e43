// The headless window system: the process-wide state that the window system keeps on Windows
// (windows, menus, keyboard state, message boxes). It lives in one shared library, so the
// library and its host see the same objects, as they would through user32.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "orvmenu/Menu.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/MessageBox.h"

struct HMENU__ {
    struct Item {
        CMenu::ItemKind kind = CMenu::ItemKind::Command;
        std::uintptr_t id = 0;   // command identifier
        HMENU popup = nullptr;   // owned by this menu
        std::string text;
    };
    bool isPopup = false;
    std::vector<Item> items;
};

struct HWND__ {
    std::string title;
    std::string className;  // "" for a host window; the control's class name otherwise
    HWND owner = nullptr;
    HWND parent = nullptr;  // a child window's parent
    bool visible = false;   // what ShowWindow last made it (host windows start hidden)
    std::vector<CHostWindow::Message> messages;
    std::map<std::string, void*> props;
    // A control's window procedure: SendMessage calls it instead of recording the message.
    std::function<LRESULT(unsigned, WPARAM, LPARAM)> proc;
};

namespace orv::headless {

struct System {
    std::unordered_set<const HMENU__*> menus;
    std::unordered_set<const HWND__*> windows;
    std::unordered_set<const void*> gdiObjects;
    HWND focus = nullptr;  // the window with the keyboard focus  // bitmaps, pens, brushes, fonts, contexts, image lists
    std::array<bool, 256> keysDown{};
    orv::ui::MessageBoxHook messageBoxHook;
};

System& GetSystem();

inline bool IsMenu(HMENU menu) { return menu != nullptr && GetSystem().menus.count(menu) != 0; }
inline bool IsWindow(HWND wnd) { return wnd != nullptr && GetSystem().windows.count(wnd) != 0; }

}  // namespace orv::headless
