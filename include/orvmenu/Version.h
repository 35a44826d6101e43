// The library's version. The DLL's version resource and the CMake package are made from these
// three numbers; a host can compare them with what it was built against.
#pragma once

#define ORVMENU_VERSION_MAJOR 1
#define ORVMENU_VERSION_MINOR 1
#define ORVMENU_VERSION_PATCH 0

#define ORVMENU_VERSION_STR_(x) #x
#define ORVMENU_VERSION_STR(x) ORVMENU_VERSION_STR_(x)
// "1.1.0"
#define ORVMENU_VERSION_STRING                                                    \
    ORVMENU_VERSION_STR(ORVMENU_VERSION_MAJOR) "." ORVMENU_VERSION_STR(ORVMENU_VERSION_MINOR) "." \
        ORVMENU_VERSION_STR(ORVMENU_VERSION_PATCH)
