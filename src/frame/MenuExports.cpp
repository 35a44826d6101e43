#include <new>

#include "menu/MenuImpl.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvMenu* CreateOrvMainMenu() {
    return new (std::nothrow) COrvMenuImpl;
}

ORVMENU_API void DestroyOrvMainMenu(IOrvMenu* menu) {
    delete menu;
}

}  // extern "C"
