// What every fuzz target shares: a private folder set as the terminal's directories, and
// message boxes answered without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "orvmenu/OrvExports.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/MessageBox.h"

namespace orv::fuzz {

inline const std::string& Folder() {
    static const std::string folder = [] {
        char name[] = "/tmp/orvfuzz-XXXXXX";
        const char* made = mkdtemp(name);
        if (made == nullptr) std::abort();
        const std::string dir = made;
        CEnvMgr::SetDataDir(dir);
        CEnvMgr::SetDataUserDir(dir);
        CEnvMgr::SetFormDir(dir);
        CEnvMgr::SetImageDir(dir);
        orv::ui::SetMessageBoxHook([](const std::string&, unsigned) { return orv::ui::kIdOk; });
        return dir;
    }();
    return folder;
}

// Writes the input as the file a component is about to read. Copies kept of earlier unreadable
// inputs are removed, so every input meets the same folder.
inline void PutFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        if (entry.path().filename().string().rfind(name + ".unreadable", 0) == 0) {
            std::filesystem::remove(entry.path());
        }
    }
    std::ofstream out(Folder() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A main menu loaded from a small catalogue of these TR codes, for the readers that resolve
// screens through it; made once and kept for the process.
inline IOrvMenu* SmallMenu(std::initializer_list<const char*> codes) {
    std::string catalogue = "<M>";
    for (const char* code : codes) catalogue += std::string("<NODE TRCODE=\"") + code + "\"/>";
    catalogue += "</M>";
    PutFile("OrvMenu.xml", reinterpret_cast<const std::uint8_t*>(catalogue.data()), catalogue.size());
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("OrvMenu.xml");
    menu->LoadMenu();
    return menu;
}

}  // namespace orv::fuzz
