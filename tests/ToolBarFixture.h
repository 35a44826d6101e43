// A toolbar component on a real (or headless) toolbar window, against a loaded main menu, with
// helpers to write the toolbar file and button bitmaps and to read back what the window holds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "MenuFixture.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvToolBar.h"
#include "orvmenu/ToolBar.h"
#include "ui/Gdi.h"
#include "orvmenu/HostWindow.h"
#include "ui/ToolBarControl.h"
#include "testsupport/Drawing.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {

// A 24-bit BMP file of w by h pixels, every pixel fill (0x00BBGGRR), bottom-up rows.
inline std::string Bmp24(int w, int h, orv::Color fill) {
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t size = 54u + static_cast<std::uint32_t>(rowBytes * h);
    std::string b(size, '\0');
    auto put32 = [&b](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t at = 54u + static_cast<std::size_t>(y * rowBytes + x * 3);
            b[at] = static_cast<char>((fill >> 16) & 0xff);     // blue
            b[at + 1] = static_cast<char>((fill >> 8) & 0xff);  // green
            b[at + 2] = static_cast<char>(fill & 0xff);         // red
        }
    }
    return b;
}

// The screens of the test catalogue: 8000 and 8930 for everyone, 1001 only with grade 0x80000,
// 9150 hidden from everyone (but inside 9100-9200).
inline constexpr char kToolBarCatalogue[] =
    "<NODE TRCODE=\"8000\" TYPE=\"FUNC\" GRADE=\"3fffffff\">Quote</NODE>"
    "<NODE TRCODE=\"8930\" TYPE=\"FUNC\" GRADE=\"3fffffff\">Y</NODE>"
    "<NODE TRCODE=\"1001\" TYPE=\"FUNC\" GRADE=\"20080001\">Order</NODE>"
    "<NODE TRCODE=\"9150\" TYPE=\"FUNC\" GRADE=\"0\">Inside</NODE>";

class ToolBarTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        Load(kToolBarCatalogue, 0x3ff7ffffu);  // every grade but 0x80000: 1001 is hidden
        mainWnd = std::make_unique<orv::test::RecordingWindow>("main");
        ASSERT_TRUE(bar.Create(mainWnd->GetHwnd()));
        toolBar = Create();
    }
    void TearDown() override {
        DestroyOrvToolBar(toolBar);  // before the window and the menu it points to
        bar.DestroyWindow();
        mainWnd.reset();
        MenuTest::TearDown();
    }

    IOrvToolBar* Create() {
        IOrvToolBar* created = CreateOrvToolBar();
        EXPECT_NE(created, nullptr);
        created->SetToolBarWnd(&bar);
        created->SetMenu(menu);
        return created;
    }

    // Writes a toolbar file (UTF-8 body inside TOOLBAR) under the data folder.
    void WriteToolBar(const std::string& body, const std::string& name = "ToolBar.xml") {
        WriteFile(DataPath(name), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TOOLBAR>" + body + "</TOOLBAR>");
    }
    void LoadToolBar(const std::string& body, IOrvToolBar* target = nullptr) {
        WriteToolBar(body);
        IOrvToolBar* t = target != nullptr ? target : toolBar;
        t->SetFileName("ToolBar.xml");
        t->Load();
    }
    void WriteBitmap(const std::string& name, int w, int h, orv::Color fill) {
        WriteFile(imageDir + "/" + name, Bmp24(w, h, fill));
    }

    LRESULT Send(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return bar.SendMessage(message, wParam, lParam);
    }
    int ButtonCount() { return static_cast<int>(Send(orv::ui::kTbButtonCount)); }
    orv::ui::TbButton Button(int i) {
        orv::ui::TbButton b;
        Send(orv::ui::kTbGetButton, static_cast<std::uintptr_t>(i), reinterpret_cast<std::intptr_t>(&b));
        return b;
    }
    CRect ItemRect(int i) {
        CRect r;
        Send(orv::ui::kTbGetItemRect, static_cast<std::uintptr_t>(i), reinterpret_cast<std::intptr_t>(&r));
        return r;
    }
    // The command identifiers of the buttons, in order.
    std::vector<std::uint32_t> Commands() {
        std::vector<std::uint32_t> ids;
        for (int i = 0; i < ButtonCount(); ++i) ids.push_back(static_cast<std::uint32_t>(Button(i).idCommand));
        return ids;
    }
    // The item of a name among the children of a record, depth first.
    static OrvToolBar* Find(OrvToolBar* from, const std::string& name) {
        if (from == nullptr) return nullptr;
        for (OrvToolBar* child : from->children) {
            if (child->name == name) return child;
            if (OrvToolBar* found = Find(child, name)) return found;
        }
        return nullptr;
    }
    OrvToolBar* Item(const std::string& name) { return Find(toolBar->GetRoot(), name); }

    std::unique_ptr<orv::test::RecordingWindow> mainWnd;
    orv::test::DrawTextRecorder drawn;  // every caption the test's toolbars paint
    CToolBar bar;
    IOrvToolBar* toolBar = nullptr;
};

}  // namespace orv::test
