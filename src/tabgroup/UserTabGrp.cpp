#include "tabgroup/UserTabGrp.h"

#include <algorithm>
#include <limits>

#include "orvmenu/OrvMenu.h"
#include "services/XMLParser.h"

namespace {

// The user's record behind a group pointer: every group of this component is one.
CUserTabGrpItem* AsUserGroup(COrvTabGrpItem* group) { return static_cast<CUserTabGrpItem*>(group); }

}  // namespace

CUserTabGrp::~CUserTabGrp() {
    // Edits are kept even when the host never asked for a save, once the file was loaded.
    // A destructor lets nothing out: a save that runs out of memory leaves the old file.
    try {
        if (!savePath.empty() && userFiles.MayWrite(savePath)) CUserTabGrp::SaveUserTabGrp();
    } catch (...) {
    }
}

OrvMenu* CUserTabGrp::FindScreen(const std::string& trCode) const {
    // Before SetMenu the menu knows no code: nothing is marked and no screen is added.
    return menu == nullptr ? nullptr : menu->GetMenuByTRCode(trCode);
}

void CUserTabGrp::StoreGroup(std::unique_ptr<CUserTabGrpItem> group) {
    const std::int32_t id = group->id;
    auto& slot = groups[id];
    if (slot) {
        // The earlier group's screens leave it, unless another group has taken them since.
        for (const std::string& code : slot->trCodes) {
            if (OrvMenu* node = FindScreen(code); node != nullptr && node->userTabGroup == id) {
                node->userTabGroup = 0;
            }
        }
    } else {
        groupOrder.push_back(static_cast<std::uint32_t>(id));
    }
    for (const std::string& code : group->trCodes) {
        if (OrvMenu* node = FindScreen(code)) node->userTabGroup = id;
    }
    slot = std::move(group);
}

void CUserTabGrp::AddUserTabGrp(std::string groupCode, std::string name) {
    // The last id in order plus one. A file whose ids do not ascend may already use that id:
    // take the next free one, so no id is ever held twice.
    constexpr std::int64_t kMaxId = std::numeric_limits<std::int32_t>::max();
    std::int64_t id = groupOrder.empty() ? 1 : std::int64_t{static_cast<std::int32_t>(groupOrder.back())} + 1;
    for (;; ++id) {
        if (id < 1 || id > kMaxId) id = 1;
        if (!groups.contains(static_cast<std::int32_t>(id))) break;
    }
    auto group = std::make_unique<CUserTabGrpItem>();
    group->id = static_cast<std::int32_t>(id);
    group->groupCode = std::move(groupCode);
    group->name = std::move(name);
    StoreGroup(std::move(group));
}

void CUserTabGrp::DeleteUserTabGrp(std::int32_t id) {
    const COrvTabGrpItem* group = GetUserTabGrp(id);
    if (group == nullptr) return;
    for (const std::string& code : group->trCodes) {
        if (OrvMenu* node = FindScreen(code)) node->userTabGroup = 0;
    }
    groups.erase(id);
    const auto pos = std::find(groupOrder.begin(), groupOrder.end(), static_cast<std::uint32_t>(id));
    if (pos != groupOrder.end()) groupOrder.erase(pos);
}

void CUserTabGrp::AddUserTabGrpItem(std::string trCode, std::int32_t id) {
    COrvTabGrpItem* group = GetUserTabGrp(id);
    if (group == nullptr) return;
    OrvMenu* node = FindScreen(trCode);
    if (node == nullptr) return;  // a screen the menu does not know is not added
    // A screen already in this or another group is added again: it carries the latest group.
    node->userTabGroup = id;
    group->trCodes.push_back(std::move(trCode));
}

void CUserTabGrp::DeleteUserTabGrpItem(std::string trCode, std::int32_t id) {
    COrvTabGrpItem* group = GetUserTabGrp(id);
    if (group == nullptr) return;
    auto& codes = group->trCodes;
    const auto pos = std::find_if(codes.begin(), codes.end(), [&](const std::string& code) {
        return orv::xml::EqualsNoCase(code, trCode);
    });
    if (pos == codes.end()) return;
    // Only a screen the menu knows leaves its group; the caller's spelling is what is looked up.
    OrvMenu* node = FindScreen(trCode);
    if (node == nullptr) return;
    node->userTabGroup = 0;
    codes.erase(pos);
}

std::int32_t CUserTabGrp::FindUserTabGrp(std::string groupCode) {
    if (groupCode.empty()) return 0;
    // In display order, so that of several groups with one code the first shown is found.
    for (const std::uint32_t orderId : groupOrder) {
        const auto found = groups.find(static_cast<std::int32_t>(orderId));
        if (found != groups.end() &&
            orv::xml::EqualsNoCase(AsUserGroup(found->second.get())->groupCode, groupCode)) {
            return found->first;
        }
    }
    return 0;
}

std::int32_t CUserTabGrp::IsUserTabGrpCode(std::string groupCode) {
    // An empty code is a code like any other: it matches a group whose code is empty.
    return std::any_of(groups.begin(), groups.end(), [&](const auto& entry) {
               return orv::xml::EqualsNoCase(AsUserGroup(entry.second.get())->groupCode, groupCode);
           })
               ? 1
               : 0;
}

std::int32_t CUserTabGrp::SwapUserTabGrpItem(std::string trCodeA, std::string trCodeB,
                                             std::int32_t id) {
    COrvTabGrpItem* group = GetUserTabGrp(id);
    if (group == nullptr || group->trCodes.empty()) return -1;
    auto& codes = group->trCodes;
    // The last match of each code counts; a code not found stands for position 0.
    std::size_t a = 0;
    std::size_t b = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (orv::xml::EqualsNoCase(codes[i], trCodeA)) {
            a = i;
        } else if (orv::xml::EqualsNoCase(codes[i], trCodeB)) {
            b = i;
        }
    }
    if (a == b) return -1;
    // The caller's spellings go in, so letter case may change. No menu mark changes.
    codes[a] = std::move(trCodeB);
    codes[b] = std::move(trCodeA);
    return 0;
}
