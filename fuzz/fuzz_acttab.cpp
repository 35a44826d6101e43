// The action tab style reader, with and without a control to configure.
#include "FuzzSupport.h"
#include "testsupport/RecordingActTabBar.h"
#include "orvmenu/OrvExports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::fuzz::PutFile("ActTab.xml", data, size);
    CRecordingActTabBar bar;
    IOrvActTab* tab = CreateOrvActTab();
    tab->SetActTabBar(&bar);
    (void)tab->LoadActTab("ActTab.xml", 0);
    (void)tab->LoadActTab("ActTab.xml", 1);
    DestroyOrvActTab(tab);
    return 0;
}
