// The hot-key file reader and writer: whatever is read is written back and read again.
#include "FuzzSupport.h"
#include "orvmenu/OrvExports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static IOrvMenu* menu = orv::fuzz::SmallMenu({"1001", "8000", ""});
    orv::fuzz::PutFile("HotKey.xml", data, size);
    IOrvHotKey* keys = CreateOrvHotKey();
    keys->SetMenu(menu);
    keys->Load("HotKey.xml");
    (void)keys->HandleKey(112);
    DestroyOrvHotKey(keys);  // writes the file back
    IOrvHotKey* again = CreateOrvHotKey();
    again->SetMenu(menu);
    again->Load("HotKey.xml");
    DestroyOrvHotKey(again);
    return 0;
}
