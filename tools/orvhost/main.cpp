// orvhost: runs the library's components on terminal data, as the terminal's main program does.
//
//   orvhost [--data DIR] [--user-dir DIR] [--form-dir DIR] [--menu FILE] [--grade HEX]
//           [--derivatives 0|1] [--show8000 0|1] [--step "STEP ARGS"]... [--script FILE]
//           [--lookup CODE]... [--quiet-menu] [--window [--screenshot PNG] [--open-menu N]]
//   orvhost check [DIR]
//   orvhost grades A B [--data DIR] [--menu FILE] [--derivatives 0|1] [--show8000 0|1]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Host.h"
#include "HostServices.h"
#include "RunFolders.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/CodePage.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/MessageBox.h"
#include "testsupport/RecordingWindow.h"
#include "testsupport/check/Checker.h"
#ifdef _WIN32
#include "Win32Window.h"

#endif

namespace fs = std::filesystem;

namespace orvhost {
namespace {

struct Options {
    std::string dataDir = ORV_EXAMPLES_DIR "/Data";
    std::string userDir;  // default: a fresh temporary folder, seeded from the samples
    std::string formDir = ORV_EXAMPLES_DIR "/Form";
    std::string menuFile = "OrvMenu.xml";
    std::uint32_t grade = 0x00100401;  // a retail investor: basic account, stocks, internet
    int derivatives = 0;
    int show8000 = 1;
    bool printMenu = true;
    bool window = false;
    std::string screenshot;
    int openMenu = 0;  // with --window: which top-level menu to open first
    std::vector<std::string> steps;
    std::vector<std::string> lookups = {"8000", "1001", "2005", "1301", "9903", "7777"};
    bool lookupsGiven = false;
};

void SetEnv(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

class OrvHost final : public Host {
public:
    explicit OrvHost(const Options& options) : options_(options), mainWnd_("orvhost") {}

    IOrvMenu* Menu() override { return menu_; }
    HWND MainWindow() override { return mainWnd_.GetHwnd(); }
    std::ostream& Out() override { return std::cout; }
    std::string Show(std::string_view text) override { return orv::cp950::ToUtf8(text); }

    void ReportCommands() override {
        for (const auto& m : mainWnd_.Messages()) {
            if (m.message == orv::kWmCommand) {
                const auto id = static_cast<std::uint32_t>(m.wParam & 0xffff);
                const OrvMenu* node = menu_->GetMenuByID(id);
                std::cout << "-> opens screen " << (node ? "(" + node->trCode + ") " + Show(node->name) : "?")
                          << "  [WM_COMMAND " << id << "]\n";
            } else if (m.message == orv::kWmUserCode) {
                std::cout << "-> user code " << m.text << "\n";
            }
        }
        mainWnd_.ClearMessages();
    }

    void AddComponent(std::string name, std::function<void(Host&)> load, std::function<void(Host&)> unload) override {
        components_.push_back({std::move(name), std::move(load), std::move(unload)});
    }

    void SetToolBar(CToolBar* window, std::function<std::string(unsigned)> describe) override {
        toolBar_ = window;
        describeToolBar_ = std::move(describe);
    }
    CToolBar* ToolBarWindow() override { return toolBar_; }
    std::string DescribeToolBarCommand(unsigned id) override {
        return describeToolBar_ ? describeToolBar_(id) : std::string();
    }

    void AddStep(std::string name, std::string usage, std::string description, Step step) override {
        steps_[name] = {std::move(usage), std::move(description), std::move(step)};
    }

    bool Error(const std::string& what) override {
        std::cout << "  error: " << what << "\n";
        errorShown_ = true;
        return false;
    }

    // The steps and what each does, and nothing else: no component is loaded.
    void PrintSteps() {
        RegisterAll();
        std::cout << "Steps (--step \"STEP ARGS\", or one a line with --script FILE):\n";
        for (const auto& [name, entry] : steps_) {
            std::cout << "  " << entry.usage << "\n      " << entry.description << "\n";
        }
        std::cout << "A step that cannot do what it was asked says why; orvhost then exits with 1.\n";
    }

    int Run() {
        orv::ui::SetMessageBoxHook([](const std::string& text, unsigned) {
            std::cout << "[message box] " << orv::cp950::ToUtf8(text) << " [OK]\n";
            return orv::ui::kIdOk;
        });
        RegisterAll();

        LoadMainMenu();
        if (options_.printMenu && !options_.window) PrintMenu();
        // The user code manager and the market data reach the library on the main window.
        services_.Load(CEnvMgr::GetDataUserDir() + "/UserTabGrp.xml", CEnvMgr::GetDataDir() + "/Accounts.txt", std::cout);
        mainWnd_.Window().SetProp(kOrvHostServicesProp, static_cast<IOrvHostServices*>(&services_));
        std::cout << "== Components ==\n";
        for (auto& c : components_) c.load(*this);
        int failures = 0;
        if (!options_.window && (options_.steps.empty() || options_.lookupsGiven)) PrintLookups();
        // A first run shows the toolbar as the user sees it, under the menu.
        if (!options_.window && options_.steps.empty()) {
            std::cout << "== Toolbar ==\n";
            RunStep("toolbar", false);
        }
        for (const auto& line : options_.steps) failures += RunStep(line) ? 0 : 1;
#ifdef _WIN32
        if (options_.window) failures += RunWin32Window(*this, bar_, options_.screenshot, options_.openMenu);
#endif
        for (auto it = components_.rbegin(); it != components_.rend(); ++it) it->unload(*this);
        mainWnd_.Window().RemoveProp(kOrvHostServicesProp);
        DestroyOrvMainMenu(menu_);
        bar_.DestroyMenu();
        orv::ui::SetMessageBoxHook(nullptr);
        return failures == 0 ? 0 : 1;
    }

private:
    struct Component {
        std::string name;
        std::function<void(Host&)> load, unload;
    };
    struct StepEntry {
        std::string usage;
        std::string description;
        Step step;
    };

    void RegisterAll() {
        if (!steps_.empty()) return;
        RegisterBuiltInSteps();
        RegisterToolBarPart(*this);
        RegisterHotKeyPart(*this);
        RegisterTabGroupPart(*this);
        RegisterActTabPart(*this);
    }

    void LoadMainMenu() {
        // The host's menu bar comes with entries of its own; the catalogue goes in front of them.
        bar_.CreateMenu();
        CMenu window, help;
        window.CreatePopupMenu();
        window.AppendMenu(orv::menuflag::kString, 100, orv::cp950::FromUtf8("重排視窗"));
        window.AppendMenu(orv::menuflag::kString, 101, orv::cp950::FromUtf8("關閉全部視窗"));
        help.CreatePopupMenu();
        help.AppendMenu(orv::menuflag::kString, 110, orv::cp950::FromUtf8("關於"));
        bar_.AppendMenu(orv::menuflag::kPopup, reinterpret_cast<std::uintptr_t>(window.Detach()),
                        orv::cp950::FromUtf8("視窗"));
        bar_.AppendMenu(orv::menuflag::kPopup, reinterpret_cast<std::uintptr_t>(help.Detach()),
                        orv::cp950::FromUtf8("說明"));

        menu_ = CreateOrvMainMenu();
        menu_->SetMenuFile(options_.menuFile);
        menu_->SetMainMenu(&bar_);
        OrvUserInfo user;
        user.gradeMask = options_.grade;
        menu_->SetUserInfo(&user, options_.derivatives);
        menu_->SetShow8000(options_.show8000);
        menu_->LoadMenu();
    }

    void PrintMenuLevel(HMENU handle, int level) {
        CMenu m(handle);
        const std::string indent(static_cast<std::size_t>(level) * 2, ' ');
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            switch (m.GetItemKind(i)) {
            case CMenu::ItemKind::Separator: std::cout << indent << "────────\n"; break;
            case CMenu::ItemKind::Popup:
                std::cout << indent << Show(m.GetMenuString(i)) << " ▸\n";
                PrintMenuLevel(m.GetSubMenu(i), level + 1);
                break;
            default:
                std::cout << indent << Show(m.GetMenuString(i)) << "  [" << m.GetMenuItemID(i) << "]\n";
                break;
            }
        }
        m.Detach();
    }

    void PrintMenu() {
        const OrvMenu* root = menu_->GetRootMenu();
        std::printf("== %s: the menu for grade %08X, derivatives %s, screen 8000 %s ==\n",
                    root ? Show(root->name).c_str() : "(no catalogue)", options_.grade,
                    options_.derivatives ? "shown" : "hidden", options_.show8000 ? "shown" : "hidden");
        std::fflush(stdout);
        PrintMenuLevel(bar_.GetSafeHmenu(), 0);
    }

    void PrintNode(const OrvMenu* node) {
        std::cout << "(" << node->trCode << ") " << Show(node->name) << "  id " << node->id
                  << ", opened " << node->openCount << " times"
                  << (menu_->IsMenuVisible(node) ? "" : ", not in this user's menu")
                  << (node->disp ? "" : ", not displayed") << "\n";
    }

    void PrintLookups() {
        std::cout << "== Lookups ==\n";
        for (const auto& code : options_.lookups) {
            const OrvMenu* node = menu_->GetMenuByTRCode(code);
            std::cout << "TR code " << code << ": ";
            if (node == nullptr) {
                std::cout << "no such screen\n";
                continue;
            }
            PrintNode(node);
            const OrvMenu* byId = menu_->GetMenuByID(node->id);
            std::cout << "  command " << node->id << " -> "
                      << (byId ? "(" + byId->trCode + ") " + Show(byId->name) : std::string("nothing: the user cannot open it"))
                      << "\n";
        }
    }

    void RegisterBuiltInSteps() {
        AddStep("lookup", "lookup <trcode>", "the main menu's node for a TR code (e.g. 8000): name, command, times opened, whether this user sees it",
                [this](Host&, const Args& a) {
                    if (a.size() != 1) return false;
                    const OrvMenu* node = menu_->GetMenuByTRCode(a[0]);
                    if (node == nullptr) return Error("no screen has the TR code '" + a[0] + "' in the catalogue");
                    PrintNode(node);
                    return true;
                });
        AddStep("command", "command <id>",
                "the user picks the menu entry of that command identifier (the [number] the menu prints)",
                [this](Host&, const Args& a) {
                    if (a.size() != 1) return false;
                    char* end = nullptr;
                    const unsigned long id = std::strtoul(a[0].c_str(), &end, 10);
                    if (a[0].empty() || *end != '\0' || id > 0xffffffffUL) {
                        return Error("'" + a[0] + "' is not a command identifier (a decimal number, as the menu prints it)");
                    }
                    const OrvMenu* node = menu_->GetMenuByID(static_cast<std::uint32_t>(id));
                    if (node == nullptr) return Error("no menu entry of this user has the command " + a[0]);
                    std::cout << "command " << a[0] << " -> opens screen (" << node->trCode << ") " << Show(node->name) << "\n";
                    return true;
                });
        AddStep("menu", "menu", "prints the host's menu as this user sees it", [this](Host&, const Args& a) {
            if (!a.empty()) return false;
            PrintMenu();
            return true;
        });
        AddStep("help", "help", "lists the steps (alone, as --step help, nothing else is printed)",
                [this](Host&, const Args&) {
                    for (const auto& [name, entry] : steps_) {
                        std::cout << "  " << entry.usage << "\n      " << entry.description << "\n";
                    }
                    return true;
                });
    }

    bool RunStep(const std::string& line, bool echo = true) {
        const auto words = SplitWords(line);
        if (words.empty() || words[0][0] == '#') return true;
        if (echo) std::cout << "> " << line << "\n";
        const auto it = steps_.find(words[0]);
        if (it == steps_.end()) {
            std::cout << "unknown step '" << words[0] << "' (try: help)\n";
            return false;
        }
        errorShown_ = false;
        const bool ok = it->second.step(*this, Args(words.begin() + 1, words.end()));
        // A step that said what was wrong needs no usage line; one that did not got the wrong
        // number of arguments.
        if (!ok && !errorShown_) std::cout << "  usage: " << it->second.usage << "\n";
        return ok;
    }

    Options options_;
    orv::test::RecordingWindow mainWnd_;
    SampleHostServices services_;
    CMenu bar_;
    IOrvMenu* menu_ = nullptr;
    std::vector<Component> components_;
    std::map<std::string, StepEntry> steps_;
    CToolBar* toolBar_ = nullptr;
    std::function<std::string(unsigned)> describeToolBar_;
    bool errorShown_ = false;  // the running step called Error
};

void Usage() {
    std::cout << "usage: orvhost [--data DIR] [--user-dir DIR] [--form-dir DIR] [--menu FILE]\n"
                 "               [--grade HEX] [--derivatives 0|1] [--show8000 0|1]\n"
                 "               [--step \"STEP ARGS\"]... [--script FILE] [--lookup CODE]...\n"
                 "               [--quiet-menu] [--window [--screenshot PNG] [--open-menu N]]\n"
                 "       orvhost check [DIR]\n"
                 "       orvhost grades A B [--data DIR] [--menu FILE] [--derivatives 0|1] [--show8000 0|1]\n"
                 "Without options: the sample terminal data, a retail investor's grades (00100401).\n"
                 "Steps: --step help lists them. User files go to --user-dir, else a fresh temporary folder.\n"
                 "Exit status: 0 when every step did what it was asked; 1 when one could not (its error\n"
                 "       says why), a user file could not be written back, or check found an error;\n"
                 "       2 for a wrong option or argument on the command line.\n"
                 "check: every file of a terminal's data folder (default: the samples), problems as\n"
                 "       file:line:column: error|warning: message; the exit status is 1 on any error.\n"
                 "grades: the screens grade set A (hexadecimal) sees that B does not, and the reverse.\n";
}

// A grade mask: 1 to 8 hexadecimal digits and nothing else.
bool ParseGrade(const std::string& text, std::uint32_t& grade) {
    if (text.empty() || text.size() > 8) return false;
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0) return false;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    grade = value;
    return true;
}

int ParseSwitch(const std::string& option, const std::string& text) {
    if (text != "0" && text != "1") throw std::runtime_error(option + " " + text + ": 0 (off) or 1 (on)");
    return text == "1";
}

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(a + " needs a value");
            return argv[++i];
        };
        if (a == "--data") o.dataDir = value();
        else if (a == "--user-dir") o.userDir = value();
        else if (a == "--form-dir") o.formDir = value();
        else if (a == "--menu") o.menuFile = value();
        else if (a == "--grade") {
            if (!ParseGrade(value(), o.grade)) {
                throw std::runtime_error("--grade " + std::string(argv[i]) +
                                         ": a grade mask is 1 to 8 hexadecimal digits, 0 to FFFFFFFF (e.g. 00100401)");
            }
        } else if (a == "--derivatives") o.derivatives = ParseSwitch(a, value());
        else if (a == "--show8000") o.show8000 = ParseSwitch(a, value());
        else if (a == "--step") o.steps.push_back(value());
        else if (a == "--quiet-menu") o.printMenu = false;
        else if (a == "--window") o.window = true;
        else if (a == "--screenshot") o.screenshot = value();
        else if (a == "--open-menu") {
            const std::string text = value();
            char* end = nullptr;
            const long n = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || n < 0 || n > 99) {
                throw std::runtime_error("--open-menu " + text + ": the index of a top-level menu, counted from 0");
            }
            o.openMenu = static_cast<int>(n);
        }
        else if (a == "--lookup") {
            if (!o.lookupsGiven) o.lookups.clear();
            o.lookupsGiven = true;
            o.lookups.push_back(value());
        } else if (a == "--script") {
            std::ifstream in(value());
            if (!in) throw std::runtime_error("cannot read the script " + std::string(argv[i]));
            for (std::string line; std::getline(in, line);) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                o.steps.push_back(line);
            }
        } else if (a == "--help" || a == "-h") {
            Usage();
            return false;
        } else {
            throw std::runtime_error("unknown option " + a);
        }
    }
    return true;
}

