// The main menu on a large catalogue. Every figure is reported beside a baseline measured in
// the same run: pugixml parsing the same bytes, and nothing else.
//
// ORV_BENCH_ENTRIES sets the catalogue's size (default 20000).
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "BenchFolder.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"
#include "services/XMLParser.h"
#include "orvmenu/EnvMgr.h"

namespace {

struct Catalogue {
    std::string dir;
    std::string bytes;
    std::vector<std::string> codes;
};

// A catalogue shaped like the terminal's: top-level menus of nested submenus, mostly forms with
// TR codes, some separators, hidden and restricted entries, names in Traditional Chinese.
Catalogue MakeCatalogue(int entries) {
    static const char* words[] = {"台股", "報價", "走勢", "成交", "明細", "分析", "排行", "買賣超", "融資",
                                  "融券", "期貨", "選擇權", "權證", "庫存", "損益", "帳務", "公告", "新聞",
                                  "指數", "類股", "籌碼", "主力", "盤後", "零股"};
    static const char* grades[] = {"3FFFFFFF", "3FFFFFFF", "3FFFFFFF", "00100401", "3FF00C02", "40000000"};
    std::mt19937 rng(12345);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const auto name = [&] {
        std::string s;
        for (int i = 0, n = 2 + static_cast<int>(pick(3)); i < n; ++i) s += words[pick(std::size(words))];
        return s;
    };
    Catalogue c;
    std::string& x = c.bytes;
    x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ORVMENU>\r\n\t<NAME>證券交易系統</NAME>\r\n";
    int made = 0, code = 1000;
    while (made < entries) {
        x += "\t<NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"" + name() + "\">\r\n";
        ++made;
        for (int sub = 0; sub < 10 && made < entries; ++sub) {
            x += "\t\t<NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"" + name() + "\">\r\n";
            ++made;
            for (int leaf = 0; leaf < 20 && made < entries; ++leaf, ++made) {
                if (pick(12) == 0) {
                    x += "\t\t\t<NODE TYPE=\"SEP\" DISP=\"Y\" GRADE=\"3FFFFFFF\"/>\r\n";
                    continue;
                }
                const std::string tr = std::to_string(code++);
                c.codes.push_back(tr);
                x += "\t\t\t<NODE TYPE=\"FORM\" DISP=\"" + std::string(pick(15) ? "Y" : "N") + "\" GRADE=\"" +
                     grades[pick(std::size(grades))] + "\" TRCODE=\"" + tr + "\" FILE=\"F" + tr +
                     ".frm\" OPENCNT=\"" + std::to_string(pick(50)) + "\">" + name() + "</NODE>\r\n";
            }
            x += "\t\t</NODE>\r\n";
        }
        x += "\t</NODE>\r\n";
    }
    x += "</ORVMENU>\r\n";

    c.dir = orv::bench::FreshFolder("orvbench-");
    std::ofstream(c.dir + "/OrvMenu.xml", std::ios::binary) << x;
    CEnvMgr::SetDataDir(c.dir);
    CEnvMgr::SetFormDir(c.dir);
    return c;
}

const Catalogue& TheCatalogue() {
    static const Catalogue c = [] {
        const char* n = std::getenv("ORV_BENCH_ENTRIES");
        return MakeCatalogue(n != nullptr ? std::atoi(n) : 20000);
    }();
    return c;
}

IOrvMenu* LoadedMenu(CMenu& bar) {
    bar.CreateMenu();
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("OrvMenu.xml");
    menu->SetMainMenu(&bar);
    const OrvUserInfo user{0x00100401, 0, 0, 0};
    menu->SetUserInfo(&user, 0);
    menu->SetShow8000(1);
    menu->LoadMenu();
    return menu;
}

void BM_Baseline_PugixmlParse(benchmark::State& state) {
    const std::string& bytes = TheCatalogue().bytes;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Baseline_PugixmlParse)->Unit(benchmark::kMillisecond);

// pugixml at its fastest on these bytes: parsing in place with the reader's own options.
void BM_Baseline_PugixmlParseInPlace(benchmark::State& state) {
    const std::string& bytes = TheCatalogue().bytes;
    std::string copy;
    for (auto _ : state) {
        state.PauseTiming();
        copy = bytes;
        state.ResumeTiming();
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer_inplace(copy.data(), copy.size(),
                                                         pugi::parse_default | pugi::parse_ws_pcdata_single,
                                                         pugi::encoding_utf8));
    }
}
BENCHMARK(BM_Baseline_PugixmlParseInPlace)->Unit(benchmark::kMillisecond);

// The library's reader opening the catalogue: pugixml's parse and the checks that make the
// reader refuse what the Windows reader refuses. LoadMenu's cost beyond this is its own.
void BM_Baseline_ReaderOpen(benchmark::State& state) {
    const std::string path = TheCatalogue().dir + "/OrvMenu.xml";
    for (auto _ : state) {
        CXMLParser parser;
        benchmark::DoNotOptimize(parser.Open(path, 1));
    }
}
BENCHMARK(BM_Baseline_ReaderOpen)->Unit(benchmark::kMillisecond);

