// The toolbar file reader, layout and writer: whatever is read is laid out, written back and
// read again. The first byte chooses the file: the user's own toolbar file, or the default
// definition that seeds a user who has none.
#include <filesystem>
#include <memory>

#include "FuzzSupport.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/HostWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static IOrvMenu* menu = orv::fuzz::SmallMenu({"1001", "8000", "9150", ""});
    static CHostWindow mainWnd("fuzz");
    static CToolBar* bar = [] {
        auto* made = new CToolBar;
        made->Create(mainWnd.GetHwnd());
        return made;
    }();
    if (size == 0) return 0;
    const bool seed = (data[0] & 1) != 0;
    const std::string user = orv::fuzz::Folder() + "/User";
    // A fresh user folder per input: copies kept of earlier unreadable files go with it.
    std::filesystem::remove_all(user);
    std::filesystem::create_directories(user);
    orv::fuzz::PutFile(seed ? "OrvUIInit.xml" : "User/ToolBar.xml", data + 1, size - 1);

    for (int pass = 0; pass < 2; ++pass) {
        IOrvToolBar* toolBar = CreateOrvToolBar();
        toolBar->SetFileName("User/ToolBar.xml");
        toolBar->SetToolBarWnd(bar);
        toolBar->SetMenu(menu);
        toolBar->SetUserInfoMode(2);
        toolBar->Load();
        if (OrvToolBar* root = toolBar->GetRoot()) {
            for (OrvToolBar* child : root->children) toolBar->SelectGroup(child);
            toolBar->SetupToolTips();
            toolBar->SaveFile();
        }
        DestroyOrvToolBar(toolBar);
    }
    return 0;
}
