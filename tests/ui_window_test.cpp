// The host window: what reaches its handler, what it answers, and what a recorder keeps.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "orvmenu/HostWindow.h"
#include "orvmenu/ToolBar.h"
#include "testsupport/Handles.h"
#include "testsupport/RecordingWindow.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"

namespace orv::test {
namespace {

constexpr unsigned kWmNull = 0x0000;
constexpr unsigned kWmUser = 0x0400;
constexpr unsigned kWmApp = 0x8000;

using HostWindowTest = OrvTest;

// The messages a library sends its host reach the handler, which gives the answer; the
// system's own traffic does not. A handler that throws answers 0 and nothing leaves the
// window; a handler may replace itself during a call.
TEST_F(HostWindowTest, HandlerGetsTheLibrarysMessagesAndNothingEscapes) {
    CHostWindow window("main");
    HWND wnd = window.GetHwnd();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmCommand, 1, 0), 0) << "no handler yet";

    std::vector<unsigned> seen;
    window.SetHandler([&](unsigned message, WPARAM wParam, LPARAM) -> LRESULT {
        seen.push_back(message);
        if (wParam == 99) throw std::runtime_error("host fault");
        return 40 + static_cast<std::intptr_t>(wParam);
    });
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmCommand, 2, 0), 42);
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmUserCode, 1, 0), 41);
    EXPECT_EQ(orv::ui::SendMessage(wnd, kWmUser, 0, 0), 40);
    EXPECT_EQ(orv::ui::SendMessage(wnd, kWmApp - 1, 0, 0), 40);
    EXPECT_EQ(orv::ui::SendMessage(wnd, kWmApp, 0, 0), 0);
    EXPECT_EQ(orv::ui::SendMessage(wnd, kWmNull, 5, 0), 0);
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmCommand, 99, 0), 0) << "the handler threw";
    EXPECT_EQ(seen, (std::vector<unsigned>{orv::kWmCommand, orv::kWmUserCode, kWmUser, kWmApp - 1, orv::kWmCommand}));

    window.SetHandler([&](unsigned, WPARAM, LPARAM) -> LRESULT {
        window.SetHandler([](unsigned, WPARAM, LPARAM) -> LRESULT { return 7; });
        return 6;
    });
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmCommand, 0, 0), 6);
    EXPECT_EQ(orv::ui::SendMessage(wnd, orv::kWmCommand, 0, 0), 7);
}

// A user code's text is valid only while it is sent: the recorder keeps a copy, so the text
// read after the sender's buffer changed is still the one sent.
TEST_F(HostWindowTest, RecorderCopiesTheTextDuringTheCall) {
    RecordingWindow window("main");
    std::string code = "G01";
    orv::ui::SendMessage(window.GetHwnd(), orv::kWmUserCode, 0, reinterpret_cast<std::intptr_t>(code.c_str()));
    code.assign(64, 'x');
    orv::ui::SendMessage(window.GetHwnd(), orv::kWmUserCode, 0, 0);
    ASSERT_EQ(window.Messages().size(), 2u);
    EXPECT_EQ(window.Messages()[0].text, "G01");
    EXPECT_EQ(window.Messages()[1].text, "");
}

// Window objects that log the end of their window.
using Log = std::vector<std::string>;
template <class Base>
class Logging : public Base {
public:
    Log* log = nullptr;
    std::string name;

protected:
    void OnNcDestroy() override { log->push_back(name); }
};

// Whoever destroys a window, the objects of it and of every window that goes with it let go of
// their handles and hooks at once, in the order the system ends the windows.
TEST_F(HostWindowTest, DestroyingAWindowEndsWhatItOwnsAndHoldsFirst) {
    const WindowObjectCounts before = CountWindowObjects();
    Log log;
    auto main = std::make_unique<Logging<CHostWindow>>();
    main->log = &log;
    main->name = "main";
    CHostWindow owned("owned", main->GetHwnd());
    Logging<CToolBar> bar;
    bar.log = &log;
    bar.name = "bar";
    ASSERT_TRUE(bar.Create(main->GetHwnd()));
    Logging<CComboBox> box;
    box.log = &log;
    box.name = "box";
    ASSERT_TRUE(box.Create(orv::ui::kWsChild | orv::ui::kWsVisible | orv::ui::kCbsDropDown, {0, 0, 100, 200},
                           bar.GetSafeHwnd(), 1));
    EXPECT_EQ(CountWindowObjects().objects, before.objects + 4);

    EXPECT_TRUE(orv::ui::DestroyWindow(main->GetHwnd()));
    EXPECT_EQ(log, (Log{"box", "bar", "main"}));
    EXPECT_EQ(main->GetHwnd(), nullptr);
    EXPECT_EQ(owned.GetHwnd(), nullptr);
    EXPECT_EQ(bar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(box.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CountWindowObjects(), before);
    // Their objects still answer, with nothing.
    EXPECT_FALSE(box.DestroyWindow());
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_EQ(bar.SendMessage(orv::ui::kTbButtonCount), 0);
    main.reset();
    EXPECT_EQ(log.size(), 3u);
}

}  // namespace
}  // namespace orv::test