// LoadMenu of the catalogue in the data folder, each time into a new menu; taking it down is
// not timed.
void TimeLoads(benchmark::State& state) {
    for (auto _ : state) {
        CMenu bar;
        IOrvMenu* menu = LoadedMenu(bar);
        state.PauseTiming();
        DestroyOrvMainMenu(menu);
        bar.DestroyMenu();
        state.ResumeTiming();
    }
}

void BM_LoadMenu(benchmark::State& state) {
    TheCatalogue();
    TimeLoads(state);
}
BENCHMARK(BM_LoadMenu)->Unit(benchmark::kMillisecond);

// The catalogue at 100,000 and 1,000,000 entries, side by side: the load grows linearly.
void BM_LoadMenuAtSize(benchmark::State& state) {
    static std::map<std::int64_t, Catalogue> made;
    auto found = made.find(state.range(0));
    if (found == made.end()) found = made.emplace(state.range(0), MakeCatalogue(static_cast<int>(state.range(0)))).first;
    CEnvMgr::SetDataDir(found->second.dir);
    TimeLoads(state);
    state.counters["ns_per_entry"] = benchmark::Counter(
        static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    CEnvMgr::SetDataDir(TheCatalogue().dir);
    std::error_code ec;
    std::filesystem::remove_all(found->second.dir, ec);
    made.erase(found);
}
BENCHMARK(BM_LoadMenuAtSize)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GetMenuByTRCode(benchmark::State& state) {
    const auto& codes = TheCatalogue().codes;
    CMenu bar;
    IOrvMenu* menu = LoadedMenu(bar);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(menu->GetMenuByTRCode(codes[i]));
        if (++i == codes.size()) i = 0;
    }
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
}
BENCHMARK(BM_GetMenuByTRCode);

void BM_GetMenuByID(benchmark::State& state) {
    const auto& codes = TheCatalogue().codes;
    CMenu bar;
    IOrvMenu* menu = LoadedMenu(bar);
    std::vector<std::uint32_t> ids;
    // Screens under a submenu the user may not see were never read, so they have no node.
    for (const auto& code : codes) {
        if (const OrvMenu* node = menu->GetMenuByTRCode(code)) ids.push_back(node->id);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(menu->GetMenuByID(ids[i]));
        if (++i == ids.size()) i = 0;
    }
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
}
BENCHMARK(BM_GetMenuByID);

// Keeps each benchmark's time per iteration so the ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            if (r.run_type == Run::RT_Iteration) times[r.benchmark_name()] = r.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& t = reporter.times;
    const auto base = t.find("BM_Baseline_PugixmlParse");
    const auto load = t.find("BM_LoadMenu");
    std::printf("\ncatalogue: %zu bytes, %zu screens\n", TheCatalogue().bytes.size(), TheCatalogue().codes.size());
    if (base != t.end() && load != t.end() && base->second > 0) {
        std::printf("ratio LoadMenu / pugixml parse of the same bytes: %.2f\n", load->second / base->second);
    }
    const auto inPlace = t.find("BM_Baseline_PugixmlParseInPlace");
    if (inPlace != t.end() && load != t.end() && inPlace->second > 0) {
        std::printf("ratio LoadMenu / pugixml in-place parse of the same bytes: %.2f\n", load->second / inPlace->second);
    }
    const auto ratio = [&](const char* what, const char* baseline, const char* label) {
        const auto a = t.find(what), b = t.find(baseline);
        if (a != t.end() && b != t.end() && b->second > 0) std::printf("%s: %.2f\n", label, a->second / b->second);
    };
    ratio("BM_Baseline_ReaderOpen", "BM_Baseline_PugixmlParse", "ratio reader's open of the catalogue / pugixml parse");
    ratio("BM_LoadMenu", "BM_Baseline_ReaderOpen", "ratio LoadMenu / reader's open of the same file");
    // The floor under each loader: what the reader's open alone costs beyond pugixml's parse.
    ratio("BM_Baseline_ReaderOpenHotKeyFile", "BM_Baseline_ParseHotKeyFile", "ratio reader's open of the hot-key file / pugixml parse");
    ratio("BM_Baseline_ReaderOpenUserTabGrpFile", "BM_Baseline_ParseUserTabGrpFile",
          "ratio reader's open of the user tab group file / pugixml parse");
    ratio("BM_LoadHotKeys", "BM_Baseline_ParseHotKeyFile", "ratio hot-key load (500) / pugixml parse of the file");
    ratio("BM_LoadHotKeys", "BM_Baseline_ReaderOpenHotKeyFile", "ratio hot-key load (500) / reader's open of the file");
    ratio("BM_LoadUserTabGrp", "BM_Baseline_ParseUserTabGrpFile",
          "ratio user tab group load (200 groups x 20 screens) / pugixml parse of the file");
    ratio("BM_LoadUserTabGrp", "BM_Baseline_ReaderOpenUserTabGrpFile",
          "ratio user tab group load (200 groups x 20 screens) / reader's open of the file");
    ratio("BM_LoadMenuAtSize/1000000/iterations:3", "BM_LoadMenuAtSize/100000/iterations:3",
          "ratio LoadMenu 1,000,000 entries / 100,000 entries (10 is linear)");
    ratio("BM_SaveHotKeys", "BM_Baseline_WriteHotKeyBytes",
          "ratio hot-key save (500) / one write of the same bytes, flushed and renamed");
    benchmark::Shutdown();
    return 0;
}
