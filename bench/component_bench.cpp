// Hot keys and user tab groups at sizes far beyond a real user's: hundreds of hot keys and
// groups. Each load is reported beside pugixml parsing the same bytes in the same run.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <fstream>
#include <string>
#include <vector>

#include "BenchFolder.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/EnvMgr.h"
#include "services/File.h"
#include "services/XMLParser.h"
#include "orvmenu/HostWindow.h"

namespace {

constexpr int kScreens = 2000;
constexpr int kHotKeys = 500;
constexpr int kGroups = 200;
constexpr int kGroupScreens = 20;

struct Files {
    std::string dir, menu, hotKeys, groups;
};

const Files& TheFiles() {
    static const Files f = [] {
        Files files;
        files.dir = orv::bench::FreshFolder("orvbench-c-");
        files.menu = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<M>\r\n";
        for (int i = 0; i < kScreens; ++i) {
            files.menu += "\t<NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"" + std::to_string(1000 + i) + "\">畫面</NODE>\r\n";
        }
        files.menu += "</M>\r\n";
        files.hotKeys = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<HOTKEY>\r\n";
        for (int i = 0; i < kHotKeys; ++i) {
            files.hotKeys += "\t<NODE TRCODE=\"" + std::to_string(1000 + i % kScreens) + "\" KEYCODE=\"" +
                             std::to_string(200 + i) + "\" MOD=\"" + (i % 3 == 0 ? "C" : i % 3 == 1 ? "S" : "") +
                             "\">熱鍵" + std::to_string(i) + "</NODE>\r\n";
        }
        files.hotKeys += "</HOTKEY>\r\n";
        files.groups = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TAPGRPROOT>\r\n";
        for (int g = 1; g <= kGroups; ++g) {
            files.groups += "\t<TABGRP ID=\"" + std::to_string(g) + "\" NAME=\"群組" + std::to_string(g) +
                            "\" TRCODE=\"G" + std::to_string(g) + "\">\r\n";
            for (int m = 0; m < kGroupScreens; ++m) files.groups += "\t\t<NODE>" + std::to_string(1000 + (g * 7 + m) % kScreens) + "</NODE>\r\n";
            files.groups += "\t</TABGRP>\r\n";
        }
        files.groups += "</TAPGRPROOT>\r\n";
        std::ofstream(files.dir + "/OrvMenu.xml", std::ios::binary) << files.menu;
        CEnvMgr::SetDataDir(files.dir);
        CEnvMgr::SetDataUserDir(files.dir);
        CEnvMgr::SetFormDir(files.dir);
        return files;
    }();
    return f;
}

IOrvMenu* Menu() {
    static IOrvMenu* menu = [] {
        TheFiles();
        IOrvMenu* m = CreateOrvMainMenu();
        m->SetMenuFile("OrvMenu.xml");
        m->LoadMenu();
        return m;
    }();
    return menu;
}

void Parse(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size()));
    }
}

// The library's own reader opening the file: the checks that make it refuse what the Windows
// reader refuses, on top of pugixml's parse. What a loader costs beyond this is its own.
void ReaderOpen(benchmark::State& state, const std::string& name, const std::string& bytes) {
    const std::string path = TheFiles().dir + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    for (auto _ : state) {
        CXMLParser parser;
        benchmark::DoNotOptimize(parser.Open(path, 1));
    }
}

// Loads one component after another, keeping them: a component writes its file back when it is
// destroyed, and that save (flushed to disk) must not run between two timed loads. They are
// destroyed in batches, untimed.
template <typename Component>
void LoadEach(benchmark::State& state, Component* (*create)(), void (*destroy)(Component*),
              void (*load)(Component*)) {
    constexpr std::size_t kBatch = 64;
    std::vector<Component*> loaded;
    for (auto _ : state) {
        state.PauseTiming();
        if (loaded.size() == kBatch) {
            for (Component* c : loaded) destroy(c);
            loaded.clear();
        }
        Component* component = create();
        component->SetMenu(Menu());
        loaded.push_back(component);
        state.ResumeTiming();
        load(component);
    }
    for (Component* c : loaded) destroy(c);
}

void BM_Baseline_ParseHotKeyFile(benchmark::State& state) { Parse(state, TheFiles().hotKeys); }
BENCHMARK(BM_Baseline_ParseHotKeyFile)->Unit(benchmark::kMicrosecond);

