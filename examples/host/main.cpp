// A host of the library in one file: it sets the terminal's folders, builds the main menu from
// the catalogue for one customer's grade, looks a screen up by its TR code, shows the user's
// toolbar and its screen-number box, loads the user's hot keys and dispatches a key, and adds a
// user tab group and saves it. It prints the terminal's names in UTF-8.
//
//   example_host DATA_DIR USER_DIR
//
// DATA_DIR holds the catalogue (OrvMenu.xml) and the default toolbar (OrvUIInit.xml), with the
// terminal's Form and Image folders beside it; USER_DIR the user's files (HotKey.xml,
// UserTabGrp.xml, ToolBar.xml), which the host writes back. Nothing is written into DATA_DIR.
// Exits 0 when every step did what it should.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "orvmenu/CodePage.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/Menu.h"
#include "orvmenu/MessageBox.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvTabGrp.h"
#include "orvmenu/OrvToolBar.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/ToolBarBox.h"
#include "orvmenu/Version.h"

namespace fs = std::filesystem;

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

// Every file under dir with its size and time, leaving out the folder skip: what a host must not
// change in its data folder.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(const fs::path& dir, const fs::path& skip) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    std::error_code error;
    const fs::path skipped = fs::weakly_canonical(skip, error);
    for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (fs::weakly_canonical(it->path(), ignored) == skipped) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(ignored)) {
            files[it->path().generic_string()] = {it->file_size(ignored), it->last_write_time(ignored)};
        }
    }
    return files;
}

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

    // The folders, set once by a call: every component reads them from here. The sample
    // terminal keeps its forms and pictures beside its data folder.
    const fs::path dataDir = argv[1];
    const fs::path userDir = argv[2];
    CEnvMgr::SetDataDir(dataDir.string());
    CEnvMgr::SetDataUserDir(userDir.string());
    CEnvMgr::SetFormDir((dataDir / ".." / "Form").string());
    CEnvMgr::SetImageDir((dataDir / ".." / "Image").string());
    const auto dataBefore = Snapshot(dataDir, userDir);
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
    OrvMenu* order = menu->GetMenuByTRCode("8000");
    Expect(order != nullptr && menu->IsMenuVisible(order), "screen 8000 found and visible for this grade");

    // The toolbar, in a toolbar window under the main window. Its file name is taken from the
    // data folder: the way from there to the user's folder puts it with the user's other files.
    CToolBar toolBarWnd;
    toolBarWnd.Create(mainWnd.GetHwnd());
    IOrvToolBar* toolBar = CreateOrvToolBar();
    toolBar->SetFileName((fs::relative(userDir, dataDir) / "ToolBar.xml").generic_string());
    toolBar->SetToolBarWnd(&toolBarWnd);
    toolBar->SetMenu(menu);
    toolBar->Load();
    Expect(toolBarWnd.GetCount() > 0, "toolbar with " + std::to_string(toolBarWnd.GetCount()) + " buttons");
    std::string captions;
    for (int i = 0; i < toolBarWnd.GetCount(); ++i) {
        unsigned id = 0, style = 0;
        int image = 0;
        toolBarWnd.GetButtonInfo(i, id, style, image);
        const OrvToolBar* item = toolBar->GetItem(id);
        if (item != nullptr && (style & CToolBar::kTbbsSeparator) == 0) captions += " [" + orv::cp950::ToUtf8(item->name) + "]";
    }
    std::cout << "toolbar:" << captions << "\n";
    // The paths the library returns use its own separators: the platform's form opens them.
    std::ifstream toolBarFile(orv::file::NativePath(toolBar->GetFilePath()));
    Expect(toolBarFile.good() && fs::exists(userDir / "ToolBar.xml"),
           "the user's toolbar was made in the user's folder from the default");
    // The screen-number box: the screen the host opened goes to the top of its list.
    CToolBarBox screenBox(toolBarWnd.GetBox(CToolBar::Box::Screen));
    if (order != nullptr) toolBar->AddRecentScreen(order);
    toolBar->FocusScreenInput();
    Expect(screenBox.GetHwnd() != nullptr && screenBox.GetCount() == 1,
           "screen-number box lists \"" + orv::cp950::ToUtf8(screenBox.GetEntry(0)) + "\"");
    toolBar->SaveFile();
    DestroyOrvToolBar(toolBar);  // before its window and the main menu
    toolBarWnd.DestroyWindow();

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
    Expect(Snapshot(dataDir, userDir) == dataBefore, "nothing was written into the data folder");
    std::cout << (failures == 0 ? "example host: all steps passed\n" : "example host: some steps failed\n");
    return failures == 0 ? 0 : 1;
}
