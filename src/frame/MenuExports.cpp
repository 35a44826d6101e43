#include "menu/MenuImpl.h"
#include "frame/Guarded.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvMenu* CreateOrvMainMenu() {
    return orv::frame::Make<orv::frame::GuardedMenu<COrvMenuImpl>>();
}

ORVMENU_API void DestroyOrvMainMenu(IOrvMenu* menu) {
    delete menu;
}

}  // extern "C"