// orvhost works on a copy of the terminal's data folder in a fresh temporary folder, laid out
// as a terminal lays it out: the user's files in its "User" folder, where the toolbar's file
// ("User/ToolBar.xml", named from the data folder) lives too. So nothing orvhost writes lands in
// the samples, the checkout or the current folder. The user folder starts as a copy of the one
// given with --user-dir (else of the samples' "User" folder); with --user-dir, what the session
// left there is copied back at exit.
struct WorkDirs {
    fs::path root;  // removed at exit
    fs::path data;
    fs::path user;
    fs::path keep;  // the folder the user's files go back to, or empty
};

WorkDirs PrepareWorkDirs(const Options& o) {
    WorkDirs dirs;
    RemoveStaleRunFolders();
    dirs.root = FreshRunFolder();
    dirs.data = dirs.root / "Data";
    dirs.user = dirs.data / "User";
    const auto copy = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    if (fs::is_directory(o.dataDir)) fs::copy(o.dataDir, dirs.data, copy);
    fs::create_directories(dirs.data);
    const fs::path user = o.userDir.empty() ? fs::path(o.dataDir) / "User" : fs::path(o.userDir);
    fs::remove_all(dirs.user);
    fs::create_directories(dirs.user);
    if (!o.userDir.empty()) {
        fs::create_directories(user);
        dirs.keep = user;
    }
    if (fs::is_directory(user)) fs::copy(user, dirs.user, copy);
    std::cout << "user files: " << user.generic_string()
              << (dirs.keep.empty() ? " (a copy in " + dirs.user.generic_string() + ", removed at exit; --user-dir DIR keeps them)"
                                    : " (through " + dirs.user.generic_string() + ")")
              << "\n";
    return dirs;
}