void BM_Baseline_ReaderOpenHotKeyFile(benchmark::State& state) { ReaderOpen(state, "HotKeyOpen.xml", TheFiles().hotKeys); }
BENCHMARK(BM_Baseline_ReaderOpenHotKeyFile)->Unit(benchmark::kMicrosecond);

void BM_LoadHotKeys(benchmark::State& state) {
    std::ofstream(TheFiles().dir + "/HotKey.xml", std::ios::binary) << TheFiles().hotKeys;
    LoadEach<IOrvHotKey>(state, CreateOrvHotKey, DestroyOrvHotKey, [](IOrvHotKey* keys) { keys->Load("HotKey.xml"); });
}
BENCHMARK(BM_LoadHotKeys)->Unit(benchmark::kMicrosecond);

// A key that no hot key has: the whole table is walked, the worst case of every key press.
void BM_HandleKeyMiss(benchmark::State& state) {
    CHostWindow wnd;
    struct Host : IOrvHotKeyHost {
        virtual ~Host() = default;
        HWND wnd = nullptr;
        HWND GetHotKeyWnd() override { return wnd; }
    } host;
    host.wnd = wnd.GetHwnd();
    std::ofstream(TheFiles().dir + "/HotKey.xml", std::ios::binary) << TheFiles().hotKeys;
    IOrvHotKey* keys = CreateOrvHotKey();
    keys->SetMenu(Menu());
    keys->SetHost(&host);
    keys->Load("HotKey.xml");
    for (auto _ : state) benchmark::DoNotOptimize(keys->HandleKey(1));
    DestroyOrvHotKey(keys);
}
BENCHMARK(BM_HandleKeyMiss)->Unit(benchmark::kMicrosecond);

void BM_Baseline_ParseUserTabGrpFile(benchmark::State& state) { Parse(state, TheFiles().groups); }
BENCHMARK(BM_Baseline_ParseUserTabGrpFile)->Unit(benchmark::kMicrosecond);

void BM_Baseline_ReaderOpenUserTabGrpFile(benchmark::State& state) { ReaderOpen(state, "UserTabGrpOpen.xml", TheFiles().groups); }
BENCHMARK(BM_Baseline_ReaderOpenUserTabGrpFile)->Unit(benchmark::kMicrosecond);

void BM_LoadUserTabGrp(benchmark::State& state) {
    std::ofstream(TheFiles().dir + "/UserTabGrp.xml", std::ios::binary) << TheFiles().groups;
    LoadEach<IOrvTabGrp>(state, CreateUserTabGrp, DestroyUserTabGrp,
                         [](IOrvTabGrp* groups) { benchmark::DoNotOptimize(groups->LoadTabGrp("UserTabGrp.xml")); });
}
BENCHMARK(BM_LoadUserTabGrp)->Unit(benchmark::kMicrosecond);

// Saving 500 hot keys beside the floor of any save: the same bytes written by one call into
// the same kind of file, flushed and renamed into place.
void BM_Baseline_WriteHotKeyBytes(benchmark::State& state) {
    Menu();
    const std::string path = TheFiles().dir + "/Floor.xml";
    std::ofstream(TheFiles().dir + "/HotKey.xml", std::ios::binary) << TheFiles().hotKeys;
    IOrvHotKey* keys = CreateOrvHotKey();
    keys->SetMenu(Menu());
    keys->Load("HotKey.xml");
    keys->Save(path);
    std::string bytes;
    orv::file::ReadAll(path, bytes, 1 << 24);
    DestroyOrvHotKey(keys);
    for (auto _ : state) {
        CFile file;
        file.Open(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes);
        benchmark::DoNotOptimize(file.Close());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Baseline_WriteHotKeyBytes)->Unit(benchmark::kMicrosecond);

void BM_SaveHotKeys(benchmark::State& state) {
    std::ofstream(TheFiles().dir + "/HotKey.xml", std::ios::binary) << TheFiles().hotKeys;
    IOrvHotKey* keys = CreateOrvHotKey();
    keys->SetMenu(Menu());
    keys->Load("HotKey.xml");
    const std::string path = TheFiles().dir + "/Saved.xml";
    for (auto _ : state) keys->Save(path);
    DestroyOrvHotKey(keys);
}
BENCHMARK(BM_SaveHotKeys)->Unit(benchmark::kMicrosecond);

}  // namespace
