#include <new>

#include "acttab/ActTabImpl.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvActTab* CreateOrvActTab() {
    return new (std::nothrow) COrvActTabImpl;
}

// The tab control the component was given is the host's and outlives it.
ORVMENU_API void DestroyOrvActTab(IOrvActTab* actTab) {
    delete actTab;
}

}  // extern "C"
