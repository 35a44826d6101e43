// The screen settings reader, applied to a small catalogue.
#include <filesystem>

#include "FuzzSupport.h"
#include "orvmenu/OrvExports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        const std::string catalogue = "<M><NODE TRCODE=\"1001\"/><NODE TRCODE=\"8000\"/></M>";
        orv::fuzz::PutFile("OrvMenu.xml", reinterpret_cast<const std::uint8_t*>(catalogue.data()), catalogue.size());
        std::filesystem::create_directories(orv::fuzz::Folder() + "/UserDef");
        return true;
    }();
    (void)ready;
    orv::fuzz::PutFile("UserDef/Screen_Set.xml", data, size);
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("OrvMenu.xml");
    menu->LoadMenu();
    DestroyOrvMainMenu(menu);
    return 0;
}
