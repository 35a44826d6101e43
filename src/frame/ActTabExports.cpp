#include "acttab/ActTabImpl.h"
#include "frame/Guarded.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvActTab* CreateOrvActTab() {
    return orv::frame::Make<orv::frame::GuardedActTab<COrvActTabImpl>>();
}

// The tab control the component was given is the host's and outlives it.
ORVMENU_API void DestroyOrvActTab(IOrvActTab* actTab) {
    delete actTab;
}

}  // extern "C"
