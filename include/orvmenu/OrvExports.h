// The library's exported functions: one factory and one destroy function per component.
#pragma once

#include "orvmenu/OrvActTab.h"
#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvTabGrp.h"
#include "orvmenu/OrvToolBar.h"

#if defined(ORVMENU_STATIC)
#define ORVMENU_API
#elif defined(_WIN32)
#ifdef ORVMENU_BUILD
#define ORVMENU_API __declspec(dllexport)
#else
#define ORVMENU_API __declspec(dllimport)
#endif
#else
#define ORVMENU_API __attribute__((visibility("default")))
#endif

// Every export with its fixed ordinal, in ordinal order. The module-definition file and the
// export checks are held to this table.
#define ORVMENU_EXPORT_TABLE(X)         \
    X(CreateOrvMainMenu, 1000)          \
    X(DestroyOrvMainMenu, 1001)         \
    X(CreateOrvToolBar, 1100)           \
    X(DestroyOrvToolBar, 1101)          \
    X(CreateOrvHotKey, 1200)            \
    X(DestroyOrvHotKey, 1201)           \
    X(CreateOrvActTab, 1202)            \
    X(DestroyOrvActTab, 1203)           \
    X(CreateOrvTabGrp, 1204)            \
    X(DestroyOrvTabGrp, 1205)           \
    X(CreateUserTabGrp, 1206)           \
    X(DestroyUserTabGrp, 1207)

extern "C" {
// Factories return null when there is no memory; destroy functions ignore null.
ORVMENU_API IOrvMenu* CreateOrvMainMenu();
ORVMENU_API void DestroyOrvMainMenu(IOrvMenu* menu);
ORVMENU_API IOrvToolBar* CreateOrvToolBar();
ORVMENU_API void DestroyOrvToolBar(IOrvToolBar* toolBar);
ORVMENU_API IOrvHotKey* CreateOrvHotKey();
ORVMENU_API void DestroyOrvHotKey(IOrvHotKey* hotKey);
ORVMENU_API IOrvActTab* CreateOrvActTab();
ORVMENU_API void DestroyOrvActTab(IOrvActTab* actTab);
ORVMENU_API IOrvTabGrp* CreateOrvTabGrp();
ORVMENU_API void DestroyOrvTabGrp(IOrvTabGrp* tabGrp);
ORVMENU_API IOrvTabGrp* CreateUserTabGrp();
ORVMENU_API void DestroyUserTabGrp(IOrvTabGrp* tabGrp);
}
