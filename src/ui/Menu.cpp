// What a menu wrapper does the same on every back end: it only holds the handle.
#include "orvmenu/Menu.h"

bool CMenu::Attach(HMENU menu) {
    if (handle_ != nullptr || menu == nullptr) return false;
    handle_ = menu;
    return true;
}

HMENU CMenu::Detach() {
    HMENU menu = handle_;
    handle_ = nullptr;
    return menu;
}
