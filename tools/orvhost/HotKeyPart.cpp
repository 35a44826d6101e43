// orvhost's hot keys: the user's hot-key file, and key presses turned into screens.
//
// Each step describes itself where it is registered below ("--step help" lists them).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "Host.h"
#include "SaveReport.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/Keyboard.h"
#include "testsupport/Keys.h"

#include <cctype>

namespace orvhost {
namespace {

constexpr const char* kHotKeyFile = "HotKey.xml";
constexpr std::int32_t kVkF1 = 112;
constexpr std::int32_t kVkF12 = 123;

// The host object: hot-key commands go to the main window.
class MainWindowHost final : public IOrvHotKeyHost {
public:
    explicit MainWindowHost(Host& host) : host_(host) {}
    HWND GetHotKeyWnd() override { return host_.MainWindow(); }

private:
    Host& host_;
};

struct HotKeyState {
    explicit HotKeyState(Host& host) : hostObject(host) {}
    MainWindowHost hostObject;
    IOrvHotKey* hotKey = nullptr;
};

std::string KeyName(std::int32_t keyCode) {
    std::string name = keyCode >= kVkF1 && keyCode <= kVkF12 ? "F" : "key ";
    name += std::to_string(keyCode >= kVkF1 && keyCode <= kVkF12 ? keyCode - kVkF1 + 1 : keyCode);
    return name;
}

std::string Combination(std::int32_t keyCode, bool ctrl, bool shift, bool alt) {
    return std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + (alt ? "Alt+" : "") +
           KeyName(keyCode);
}

bool IsWord(const std::string& text, const char* word) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == word;
}

// "113" or "F2".
bool ParseKey(const std::string& text, std::int32_t& keyCode) {
    const bool fKey = text.size() > 1 && (text[0] == 'F' || text[0] == 'f');
    const char* digits = text.c_str() + (fKey ? 1 : 0);
    char* end = nullptr;
    const long value = std::strtol(digits, &end, 10);
    if (end == digits || *end != '\0') return false;
    if (fKey) {
        if (value < 1 || value > 12) return false;
        keyCode = static_cast<std::int32_t>(kVkF1 + value - 1);
    } else {
        keyCode = static_cast<std::int32_t>(value);
    }
    return true;
}

void PrintHotKeys(Host& host, const COrvHotKeyTable& table) {
    std::ostream& out = host.Out();
    out << "hot keys (" << table.GetCount() << "), in the order a key press tries them:\n";
    for (const auto& entry : table) {
        const OrvHotKey& hotKey = *entry.record;
        const std::string keys = Combination(hotKey.keyCode, hotKey.modifier == kOrvHotKeyCtrl,
                                             hotKey.modifier == kOrvHotKeyShift, false);
        out << "  " << keys << std::string(keys.size() < 12 ? 12 - keys.size() : 1, ' ') << "("
            << hotKey.trCode << ") " << host.Show(hotKey.text);
        if (hotKey.menuNode != nullptr) out << "  [command " << hotKey.menuNode->id << "]";
        out << "\n";
    }
}

}  // namespace

void RegisterHotKeyPart(Host& host) {
    auto state = std::make_shared<HotKeyState>(host);

    host.AddComponent(
        "hot keys",
        [state](Host& h) {
            state->hotKey = CreateOrvHotKey();
            if (state->hotKey == nullptr) return;
            // The hot keys resolve their screens through the menu while they load.
            state->hotKey->SetMenu(h.Menu());
            state->hotKey->SetHost(&state->hostObject);
            state->hotKey->Load(kHotKeyFile);
            h.Out() << "hot keys: " << state->hotKey->GetHotKeyTable()->GetCount() << " from "
                    << kHotKeyFile << "\n";
        },
        [state](Host&) {
            DestroyOrvHotKey(state->hotKey);  // writes the hot-key file back
            state->hotKey = nullptr;
        });

    const char* keyUsage = "key <keycode|F1..F12> [ctrl] [shift] [alt]";
    host.AddStep("key", keyUsage,
                 "the user presses a key (a virtual-key code such as 112, or F1 to F12) with those modifiers held",
                 [state](Host& h, const Host::Args& args) {
        std::int32_t keyCode = 0;
        if (args.empty()) return false;
        if (state->hotKey == nullptr) return h.Error("the hot keys are not loaded");
        if (!ParseKey(args[0], keyCode)) {
            return h.Error("'" + args[0] + "' is not a key: a virtual-key code (decimal, e.g. 112) or F1 to F12");
        }
        bool ctrl = false, shift = false, alt = false;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (IsWord(args[i], "ctrl")) ctrl = true;
            else if (IsWord(args[i], "shift")) shift = true;
            else if (IsWord(args[i], "alt")) alt = true;
            else return h.Error("'" + args[i] + "' is not a modifier: ctrl, shift or alt");
        }
        // The keyboard as it stands while the key message is processed.
        orv::test::SetKeyDown(orv::ui::kVkControl, ctrl);
        orv::test::SetKeyDown(orv::ui::kVkShift, shift);
        orv::test::SetKeyDown(orv::ui::kVkMenu, alt);
        const std::int32_t fired = state->hotKey->HandleKey(keyCode);
        h.Out() << Combination(keyCode, ctrl, shift, alt) << " (" << keyCode << "): "
                << (fired ? "hot key" : "no hot key") << "\n";
        h.ReportCommands();
        for (const int vk : {orv::ui::kVkControl, orv::ui::kVkShift, orv::ui::kVkMenu}) {
            orv::test::SetKeyDown(vk, false);
        }
        return true;
    });

    host.AddStep("hotkeys", "hotkeys", "the user's hot keys, in the order a key press tries them",
                 [state](Host& h, const Host::Args& args) {
        if (!args.empty()) return false;
        if (state->hotKey == nullptr) return h.Error("the hot keys are not loaded");
        PrintHotKeys(h, *state->hotKey->GetHotKeyTable());
        return true;
    });

    host.AddStep("hotkeys-save", "hotkeys-save", "writes the user's hot-key file and prints it (or the failure)",
                 [state](Host& h, const Host::Args& args) {
        if (!args.empty()) return false;
        if (state->hotKey == nullptr) return h.Error("the hot keys are not loaded");
        const std::string path = CEnvMgr::GetDataUserDir() + "/" + kHotKeyFile;
        return SaveAndReport(h, path, "File Open Error For Save Hotkey", [&] { state->hotKey->Save(path); });
    });
}

}  // namespace orvhost
