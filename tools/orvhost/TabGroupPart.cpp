// orvhost's tab groups: the terminal's fixed groups of screens and the groups the user makes.
//
// Steps:
//   groups                                  the fixed groups (the sample file's numbers)
//   usergroups                              the user's groups, in display order
//   usergroup-add <code> <name>             a new, empty group
//   usergroup-addscreen <id> <trcode>       a screen joins a group
//   usergroup-remove <id> <trcode>          a screen leaves a group
//   usergroup-swap <id> <trcode> <trcode>   two screens of a group change places
//   usergroup-delete <id>                   a group goes
//   usergroup-save                          writes the user's file and prints it (or says the
//                                           save failed and the old file stayed)
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
#include "services/CodePage.h"
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
CUserTabGrpItem* UserGroup(Host& host, IOrvTabGrp& user, std::int32_t id) {
    auto* group = static_cast<CUserTabGrpItem*>(user.GetUserTabGrp(id));
    if (group == nullptr) host.Out() << "no user tab group " << id << "\n";
    return group;
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

    host.AddStep("groups", "groups", [state](Host& h, const Host::Args& args) {
        if (state->fixed == nullptr || !args.empty()) return false;
        h.Out() << "fixed tab groups:\n";
        for (const std::int32_t id : kFixedGroupIds) {
            if (const COrvTabGrpItem* group = state->fixed->GetTabGrp(id)) PrintFixedGroup(h, *group);
            else h.Out() << "  " << id << ": none\n";
        }
        return true;
    });

    host.AddStep("usergroups", "usergroups", [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || !args.empty()) return false;
        PrintUserGroups(h, *state->user);
        return true;
    });

    host.AddStep("usergroup-add", "usergroup-add <code> <name>", [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || args.size() != 2) return false;
        const std::string code = orv::cp950::FromUtf8(args[0]);
        // Codes are typed where a screen number goes: one group per code.
        if (state->user->IsUserTabGrpCode(code)) {
            h.Out() << "a user tab group with the code " << args[0] << " exists already\n";
            return false;
        }
        state->user->AddUserTabGrp(code, orv::cp950::FromUtf8(args[1]));
        const std::int32_t id = state->user->FindUserTabGrp(code);
        h.Out() << "new user tab group " << id << "\n";
        if (const CUserTabGrpItem* group = UserGroup(h, *state->user, id)) PrintUserGroup(h, *group);
        return true;
    });

    host.AddStep("usergroup-addscreen", "usergroup-addscreen <id> <trcode>",
                 [state](Host& h, const Host::Args& args) {
                     std::int32_t id = 0;
                     if (state->user == nullptr || args.size() != 2 || !ParseId(args[0], id)) return false;
                     const CUserTabGrpItem* group = UserGroup(h, *state->user, id);
                     if (group == nullptr) return false;
                     if (h.Menu() == nullptr || h.Menu()->GetMenuByTRCode(args[1]) == nullptr) {
                         h.Out() << "no screen " << args[1] << " in the menu\n";
                         return false;
                     }
                     state->user->AddUserTabGrpItem(args[1], id);
                     PrintUserGroup(h, *group);
                     return true;
                 });

    host.AddStep("usergroup-remove", "usergroup-remove <id> <trcode>", [state](Host& h, const Host::Args& args) {
        std::int32_t id = 0;
        if (state->user == nullptr || args.size() != 2 || !ParseId(args[0], id)) return false;
        const CUserTabGrpItem* group = UserGroup(h, *state->user, id);
        if (group == nullptr) return false;
        const std::size_t before = group->trCodes.size();
        state->user->DeleteUserTabGrpItem(args[1], id);
        if (group->trCodes.size() == before) h.Out() << "screen " << args[1] << " stays\n";
        PrintUserGroup(h, *group);
        return group->trCodes.size() < before;
    });

    host.AddStep("usergroup-swap", "usergroup-swap <id> <trcode> <trcode>", [state](Host& h, const Host::Args& args) {
        std::int32_t id = 0;
        if (state->user == nullptr || args.size() != 3 || !ParseId(args[0], id)) return false;
        const CUserTabGrpItem* group = UserGroup(h, *state->user, id);
        if (group == nullptr) return false;
        const bool swapped = state->user->SwapUserTabGrpItem(args[1], args[2], id) == 0;
        if (!swapped) h.Out() << "nothing to swap\n";
        PrintUserGroup(h, *group);
        return swapped;
    });

    host.AddStep("usergroup-delete", "usergroup-delete <id>", [state](Host& h, const Host::Args& args) {
        std::int32_t id = 0;
        if (state->user == nullptr || args.size() != 1 || !ParseId(args[0], id)) return false;
        if (UserGroup(h, *state->user, id) == nullptr) return false;
        state->user->DeleteUserTabGrp(id);
        PrintUserGroups(h, *state->user);
        return true;
    });

    host.AddStep("usergroup-save", "usergroup-save", [state](Host& h, const Host::Args& args) {
        if (state->user == nullptr || !args.empty()) return false;
        return SaveAndReport(h, CEnvMgr::GetDataUserDir() + "/" + kUserFile, "File Save Error For Save TabGrp",
                             [state] { state->user->SaveUserTabGrp(); });
    });
}

}  // namespace orvhost
