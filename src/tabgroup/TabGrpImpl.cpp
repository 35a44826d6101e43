#include "tabgroup/TabGrpImpl.h"

IOrvMenu* COrvTabGrpImpl::SetMenu(IOrvMenu* mainMenu) {
    menu = mainMenu;
    return menu;
}

COrvTabGrpItem* COrvTabGrpImpl::GetTabGrp(std::int32_t id) { return FindGroup(id); }

COrvTabGrpItem* COrvTabGrpImpl::FindGroup(std::int32_t id) const {
    // Groups of id 0 or below may be stored (a file can say so) but are never reachable.
    if (id < 1) return nullptr;
    const auto found = groups.find(id);
    return found == groups.end() ? nullptr : found->second.get();
}
