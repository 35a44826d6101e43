#include "tabgroup/TabGrpImpl.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

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

std::int32_t orv::tabgrp::ReadDecimal(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long>(value, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}
