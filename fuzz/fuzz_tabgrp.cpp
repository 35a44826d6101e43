// The fixed and the user tab group readers; the user file is written back and read again.
#include "FuzzSupport.h"
#include "orvmenu/OrvExports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static IOrvMenu* menu = orv::fuzz::SmallMenu({"1001", "8000"});
    orv::fuzz::PutFile("TabGroup.xml", data, size);
    IOrvTabGrp* fixed = CreateOrvTabGrp();
    fixed->LoadTabGrp("TabGroup.xml");
    for (std::int32_t id = -1; id < 5; ++id) (void)fixed->GetTabGrp(id);
    DestroyOrvTabGrp(fixed);

    orv::fuzz::PutFile("UserTabGrp.xml", data, size);
    IOrvTabGrp* user = CreateUserTabGrp();
    user->SetMenu(menu);
    user->LoadTabGrp("UserTabGrp.xml");
    user->AddUserTabGrp("G", "g");
    if (const auto* order = user->GetUserTabGrpOrder(); order != nullptr && !order->empty()) {
        const auto id = static_cast<std::int32_t>(order->front());
        user->AddUserTabGrpItem("1001", id);
        (void)user->SwapUserTabGrpItem("1001", "8000", id);
        user->DeleteUserTabGrpItem("1001", id);
    }
    DestroyUserTabGrp(user);  // writes the file back
    IOrvTabGrp* again = CreateUserTabGrp();
    again->SetMenu(menu);
    again->LoadTabGrp("UserTabGrp.xml");
    DestroyUserTabGrp(again);
    return 0;
}
