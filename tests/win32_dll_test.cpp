// The shipped library as a host sees it: OrvMenu.dll loaded from beside the program, each
// export found by its name and by its ordinal, nothing at the ordinals between them.
#include "TestSupport.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"

#include <windows.h>
#undef LoadMenu  // the window system's macro would rename the menu component's method

#include <map>
#include <string>

namespace orv::test {
namespace {

class LoadedDll {
public:
    LoadedDll() {
        wchar_t path[MAX_PATH * 4] = {};
        const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
        std::wstring dll(path, n);
        dll.resize(dll.find_last_of(L"\\/") + 1);
        dll += L"OrvMenu.dll";
        module_ = ::LoadLibraryW(dll.c_str());
    }
    LoadedDll(const LoadedDll&) = delete;
    LoadedDll& operator=(const LoadedDll&) = delete;
    ~LoadedDll() {
        if (module_ != nullptr) ::FreeLibrary(module_);
    }
    HMODULE get() const { return module_; }

    FARPROC ByName(const char* name) const { return ::GetProcAddress(module_, name); }
    FARPROC ByOrdinal(int ordinal) const {
        return ::GetProcAddress(module_, MAKEINTRESOURCEA(ordinal));
    }

private:
    HMODULE module_ = nullptr;
};

TEST(Win32Dll, EveryExportIsFoundByNameAndOrdinalAndNothingElse) {
    // The library raises the host's priority when it loads.
    ::SetPriorityClass(::GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    const LoadedDll dll;
    ASSERT_NE(dll.get(), nullptr) << "OrvMenu.dll beside the test program, error " << ::GetLastError();
    EXPECT_EQ(::GetPriorityClass(::GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));

    std::map<int, std::string> table;
#define ORV_TABLE_ENTRY(name, ordinal) table[ordinal] = #name;
    ORVMENU_EXPORT_TABLE(ORV_TABLE_ENTRY)
#undef ORV_TABLE_ENTRY
    for (const auto& [ordinal, name] : table) {
        const FARPROC byName = dll.ByName(name.c_str());
        EXPECT_NE(byName, nullptr) << name;
        EXPECT_EQ(byName, dll.ByOrdinal(ordinal)) << name << " @" << ordinal;
    }
    // No function at any other ordinal of the range, nor under a decorated name.
    for (int ordinal = table.begin()->first; ordinal <= table.rbegin()->first; ++ordinal) {
        if (table.count(ordinal) == 0) {
            EXPECT_EQ(dll.ByOrdinal(ordinal), nullptr) << ordinal;
        }
    }
    EXPECT_EQ(dll.ByName("_CreateOrvMainMenu"), nullptr);
    EXPECT_EQ(dll.ByName("CreateOrvMainMenu@0"), nullptr);
}

TEST(Win32Dll, FactoryFromTheDllMakesAComponentItsDestroyFunctionFrees) {
    const LoadedDll dll;
    ASSERT_NE(dll.get(), nullptr);
    const auto create = reinterpret_cast<decltype(&CreateOrvMainMenu)>(
        reinterpret_cast<void*>(dll.ByOrdinal(1000)));
    const auto destroy = reinterpret_cast<decltype(&DestroyOrvMainMenu)>(
        reinterpret_cast<void*>(dll.ByName("DestroyOrvMainMenu")));
    ASSERT_NE(create, nullptr);
    ASSERT_NE(destroy, nullptr);
    // The library's own copy, not the one linked into this program.
    EXPECT_NE(reinterpret_cast<void*>(create), reinterpret_cast<void*>(&CreateOrvMainMenu));

    destroy(nullptr);
    IOrvMenu* menu = create();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetRootMenu(), nullptr);
    EXPECT_EQ(menu->GetMenuByID(7800), nullptr);
    EXPECT_EQ(menu->IsSpecialGrade(), 0);
    destroy(menu);
}

// The program and the DLL share one services library and one toolkit: the folders and the
// message-box hook this program set (OrvTest) are what the DLL's own menu component reads.
class Win32DllShared : public OrvTest {};

TEST_F(Win32DllShared, FoldersAndMessageBoxHookSetByTheProgramReachTheDll) {
    const LoadedDll dll;
    ASSERT_NE(dll.get(), nullptr);
    const auto create = reinterpret_cast<decltype(&CreateOrvMainMenu)>(
        reinterpret_cast<void*>(dll.ByName("CreateOrvMainMenu")));
    const auto destroy = reinterpret_cast<decltype(&DestroyOrvMainMenu)>(
        reinterpret_cast<void*>(dll.ByName("DestroyOrvMainMenu")));
    ASSERT_NE(create, nullptr);
    ASSERT_NE(destroy, nullptr);
    WriteFile(DataPath("OrvMenu.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<MENU><NODE TRCODE=\"1001\" DISP=\"Y\" "
              "GRADE=\"3fffffff\">Q</NODE></MENU>\r\n");
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    OrvUserInfo user;
    user.gradeMask = 0x3fffffff;
    for (const char* file : {"OrvMenu.xml", "Missing.xml"}) {
        IOrvMenu* menu = create();
        ASSERT_NE(menu, nullptr);
        menu->SetMenuFile(file);
        menu->SetMainMenu(&bar);
        menu->SetUserInfo(&user, 1);
        menu->LoadMenu();
        if (std::string(file) == "OrvMenu.xml") {
            EXPECT_NE(menu->GetMenuByTRCode("1001"), nullptr) << "the catalogue in the program's data folder";
            EXPECT_TRUE(messageBoxes.empty());
        }
        destroy(menu);
    }
    // The missing file was reported through this program's hook, naming the program's folder.
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].rfind(dataDir, 0), 0u) << messageBoxes[0];
    bar.DestroyMenu();
}

}  // namespace
}  // namespace orv::test
