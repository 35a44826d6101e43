#include "frame/Guarded.h"
#include "orvmenu/OrvExports.h"
#include "toolbar/ToolBarImpl.h"

extern "C" {

ORVMENU_API IOrvToolBar* CreateOrvToolBar() {
    return orv::frame::Make<orv::frame::GuardedToolBar<COrvToolBarImpl>>();
}

ORVMENU_API void DestroyOrvToolBar(IOrvToolBar* toolBar) {
    delete toolBar;
}

}  // extern "C"
