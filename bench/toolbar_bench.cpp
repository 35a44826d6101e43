// A toolbar far longer than any user's: 40 groups of 50 buttons. Loading and building the shown
// group, and switching groups, each beside pugixml parsing the same file in the same run.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "BenchBitmap.h"
#include "BenchFolder.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/HostWindow.h"

namespace {

constexpr int kGroups = 40;
constexpr int kItems = 50;
constexpr int kIcons = 5;  // buttons share a few bitmaps, as real toolbars do

struct Files {
    std::string dir, toolBar;
};

const Files& TheFiles() {
    static const Files f = [] {
        Files files;
        files.dir = orv::bench::FreshFolder("orvbench-t-");
        std::string menu = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<M>\r\n";
        for (int i = 0; i < kGroups * kItems; ++i) {
            menu += "\t<NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"" + std::to_string(1000 + i) + "\">畫面</NODE>\r\n";
        }
        menu += "</M>\r\n";
        std::ofstream(files.dir + "/OrvMenu.xml", std::ios::binary) << menu;
        for (int i = 0; i < kIcons; ++i) {
            std::ofstream(files.dir + "/b" + std::to_string(i) + ".bmp", std::ios::binary)
                << orv::bench::Bitmap(static_cast<unsigned char>(40 * i));
        }
        files.toolBar = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TOOLBAR>\r\n"
                        "\t<NODE NAME=\"groups\" TYPE=\"GROUPBTN\"/>\r\n";
        for (int g = 0; g < kGroups; ++g) {
            files.toolBar += "\t<NODE NAME=\"群組" + std::to_string(g) + "\" TYPE=\"GROUP\" ICON=\"b0.bmp\">\r\n";
            for (int i = 0; i < kItems; ++i) {
                const int screen = 1000 + g * kItems + i;
                files.toolBar += "\t\t<NODE TRCODE=\"" + std::to_string(screen) + "\" NAME=\"鍵" + std::to_string(i) +
                                 "\" TYPE=\"BUTTON\" ICON=\"b" + std::to_string(i / 10 % kIcons) + ".bmp\"/>\r\n";
            }
            files.toolBar += "\t</NODE>\r\n";
        }
        files.toolBar += "</TOOLBAR>\r\n";
        std::ofstream(files.dir + "/ToolBar.xml", std::ios::binary) << files.toolBar;
        CEnvMgr::SetDataDir(files.dir);
        CEnvMgr::SetDataUserDir(files.dir);
        CEnvMgr::SetImageDir(files.dir);
        return files;
    }();
    return f;
}

IOrvMenu* Menu() {
    static IOrvMenu* menu = [] {
        TheFiles();
        IOrvMenu* m = CreateOrvMainMenu();
        m->SetMenuFile("OrvMenu.xml");
        OrvUserInfo user;
        user.gradeMask = 0x3fffffff;
        m->SetUserInfo(&user, 1);
        m->LoadMenu();
        return m;
    }();
    return menu;
}

struct Bar {
    CHostWindow main{"bench"};
    CToolBar window;
    Bar() { window.Create(main.GetHwnd()); }
};

IOrvToolBar* NewToolBar(Bar& bar) {
    IOrvToolBar* t = CreateOrvToolBar();
    t->SetFileName("ToolBar.xml");
    t->SetToolBarWnd(&bar.window);
    t->SetMenu(Menu());
    return t;
}

void BM_Baseline_ParseToolBarFile(benchmark::State& state) {
    const std::string& bytes = TheFiles().toolBar;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size()));
    }
}
BENCHMARK(BM_Baseline_ParseToolBarFile)->Unit(benchmark::kMicrosecond);

// The whole file read into records, and the first group laid out and painted.
void BM_LoadToolBar(benchmark::State& state) {
    Menu();
    for (auto _ : state) {
        // A fresh window each time, as a host gives each toolbar its own.
        state.PauseTiming();
        auto bar = std::make_unique<Bar>();
        state.ResumeTiming();
        IOrvToolBar* t = NewToolBar(*bar);
        t->Load();
        state.PauseTiming();
        DestroyOrvToolBar(t);
        bar.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadToolBar)->Unit(benchmark::kMicrosecond);

// One switch to another group of 50 buttons: the buttons go, the new ones are painted and added.
void BM_SelectGroup(benchmark::State& state) {
    Menu();
    Bar bar;
    IOrvToolBar* t = NewToolBar(bar);
    t->Load();
    OrvToolBar* root = t->GetRoot();
    std::size_t next = 1;
    for (auto _ : state) {
        t->SelectGroup(root->children[next]);
        next = next % kGroups + 1;
    }
    DestroyOrvToolBar(t);
}
BENCHMARK(BM_SelectGroup)->Unit(benchmark::kMicrosecond);

// One group of n buttons, each with a tooltip of its own: a fresh window, the file read and
// the group built, then the tooltips set up. The time per button stays the same from 1,000 to
// 100,000 buttons when both grow linearly: the counters give it, and the fitted complexity
// beside them.
const std::string& WideToolBar(int buttons) {
    static std::map<int, std::string> names;
    auto& name = names[buttons];
    if (name.empty()) {
        name = "Wide" + std::to_string(buttons) + ".xml";
        std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TOOLBAR>\r\n\t<NODE NAME=\"wide\" TYPE=\"GROUP\" ICON=\"b0.bmp\">\r\n";
        for (int i = 0; i < buttons; ++i) {
            text += "\t\t<NODE NAME=\"鍵" + std::to_string(i) + "\" TYPE=\"BUTTON\" ICON=\"b0.bmp\" TOOLTIP=\"tip " + std::to_string(i) + "\"/>\r\n";
        }
        text += "\t</NODE>\r\n</TOOLBAR>\r\n";
        std::ofstream(TheFiles().dir + "/" + name, std::ios::binary) << text;
    }
    return name;
}

void WideGroup(benchmark::State& state, bool toolTips) {
    Menu();
    const int buttons = static_cast<int>(state.range(0));
    const std::string& file = WideToolBar(buttons);
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<Bar>();
        IOrvToolBar* t = CreateOrvToolBar();
        t->SetFileName(file);
        t->SetToolBarWnd(&bar->window);
        t->SetMenu(Menu());
        if (!toolTips) state.ResumeTiming();
        t->Load();
        if (toolTips) {
            state.ResumeTiming();
            t->SetupToolTips();
        }
        state.PauseTiming();
        DestroyOrvToolBar(t);
        bar.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(buttons);
    state.counters["per_button"] = benchmark::Counter(buttons, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_WideGroup_LoadAndBuild(benchmark::State& state) { WideGroup(state, false); }
BENCHMARK(BM_WideGroup_LoadAndBuild)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
void BM_WideGroup_SetupToolTips(benchmark::State& state) { WideGroup(state, true); }
BENCHMARK(BM_WideGroup_SetupToolTips)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
