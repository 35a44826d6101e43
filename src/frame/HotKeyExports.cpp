#include "hotkey/HotKeyImpl.h"
#include "frame/Guarded.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvHotKey* CreateOrvHotKey() {
    return orv::frame::Make<orv::frame::GuardedHotKey<COrvHotKeyImpl>>();
}

ORVMENU_API void DestroyOrvHotKey(IOrvHotKey* hotKey) {
    delete hotKey;  // saves the hot-key file when one was loaded
}

}  // extern "C"