// The user's files go back to --user-dir each by an atomic save, so a run that fails half-way
// leaves every file whole. When one could not go back, the run's copies stay where they are.
bool FinishWorkDirs(const WorkDirs& dirs) {
    std::error_code ignored;
    if (!dirs.keep.empty() && !WriteBack(dirs.user, dirs.keep, std::cerr)) {
        std::cerr << "orvhost: the run's copies stay in " << dirs.user.generic_string() << "\n";
        return false;
    }
    if (!dirs.root.empty()) fs::remove_all(dirs.root, ignored);
    return true;
}

// orvhost grades A B [options]
int Grades(int argc, char** argv) {
    Options options;
    std::uint32_t a = 0, b = 0;
    try {
        if (argc < 4 || !ParseGrade(argv[2], a) || !ParseGrade(argv[3], b)) {
            throw std::runtime_error("grades needs two grade masks, each 1 to 8 hexadecimal digits (0 to FFFFFFFF)");
        }
        if (!ParseOptions(argc - 3, argv + 3, options)) return 0;
    } catch (const std::exception& e) {
        std::cerr << "orvhost: " << e.what() << "\n";
        Usage();
        return 2;
    }
    SetEnv("ORV_DATA_DIR", options.dataDir);
    SetEnv("ORV_FORM_DIR", options.formDir);
    orv::ui::SetMessageBoxHook([](const std::string& text, unsigned) {
        std::cout << "[message box] " << orv::cp950::ToUtf8(text) << " [OK]\n";
        return orv::ui::kIdOk;
    });
    const int result = RunGrades(a, b, options.menuFile, options.derivatives, options.show8000, std::cout);
    orv::ui::SetMessageBoxHook(nullptr);
    return result;
}

}  // namespace
}  // namespace orvhost

