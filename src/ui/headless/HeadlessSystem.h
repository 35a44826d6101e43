// The headless window system: the process-wide state that the window system keeps on Windows
// (windows, menus, keyboard state, message boxes). It lives in one shared library, so the
// library and its host see the same objects, as they would through user32.
//
// What this header exports (ORV_HEADLESS_API) stands where user32's and gdi32's own exports
// stand on Windows: tools that look at the system from outside (the test-support library)
// reach windows and drawing objects through it, as they call GetGuiResources or GetDIBits on
// Windows. The toolkit's own interface is no wider than its Windows twin's.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "orvmenu/Menu.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/MessageBox.h"
#include "orvmenu/OrvLibApi.h"
#include "ui/Gdi.h"

#define ORV_HEADLESS_API ORV_UI_API

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

namespace orv::headless {
// A subclass: true when it answered the message (with result); false passes it on.
using SubclassProc = std::function<bool(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;
}  // namespace orv::headless

struct HWND__ {
    std::string title;
    std::string className;  // "" for a host window; the control's class name otherwise
    HWND owner = nullptr;
    HWND parent = nullptr;  // a child window's parent
    bool visible = false;   // what ShowWindow last made it (host windows start hidden)
    unsigned id = 0;        // a child's control identifier (GetDlgCtrlID)
    unsigned style = 0;     // the window and class styles it was created with
    std::map<std::string, void*> props;
    // The window procedure SendMessage calls; a window without one answers 0, as
    // DefWindowProc does for the messages a library sends. A tool may wrap it as a subclass
    // does; the toolkit's own hooks sit in subclasses below.
    std::function<LRESULT(unsigned, WPARAM, LPARAM)> proc;
    // Subclasses, last installed first to run, and the procedure they end in (proc before the
    // first was installed).
    struct Subclass {
        std::uint64_t order = 0;  // when installed: a removal during a message keeps the chain
        std::uintptr_t id = 0;
        std::shared_ptr<const orv::headless::SubclassProc> proc;
    };
    std::vector<Subclass> subclasses;
    std::function<LRESULT(unsigned, WPARAM, LPARAM)> classProc;
    // Calls in progress: a destroyed window stays in memory until the last one returns, as the
    // window system keeps a window locked while a message to it runs.
    unsigned busy = 0;
    bool destroyed = false;
    // The window as last painted, rows top-down, the size of its window rectangle (empty
    // until it paints).
    std::vector<orv::Color> surface;
};

namespace orv::headless {

// DrawText as the system's entry for it: text is not rasterised headless; the answer is the
// height of one line of the context's font.
using DrawTextProc = int (*)(void* hdc, const std::string& text, const CRect& rect, unsigned format);
int DrawTextOnDc(void* hdc, const std::string& text, const CRect& rect, unsigned format);

struct System {
    std::unordered_set<const HMENU__*> menus;
    std::unordered_set<const HWND__*> windows;
    std::unordered_set<const void*> gdiObjects;  // bitmaps, pens, brushes, fonts, contexts, image lists
    HWND focus = nullptr;  // the window with the keyboard focus
    std::array<bool, 256> keysDown{};
    orv::ui::MessageBoxHook messageBoxHook;
    // The toolkit draws text through this entry, as a module calls DrawTextW through its import
    // table: a tool may put its own function here and call the one it replaced.
    DrawTextProc drawText = &DrawTextOnDc;
};

ORV_HEADLESS_API System& GetSystem();

// A window of a class: its procedure, parent (for a child) or owner, control identifier and
// styles. The window belongs to the system until DestroyWindow.
ORV_HEADLESS_API HWND CreateWindow(const std::string& className, HWND parent, HWND owner, unsigned id,
                                   unsigned style, std::function<LRESULT(unsigned, WPARAM, LPARAM)> proc);
// SetWindowSubclass, RemoveWindowSubclass and DefSubclassProc, as comctl32 has them: a
// subclass of an id is installed once per window; DefSubclassProc, called from inside a
// subclass, goes on down the chain.
ORV_HEADLESS_API bool SetWindowSubclass(HWND wnd, std::uintptr_t id, SubclassProc proc);
ORV_HEADLESS_API bool RemoveWindowSubclass(HWND wnd, std::uintptr_t id);
ORV_HEADLESS_API LRESULT DefSubclassProc(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam);

inline bool IsMenu(HMENU menu) { return menu != nullptr && GetSystem().menus.count(menu) != 0; }
inline bool IsWindow(HWND wnd) { return wnd != nullptr && GetSystem().windows.count(wnd) != 0; }

}  // namespace orv::headless
