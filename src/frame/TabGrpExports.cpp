#include <new>

#include "orvmenu/OrvExports.h"
#include "tabgroup/TabGrpImpl.h"
#include "tabgroup/UserTabGrp.h"

// Both destroy functions delete through the interface's virtual destructor, so either one
// deletes either kind of tab group component.
extern "C" {

ORVMENU_API IOrvTabGrp* CreateOrvTabGrp() {
    return new (std::nothrow) COrvTabGrpImpl;
}

ORVMENU_API void DestroyOrvTabGrp(IOrvTabGrp* tabGrp) {
    delete tabGrp;
}

ORVMENU_API IOrvTabGrp* CreateUserTabGrp() {
    return new (std::nothrow) CUserTabGrp;
}

ORVMENU_API void DestroyUserTabGrp(IOrvTabGrp* tabGrp) {
    delete tabGrp;  // saves the user's groups when they were loaded
}

}  // extern "C"
