// orvhost's tab groups: the terminal's fixed groups of screens and the groups the user makes.
//
// Each step describes itself where it is registered below ("--step help" lists them).
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "Host.h"
#include "SaveReport.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/CodePage.h"
#include "orvmenu/EnvMgr.h"

namespace orvhost {
namespace {

constexpr const char* kFixedFile = "TabGroup.xml";
constexpr const char* kUserFile = "UserTabGrp.xml";
// The fixed component offers no list of its groups: a host asks for numbers it knows, here
// those of the sample file.
constexpr std::int32_t kFixedGroupIds[] = {1, 2, 3, 4, 5};

struct TabGroupState {
    IOrvTabGrp* fixed = nullptr;
    IOrvTabGrp* user = nullptr;
};

bool ParseId(const std::string& text, std::int32_t& id) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0') return false;
    id = static_cast<std::int32_t>(value);
    return true;
}

// "(8000) 快速下單", with the screen's name from the menu.
std::string Screen(Host& host, const std::string& trCode) {
    const OrvMenu* node = host.Menu() ? host.Menu()->GetMenuByTRCode(trCode) : nullptr;
    return "(" + trCode + ") " + (node ? host.Show(node->name) : std::string("not in the menu"));
}

void PrintFixedGroup(Host& host, const COrvTabGrpItem& group) {
    host.Out() << "  " << group.id << " " << host.Show(group.name) << ":";
    for (const std::string& code : group.trCodes) host.Out() << "  " << Screen(host, code);
    host.Out() << "\n";
}

void PrintUserGroup(Host& host, const CUserTabGrpItem& group) {
    host.Out() << "  " << group.id << " [" << host.Show(group.groupCode) << "] "
               << host.Show(group.name) << (group.trCodes.empty() ? ": no screens" : "") << "\n";
    for (const std::string& code : group.trCodes) {
        host.Out() << "      " << Screen(host, code);
        // The mark a screen carries is the group it joined last.
        const OrvMenu* node = host.Menu() ? host.Menu()->GetMenuByTRCode(code) : nullptr;
        if (node != nullptr) host.Out() << "  [marked for group " << node->userTabGroup << "]";
        host.Out() << "\n";
    }
}

void PrintUserGroups(Host& host, IOrvTabGrp& user) {
    const auto& order = *user.GetUserTabGrpOrder();
    host.Out() << "user tab groups (" << order.size() << "):\n";
    for (const std::uint32_t id : order) {
        const auto* group = static_cast<const CUserTabGrpItem*>(user.GetUserTabGrp(static_cast<std::int32_t>(id)));
        if (group != nullptr) PrintUserGroup(host, *group);
    }
}

// The user's group of id, or null after saying so.
// The user's group of that id (the number usergroups prints first), or null after telling the
// user which ids there are.
CUserTabGrpItem* UserGroup(Host& host, IOrvTabGrp& user, const std::string& text) {
    std::int32_t id = 0;
    auto* group = ParseId(text, id) ? static_cast<CUserTabGrpItem*>(user.GetUserTabGrp(id)) : nullptr;
    if (group != nullptr) return group;
    std::string ids;
    if (const auto* order = user.GetUserTabGrpOrder()) {
        for (const auto groupId : *order) ids += (ids.empty() ? "" : ", ") + std::to_string(groupId);
    }
    host.Error("no user tab group with the id '" + text + "'; the ids (usergroups prints them first): " +
               (ids.empty() ? "none" : ids));
    return nullptr;
}

}  // namespace