int main(int argc, char** argv) {
    using namespace orvhost;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "check") {
        for (int i = 2; i < argc; ++i) {
            if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
                std::cout << orv::check::kUsage;
                return 0;
            }
        }
        orv::check::Options check;
        std::string wrong;
        if (!orv::check::ParseArguments(std::vector<std::string>(argv + 2, argv + argc), check, wrong)) {
            std::cerr << "orvhost check: " << wrong << "\n" << orv::check::kUsage;
            return 2;
        }
        if (check.dir.empty()) check.dir = ORV_EXAMPLES_DIR "/Data";
        return orv::check::CheckDataFolder(check, std::cout);
    }
    if (command == "grades") return Grades(argc, argv);
    Options options;
    WorkDirs work;
    try {
        if (!ParseOptions(argc, argv, options)) return 0;
        if (options.steps.size() == 1 && SplitWords(options.steps[0]) == std::vector<std::string>{"help"}) {
            OrvHost(options).PrintSteps();
            return 0;
        }
        // The library finds the terminal's folders the way it does in any host that sets no
        // directories itself: through the environment.
        work = PrepareWorkDirs(options);
        SetEnv("ORV_DATA_DIR", work.data.generic_string());
        SetEnv("ORV_DATA_USER_DIR", work.user.generic_string());
        SetEnv("ORV_FORM_DIR", options.formDir);
        SetEnv("ORV_IMAGE_DIR", ORV_EXAMPLES_DIR "/Image");
    } catch (const std::exception& e) {
        std::cerr << "orvhost: " << e.what() << "\n";
        Usage();
        return 2;
    }
    int result = 0;
    {
        OrvHost host(options);
        result = host.Run();
    }
    if (!FinishWorkDirs(work) && result == 0) result = 1;
    return result;
}
