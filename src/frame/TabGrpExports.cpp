#include "frame/Guarded.h"
#include "orvmenu/OrvExports.h"
#include "tabgroup/TabGrpImpl.h"
#include "tabgroup/UserTabGrp.h"

// Both destroy functions delete through the interface's virtual destructor, so either one
// deletes either kind of tab group component.
extern "C" {

ORVMENU_API IOrvTabGrp* CreateOrvTabGrp() {
    return orv::frame::Make<orv::frame::GuardedTabGrp<COrvTabGrpImpl>>();
}

ORVMENU_API void DestroyOrvTabGrp(IOrvTabGrp* tabGrp) {
    delete tabGrp;
}

ORVMENU_API IOrvTabGrp* CreateUserTabGrp() {
    return orv::frame::Make<orv::frame::GuardedTabGrp<CUserTabGrp>>();
}

ORVMENU_API void DestroyUserTabGrp(IOrvTabGrp* tabGrp) {
    delete tabGrp;  // saves the user's groups when they were loaded
}

}  // extern "C"
