// orvhost grades A B: which screens grade set A sees that B does not, and the reverse, as TR
// codes and names: what an administrator asks before giving a customer a new entitlement.
// Each grade set gets its own main menu component, built as a host builds it; the screens are
// those whose entries stand in the menu the user would see.
#include <cstdio>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "Host.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/CodePage.h"

namespace orvhost {
namespace {

struct Screen {
    std::string trCode;
    std::string name;  // code page 950
};

// The screens of a built menu, in menu order: its command entries whose nodes have TR codes.
void CollectScreens(IOrvMenu& menu, HMENU handle, std::vector<Screen>& screens) {
    CMenu m(handle);
    for (int i = 0; i < m.GetMenuItemCount(); ++i) {
        switch (m.GetItemKind(i)) {
        case CMenu::ItemKind::Separator: break;
        case CMenu::ItemKind::Popup: CollectScreens(menu, m.GetSubMenu(i), screens); break;
        default:
            if (const OrvMenu* node = menu.GetMenuByID(m.GetMenuItemID(i)); node != nullptr && !node->trCode.empty()) {
                screens.push_back({node->trCode, node->name});
            }
            break;
        }
    }
    m.Detach();
}

// The screens a user of these grades sees; false when the catalogue could not be read.
bool ScreensFor(std::uint32_t grades, const std::string& menuFile, int derivatives, int show8000,
                std::vector<Screen>& screens) {
    CMenu bar;
    bar.CreateMenu();
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile(menuFile);
    menu->SetMainMenu(&bar);
    OrvUserInfo user;
    user.gradeMask = grades;
    menu->SetUserInfo(&user, derivatives);
    menu->SetShow8000(show8000);
    menu->LoadMenu();
    const bool loaded = menu->GetRootMenu() != nullptr;
    CollectScreens(*menu, bar.GetSafeHmenu(), screens);
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
    return loaded;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

void PrintOnlyIn(std::ostream& out, const std::vector<Screen>& these, const std::vector<Screen>& those,
                 const std::string& seenBy, const std::string& notBy) {
    std::set<std::string> other;
    for (const Screen& s : those) other.insert(s.trCode);
    std::vector<const Screen*> only;
    std::set<std::string> listed;
    for (const Screen& s : these) {
        if (other.count(s.trCode) == 0 && listed.insert(s.trCode).second) only.push_back(&s);
    }
    out << "Seen with " << seenBy << ", not with " << notBy << ": " << (only.empty() ? "none" : std::to_string(only.size())) << "\n";
    for (const Screen* s : only) out << "  (" << s->trCode << ") " << orv::cp950::ToUtf8(s->name) << "\n";
}

}  // namespace

int RunGrades(std::uint32_t a, std::uint32_t b, const std::string& menuFile, int derivatives, int show8000,
              std::ostream& out) {
    std::vector<Screen> screensA, screensB;
    if (!ScreensFor(a, menuFile, derivatives, show8000, screensA) ||
        !ScreensFor(b, menuFile, derivatives, show8000, screensB)) {
        return 1;  // the menu component has said why
    }
    out << "Grades " << Hex(a) << " and " << Hex(b) << " (derivatives " << (derivatives ? "shown" : "hidden")
        << ", screen 8000 " << (show8000 ? "shown" : "hidden") << "), catalogue " << menuFile << "\n";
    PrintOnlyIn(out, screensA, screensB, Hex(a), Hex(b));
    PrintOnlyIn(out, screensB, screensA, Hex(b), Hex(a));
    return 0;
}

}  // namespace orvhost
