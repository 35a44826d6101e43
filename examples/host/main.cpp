// A host of the library in one file: it sets the terminal's folders, builds the main menu from
// the catalogue for one customer's grade, looks a screen up by its TR code, loads the user's hot
// keys and dispatches a key, and adds a user tab group and saves it.
//
//   example_host DATA_DIR USER_DIR
//
// DATA_DIR holds the catalogue (OrvMenu.xml); USER_DIR the user's files (HotKey.xml,
// UserTabGrp.xml), which the host writes back. Exits 0 when every step did what it should.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "orvmenu/EnvMgr.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/Menu.h"
#include "orvmenu/MessageBox.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvTabGrp.h"
#include "orvmenu/Version.h"

namespace {

int failures = 0;

void Expect(bool ok, const std::string& what) {
    std::cout << (ok ? "ok: " : "FAILED: ") << what << "\n";
    if (!ok) ++failures;
}

// Hot-key commands go to the host's main window.
class HotKeyHost final : public IOrvHotKeyHost {
public:
    explicit HotKeyHost(HWND wnd) : wnd_(wnd) {}
    HWND GetHotKeyWnd() override { return wnd_; }

private:
    HWND wnd_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: example_host DATA_DIR USER_DIR\n";
        return 2;
    }
    std::cout << "OrvMenu " << ORVMENU_VERSION_STRING << "\n";

    // The folders, set once by a call: every component reads them from here.
    CEnvMgr::SetDataDir(argv[1]);
    CEnvMgr::SetDataUserDir(argv[2]);
    // A host without a screen answers the library's message boxes itself.
    orv::ui::SetMessageBoxHook([](const std::string& text, unsigned) {
        std::cout << "message box: " << text << "\n";
        ++failures;
        return orv::ui::kIdOk;
    });

    // The main window: the library opens a screen by sending it the screen's command.
    CHostWindow mainWnd("example host");
    std::vector<std::uint32_t> commands;
    mainWnd.SetHandler([&commands](unsigned message, WPARAM wParam, LPARAM) -> LRESULT {
        if (message == orv::kWmCommand) commands.push_back(static_cast<std::uint32_t>(wParam & 0xffff));
        return 0;
    });
    CMenu bar;
    bar.CreateMenu();

    // The main menu: the catalogue as a retail investor sees it (basic account, stocks, internet).
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("OrvMenu.xml");
    menu->SetMainMenu(&bar);
    OrvUserInfo user;
    user.gradeMask = 0x00100401;
    menu->SetUserInfo(&user, 0);
    menu->SetShow8000(1);
    menu->LoadMenu();
    Expect(bar.GetMenuItemCount() > 0, "menu bar with " + std::to_string(bar.GetMenuItemCount()) + " menus");

    // A TR code typed by the user: the screen and the command that opens it.
    const OrvMenu* order = menu->GetMenuByTRCode("8000");
    Expect(order != nullptr && menu->IsMenuVisible(order), "screen 8000 found and visible for this grade");

    // Hot keys: F1 opens screen 1001 by sending its command to the main window.
    IOrvHotKey* hotKey = CreateOrvHotKey();
    HotKeyHost hotKeyHost(mainWnd.GetHwnd());
    hotKey->SetMenu(menu);
    hotKey->SetHost(&hotKeyHost);
    hotKey->Load("HotKey.xml");
    const std::int32_t fired = hotKey->HandleKey(112);
    const OrvMenu* quote = menu->GetMenuByTRCode("1001");
    bool commandSent = false;
    for (const std::uint32_t id : commands) commandSent = commandSent || (quote != nullptr && id == quote->id);
    Expect(fired != 0 && commandSent, "F1 sent the command of screen 1001");
    DestroyOrvHotKey(hotKey);

    // A user tab group: added, given a screen and saved to the user's folder.
    IOrvTabGrp* groups = CreateUserTabGrp();
    groups->SetMenu(menu);
    groups->LoadTabGrp("UserTabGrp.xml");
    groups->AddUserTabGrp("G09", "Example");
    const std::int32_t id = groups->FindUserTabGrp("G09");
    groups->AddUserTabGrpItem("8000", id);
    groups->SaveUserTabGrp();
    DestroyUserTabGrp(groups);
    const std::string saved = ReadFile(CEnvMgr::GetDataUserDir() + "/UserTabGrp.xml");
    Expect(id != 0 && saved.find("G09") != std::string::npos, "user tab group G09 saved");

    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
    orv::ui::SetMessageBoxHook(nullptr);
    std::cout << (failures == 0 ? "example host: all steps passed\n" : "example host: some steps failed\n");
    return failures == 0 ? 0 : 1;
}
