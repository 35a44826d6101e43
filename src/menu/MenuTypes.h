// The "TYPE" keywords of the menu definition and their entry kinds: one table for the reader,
// orvhost and the tests.
#pragma once

#include <string_view>

#include "orvmenu/OrvMenu.h"

#define ORV_MENU_TYPE_TABLE(X)      \
    X("FORM", kOrvMenuForm)         \
    X("DLL", kOrvMenuDll)           \
    X("SEP", kOrvMenuSeparator)     \
    X("FUNC", kOrvMenuFunc)         \
    X("EXEC", kOrvMenuExec)         \
    X("SHELL", kOrvMenuShell)       \
    X("WFORM", kOrvMenuWForm)       \
    X("FORMDLG", kOrvMenuFormDlg)

namespace orv::menu {

struct TypeName {
    std::string_view keyword;
    OrvMenuType type;
};

inline constexpr TypeName kTypeNames[] = {
#define ORV_MENU_TYPE_ENTRY(keyword, type) {keyword, type},
    ORV_MENU_TYPE_TABLE(ORV_MENU_TYPE_ENTRY)
#undef ORV_MENU_TYPE_ENTRY
};

// The kind for a keyword, compared without regard to letter case; kOrvMenuNone when unknown.
OrvMenuType TypeFromKeyword(std::string_view keyword);

}  // namespace orv::menu
