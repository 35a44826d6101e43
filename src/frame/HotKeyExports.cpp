#include <new>

#include "hotkey/HotKeyImpl.h"
#include "orvmenu/OrvExports.h"

extern "C" {

ORVMENU_API IOrvHotKey* CreateOrvHotKey() {
    return new (std::nothrow) COrvHotKeyImpl;
}

ORVMENU_API void DestroyOrvHotKey(IOrvHotKey* hotKey) {
    delete hotKey;  // saves the hot-key file when one was loaded
}

}  // extern "C"
