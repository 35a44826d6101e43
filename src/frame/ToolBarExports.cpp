#include <new>

#include "orvmenu/OrvExports.h"
#include "toolbar/ToolBarImpl.h"

extern "C" {

ORVMENU_API IOrvToolBar* CreateOrvToolBar() {
    return new (std::nothrow) COrvToolBarImpl;
}

ORVMENU_API void DestroyOrvToolBar(IOrvToolBar* toolBar) {
    delete toolBar;
}

}  // extern "C"
