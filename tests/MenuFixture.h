// A main menu component loaded from a definition written by the test.
#pragma once

#include <string>

#include "TestSupport.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"

namespace orv::test {

constexpr std::uint32_t kAllGrades = 0x3fffffffu;  // one bit or more in every group

class MenuTest : public OrvTest {
protected:
    void SetUp() override {
        OrvTest::SetUp();
        ASSERT_TRUE(bar.CreateMenu());
        menu = CreateOrvMainMenu();
        ASSERT_NE(menu, nullptr);
    }
    void TearDown() override {
        DestroyOrvMainMenu(menu);
        bar.DestroyMenu();
        OrvTest::TearDown();
    }

    // Writes body (UTF-8, inside a MENU element) as the definition file and loads it for a user
    // with these grades.
    void Load(const std::string& body, std::uint32_t gradeMask = kAllGrades, int derivatives = 1,
              int show8000 = 1, bool withUser = true) {
        WriteFile(DataPath("OrvMenu.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<MENU>\r\n" + body + "\r\n</MENU>\r\n");
        menu->SetMenuFile("OrvMenu.xml");
        menu->SetMainMenu(&bar);
        if (withUser) {
            OrvUserInfo user;
            user.gradeMask = gradeMask;
            menu->SetUserInfo(&user, derivatives);
        }
        menu->SetShow8000(show8000);
        menu->LoadMenu();
    }

    // The menu as lines "label" / "label #id" / "---" / "label >" with two blanks per level.
    static std::string Dump(HMENU handle, int level = 0) {
        CMenu m(handle);
        std::string out;
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            out += std::string(static_cast<std::size_t>(level) * 2, ' ');
            switch (m.GetItemKind(i)) {
            case CMenu::ItemKind::Separator: out += "---\n"; break;
            case CMenu::ItemKind::Popup:
                out += Utf8(m.GetMenuString(i)) + " >\n" + Dump(m.GetSubMenu(i), level + 1);
                break;
            default: out += Utf8(m.GetMenuString(i)) + " #" + std::to_string(m.GetMenuItemID(i)) + "\n"; break;
            }
        }
        m.Detach();
        return out;
    }

    CMenu bar;
    IOrvMenu* menu = nullptr;
};

}  // namespace orv::test