void RegisterTabGroupPart(Host& host) {
    auto state = std::make_shared<TabGroupState>();

    host.AddComponent(
        "tab groups",
        [state](Host& h) {
            state->fixed = CreateOrvTabGrp();
            if (state->fixed != nullptr) state->fixed->LoadTabGrp(kFixedFile);
            state->user = CreateUserTabGrp();
            if (state->user == nullptr) return;
            // The user's groups mark their screens in the menu, so the menu comes first.
            state->user->SetMenu(h.Menu());
            state->user->LoadTabGrp(kUserFile);
            h.Out() << "user tab groups: " << state->user->GetUserTabGrpOrder()->size() << " from "
                    << kUserFile << "\n";
        },
        [state](Host&) {
            DestroyUserTabGrp(state->user);  // writes the user's file back
            DestroyOrvTabGrp(state->fixed);
            state->user = state->fixed = nullptr;
        });

    host.AddStep("groups", "groups", "the terminal's fixed tab groups with their screens", [state](Host& h, const Host::Args& args) {
        if (state->fixed == nullptr || !args.empty()) return false;
        h.Out() << "fixed tab groups:\n";
        for (const std::int32_t id : kFixedGroupIds) {
            if (const COrvTabGrpItem* group = state->fixed->GetTabGrp(id)) PrintFixedGroup(h, *group);
            else h.Out() << "  " << id << ": none\n";
        }
        return true;
    });

    host.AddStep("usergroups", "usergroups", "the user's tab groups: id, [code], name, then the screens",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || !args.empty()) return false;
        PrintUserGroups(h, *state->user);
        return true;
    });

    host.AddStep("usergroup-add", "usergroup-add <code> <name>",
                 "the user makes a tab group with a code of its own (typed where a screen number goes) and a name",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || args.size() != 2) return false;
        const std::string code = orv::cp950::FromUtf8(args[0]);
        // Codes are typed where a screen number goes: one group per code.
        if (state->user->IsUserTabGrpCode(code)) {
            return h.Error("a user tab group with the code " + args[0] + " exists already");
        }
        state->user->AddUserTabGrp(code, orv::cp950::FromUtf8(args[1]));
        const std::int32_t id = state->user->FindUserTabGrp(code);
        h.Out() << "new user tab group " << id << "\n";
        if (const CUserTabGrpItem* group = UserGroup(h, *state->user, std::to_string(id))) PrintUserGroup(h, *group);
        return true;
    });

    host.AddStep("usergroup-addscreen", "usergroup-addscreen <id> <trcode>",
                 "adds a screen to the user's tab group of that id (the number usergroups prints first)",
                 [state](Host& h, const Host::Args& args) {
                     if (state->user == nullptr || args.size() != 2) return false;
                     const CUserTabGrpItem* group = UserGroup(h, *state->user, args[0]);
                     if (group == nullptr) return false;
                     if (h.Menu() == nullptr || h.Menu()->GetMenuByTRCode(args[1]) == nullptr) {
                         return h.Error("no screen has the TR code '" + args[1] + "' in the catalogue");
                     }
                     state->user->AddUserTabGrpItem(args[1], group->id);
                     PrintUserGroup(h, *group);
                     return true;
                 });

    host.AddStep("usergroup-remove", "usergroup-remove <id> <trcode>",
                 "removes a screen from the user's tab group of that id (the number usergroups prints first)",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || args.size() != 2) return false;
        const CUserTabGrpItem* group = UserGroup(h, *state->user, args[0]);
        if (group == nullptr) return false;
        const std::size_t before = group->trCodes.size();
        state->user->DeleteUserTabGrpItem(args[1], group->id);
        PrintUserGroup(h, *group);
        if (group->trCodes.size() == before) return h.Error("screen " + args[1] + " is not in the group: it stays as it was");
        return true;
    });

    host.AddStep("usergroup-swap", "usergroup-swap <id> <trcode> <trcode>",
                 "swaps two screens of the user's tab group of that id (the number usergroups prints first)",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || args.size() != 3) return false;
        const CUserTabGrpItem* group = UserGroup(h, *state->user, args[0]);
        if (group == nullptr) return false;
        const bool swapped = state->user->SwapUserTabGrpItem(args[1], args[2], group->id) == 0;
        PrintUserGroup(h, *group);
        if (!swapped) return h.Error("nothing to swap: both screens must be in the group");
        return true;
    });

    host.AddStep("usergroup-delete", "usergroup-delete <id>",
                 "deletes the user's tab group of that id (the number usergroups prints first)",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || args.size() != 1) return false;
        const CUserTabGrpItem* group = UserGroup(h, *state->user, args[0]);
        if (group == nullptr) return false;
        state->user->DeleteUserTabGrp(group->id);
        PrintUserGroups(h, *state->user);
        return true;
    });

    host.AddStep("usergroup-save", "usergroup-save", "writes the user's tab group file and prints it (or the failure)",
                 [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || !args.empty()) return false;
        return SaveAndReport(h, CEnvMgr::GetDataUserDir() + "/" + kUserFile, "File Save Error For Save TabGrp",
                             [state] { state->user->SaveUserTabGrp(); });
    });
}

}  // namespace orvhost
