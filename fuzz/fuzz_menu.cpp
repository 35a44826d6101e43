// The main menu's definition reader, its filter and menu building, then both lookups.
#include "FuzzSupport.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::fuzz::PutFile("OrvMenu.xml", data, size);
    CMenu bar;
    bar.CreateMenu();
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("OrvMenu.xml");
    menu->SetMainMenu(&bar);
    OrvUserInfo user{size % 2 ? 0x00100401u : 0x40000000u, 0, 0, 0};
    menu->SetUserInfo(&user, static_cast<std::int32_t>(size % 3 == 0));
    menu->SetShow8000(1);
    menu->LoadMenu();
    for (std::uint32_t id = 7800; id < 7900; ++id) (void)menu->GetMenuByID(id);
    (void)menu->GetMenuByTRCode("8000");
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
    return 0;
}
