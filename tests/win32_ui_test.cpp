// What only the Win32 back end can show: the system's own view of the menus, windows and files
// the toolkit and the services made from terminal text.
#include "TestSupport.h"
#include "orvmenu/Menu.h"
#include "services/File.h"
#include "orvmenu/HostWindow.h"
#include "ui/Window.h"
#include "testsupport/RecordingWindow.h"

#include <windows.h>
// The toolkit's names, not the system's A/W macros.
#undef AppendMenu
#undef InsertMenu
#undef SendMessage
#undef GetProp
#undef SetProp
#undef RemoveProp

#include <string>

namespace orv::test {
namespace {

std::wstring SystemMenuString(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    const int n = ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return std::wstring(text, n > 0 ? static_cast<std::size_t>(n) : 0u);
}

TEST(Win32Ui, MenuLabelsAreUnicodeToTheSystem) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(orv::menuflag::kString, 7800, Big5("(1001)個股報價"));
    popup.AppendMenu(orv::menuflag::kSeparator);
    bar.InsertMenu(0, orv::menuflag::kByPosition | orv::menuflag::kPopup,
                   reinterpret_cast<std::uintptr_t>(popup.Detach()), Big5("報價"));

    // Whatever the system's own code page, the system holds the characters themselves.
    EXPECT_EQ(SystemMenuString(bar.GetSafeHmenu(), 0), L"\u5831\u50f9");
    HMENU sub = ::GetSubMenu(bar.GetSafeHmenu(), 0);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(SystemMenuString(sub, 0), L"(1001)\u500b\u80a1\u5831\u50f9");
    EXPECT_EQ(::GetMenuItemID(sub, 0), 7800u);
    EXPECT_NE(::GetMenuState(sub, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_FALSE(::IsMenu(sub));  // the popup went with the bar that held it
}

TEST(Win32Ui, HostWindowRecordsWhatTheLibrarySendsAndAnswersTheRest) {
    orv::test::RecordingWindow main("main");
    orv::test::RecordingWindow tool("tool", main.GetHwnd());
    ASSERT_NE(main.GetHwnd(), nullptr);
    ASSERT_NE(tool.GetHwnd(), nullptr);
    EXPECT_EQ(orv::ui::GetRootOwner(tool.GetHwnd()), main.GetHwnd());
    EXPECT_EQ(orv::ui::GetRootOwner(main.GetHwnd()), main.GetHwnd());

    const char code[] = "2330";
    orv::ui::SendMessage(main.GetHwnd(), orv::kWmCommand, 7800, 0);
    orv::ui::SendMessage(main.GetHwnd(), orv::kWmUserCode, 0, reinterpret_cast<std::intptr_t>(code));
    orv::ui::SendMessage(main.GetHwnd(), WM_NULL, 1, 2);  // the system's own traffic is not recorded
    const std::vector<orv::test::RecordingWindow::Message> expected = {
        {orv::kWmCommand, 7800, 0, {}},
        {orv::kWmUserCode, 0, reinterpret_cast<std::intptr_t>(code), "2330"},
    };
    EXPECT_EQ(main.Messages(), expected);
    EXPECT_TRUE(tool.Messages().empty());

    int value = 0;
    EXPECT_TRUE(orv::ui::SetProp(main.GetHwnd(), "OrvTest", &value));
    EXPECT_EQ(::GetPropA(main.GetHwnd(), "OrvTest"), &value);
    orv::ui::RemoveProp(main.GetHwnd(), "OrvTest");
    EXPECT_EQ(orv::ui::GetProp(main.GetHwnd(), "OrvTest"), nullptr);
}

class Win32File : public OrvTest {};

TEST_F(Win32File, ChinesePathsReachTheSystemAsTheirCharacters) {
    // "\xB3\x5C" is a character whose second byte is a backslash: it must not split the path.
    const std::string folder = dataDir + "/" + Big5("使用者") + "\xB3\x5C";
    const std::wstring wideFolder = [&] {
        std::wstring w(dataDir.begin(), dataDir.end());
        return w + L"\\\u4f7f\u7528\u8005\u8a31";
    }();
    ASSERT_TRUE(::CreateDirectoryW(wideFolder.c_str(), nullptr));
    CFile file;
    ASSERT_TRUE(file.Open(folder + "/" + Big5("熱鍵") + ".xml", CFile::modeCreate | CFile::modeWrite));
    file.Write("<R/>");
    ASSERT_TRUE(file.Close());
    const std::wstring wideFile = wideFolder + L"\\\u71b1\u9375.xml";
    EXPECT_NE(::GetFileAttributesW(wideFile.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(orv::file::Exists(folder + "\\" + Big5("熱鍵") + ".xml"));
    std::string bytes;
    EXPECT_TRUE(orv::file::ReadAll(folder + "/" + Big5("熱鍵") + ".xml", bytes, 100));
    EXPECT_EQ(bytes, "<R/>");
    ::DeleteFileW(wideFile.c_str());
    ::RemoveDirectoryW(wideFolder.c_str());
}

}  // namespace
}  // namespace orv::test
