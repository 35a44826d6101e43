// The main menu and the toolbar on Windows (run under Wine by bench/run-wine.sh): LoadMenu of a
// generated catalogue into a real menu, beside its floor measured in the same run: MSXML loading
// the same bytes, plus the same items inserted into popup menus with AppendMenuA. Then a
// toolbar of 40 groups of 50 buttons on a real toolbar control: its load and first build beside
// MSXML loading the same bytes plus a plain rebuild of the same control, each switch of group
// beside a plain rebuild timed next to it (the ratios the toolbar's switch and load are measured
// by, as medians of many rounds), and its SetupToolTips beside a plain tool per button.
//
// Usage: orv_win_bench [ENTRIES...]   (default 2000 20000)
#include <windows.h>
#include <commctrl.h>
#include <msxml2.h>
#include <oleauto.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "orvmenu/Menu.h"
#include "BenchBitmap.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/HostWindow.h"
#include "services/CodePage.h"
#include "services/XMLParser.h"
#include "orvmenu/EnvMgr.h"
#include "ui/FormBitmap.h"

namespace {

// {2933BF95-7B36-11D2-B20E-00C04F983E60}
constexpr IID kIidXmlDomDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

struct Catalogue {
    std::string bytes;
    // The menu's shape: per submenu, the captions of its items (code page 950).
    std::vector<std::vector<std::string>> popups;
};

// Shaped like the terminal's: submenus of forms with TR codes, names in Traditional Chinese.
Catalogue Make(int entries) {
    static const char* words[] = {"台股", "報價", "走勢", "成交", "明細", "分析", "排行", "買賣超",
                                  "融資", "融券", "期貨", "選擇權", "權證", "庫存", "損益", "帳務"};
    std::mt19937 rng(12345);
    const auto name = [&] {
        std::string s;
        for (int i = 0, n = 2 + static_cast<int>(rng() % 3); i < n; ++i) s += words[rng() % std::size(words)];
        return s;
    };
    Catalogue c;
    c.bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ORVMENU>\r\n";
    int made = 0, code = 1000;
    while (made < entries) {
        c.bytes += "\t<NODE TYPE=\"DLL\" DISP=\"Y\" GRADE=\"3FFFFFFF\" NAME=\"" + name() + "\">\r\n";
        ++made;
        c.popups.emplace_back();
        for (int leaf = 0; leaf < 40 && made < entries; ++leaf, ++made) {
            const std::string caption = name();
            const std::string tr = std::to_string(code++);
            c.bytes += "\t\t<NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"" + tr + "\" FILE=\"F" + tr +
                       ".frm\">" + caption + "</NODE>\r\n";
            c.popups.back().push_back(orv::cp950::FromUtf8("(" + tr + ")" + caption));
        }
        c.bytes += "\t</NODE>\r\n";
    }
    c.bytes += "</ORVMENU>\r\n";
    return c;
}

double Millis(const std::function<void()>& run, const std::function<void()>& undo, int runs = 5) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto end = std::chrono::steady_clock::now();
        undo();
        best = std::min(best, std::chrono::duration<double, std::milli>(end - start).count());
    }
    return best;
}

bool MsxmlLoad(const std::string& bytes) {
    IXMLDOMDocument2* doc = nullptr;
    CLSID clsid;
    if (FAILED(::CLSIDFromProgID(L"Msxml2.DOMDocument.6.0", &clsid)) &&
        FAILED(::CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &clsid))) {
        return false;
    }
    if (FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIidXmlDomDocument2,
                                  reinterpret_cast<void**>(&doc)))) {
        return false;
    }
    doc->put_async(VARIANT_FALSE);
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    void* data = nullptr;
    ::SafeArrayAccessData(array, &data);
    std::memcpy(data, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(array);
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_ARRAY | VT_UI1;
    source.parray = array;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    doc->load(source, &loaded);
    ::VariantClear(&source);
    doc->Release();
    return loaded == VARIANT_TRUE;
}

// The floor of a switch of group: the same control rebuilt plainly with the system's own calls
// from the same bitmaps, nothing done twice: the buttons go, a new image list sized for the
// group, the 50 images painted side by side into one strip in one memory context (one font
// selection, each source bitmap selected once), the strip added to the list in one call, one
// TB_ADDBUTTONS. The bar has its tooltip throughout, as the component's has from its first
// load on, so the control itself removes and adds a tooltip tool per button, as on the
// component's bar.
class PlainBar {
public:
    static constexpr int kWidth = 56, kHeight = 24;

    PlainBar(HWND parent, const std::filesystem::path& dir, int items) : items_(items) {
        bar_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER,
                                 0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        tips_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, bar_,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < 5; ++i) {
            wchar_t name[16];
            std::swprintf(name, 16, L"b%d.bmp", i);
            sources_.push_back(static_cast<HBITMAP>(::LoadImageW(nullptr, (dir / name).wstring().c_str(), IMAGE_BITMAP, 0,
                                                                 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        }
        font_ = ::CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Verdana");
        buttons_.resize(static_cast<std::size_t>(items));
        for (int i = 0; i < items; ++i) {
            buttons_[static_cast<std::size_t>(i)] = TBBUTTON{i, 9900 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
        }
        ::SendMessageW(bar_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips_), 0);
        // Its drop-down arrows drawn, as the component's.
        ::SendMessageW(bar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    }
    PlainBar(const PlainBar&) = delete;
    PlainBar& operator=(const PlainBar&) = delete;
    ~PlainBar() {
        ::DestroyWindow(bar_);
        if (list_ != nullptr) ::ImageList_Destroy(list_);
        for (HBITMAP b : sources_) ::DeleteObject(b);
        ::DeleteObject(font_);
    }

    void Remove() {
        for (LRESULT n = ::SendMessageW(bar_, TB_BUTTONCOUNT, 0, 0); n > 0; --n) ::SendMessageW(bar_, TB_DELETEBUTTON, 0, 0);
    }
    void Paint() {
        if (list_ != nullptr) ::ImageList_Destroy(list_);
        list_ = ::ImageList_Create(kWidth, kHeight, ILC_COLOR24 | ILC_MASK, items_, 0);
        HDC screen = ::GetDC(bar_);
        HBITMAP strip = ::CreateCompatibleBitmap(screen, kWidth * items_, kHeight);
        HDC memory = ::CreateCompatibleDC(screen);
        HDC source = ::CreateCompatibleDC(screen);
        ::ReleaseDC(bar_, screen);
        HGDIOBJ oldStrip = ::SelectObject(memory, strip);
        HGDIOBJ oldFont = ::SelectObject(memory, font_);
        ::SetBkMode(memory, TRANSPARENT);
        HGDIOBJ oldSource = nullptr;
        HBITMAP selected = nullptr;
        for (int i = 0; i < items_; ++i) {
            HBITMAP picture = sources_[static_cast<std::size_t>(i / 10 % 5)];
            if (picture != selected) {
                HGDIOBJ previous = ::SelectObject(source, picture);
                if (oldSource == nullptr) oldSource = previous;
                selected = picture;
            }
            ::BitBlt(memory, i * kWidth, 0, kWidth, kHeight, source, 0, 0, SRCCOPY);
            RECT r{i * kWidth, 0, (i + 1) * kWidth, kHeight};
            wchar_t caption[16];
            const int length = std::swprintf(caption, 16, L"K%d", i);
            ::DrawTextW(memory, caption, length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        ::SelectObject(source, oldSource);
        ::SelectObject(memory, oldFont);
        ::SelectObject(memory, oldStrip);
        ::DeleteDC(source);
        ::DeleteDC(memory);
        ::ImageList_AddMasked(list_, strip, RGB(255, 0, 255));
        ::DeleteObject(strip);
    }
    void Add() {
        ::SendMessageW(bar_, TB_ADDBUTTONSA, static_cast<WPARAM>(items_), reinterpret_cast<LPARAM>(buttons_.data()));
        ::SendMessageW(bar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list_));
    }
    // A tooltip tool for each of the first n buttons, as SetupToolTips adds one per button with
    // a screen; then removed again, so that each round starts from a tooltip without tools, as
    // a new group's does.
    double ToolTips(int n) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) {
            TOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.uFlags = 0;  // the bar relays its mouse messages to the tooltip set on it
            tool.hwnd = bar_;
            tool.uId = static_cast<UINT_PTR>(9900 + i);
            ::SendMessageW(bar_, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool.rect));
            wchar_t text[] = L"[1000] x";
            tool.lpszText = text;
            ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        ::SendMessageW(bar_, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips_), 0);
        const auto end = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) {
            TOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = bar_;
            tool.uId = static_cast<UINT_PTR>(9900 + i);
            ::SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        return std::chrono::duration<double, std::milli>(end - start).count();
    }

private:
    int items_;
    HWND bar_ = nullptr;
    HWND tips_ = nullptr;
    std::vector<HBITMAP> sources_;
    HFONT font_ = nullptr;
    std::vector<TBBUTTON> buttons_;
    HIMAGELIST list_ = nullptr;
};

double Elapsed(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 != 0 ? values[half] : (values[half - 1] + values[half]) / 2;
}

double Best(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

// 40 groups of 50 buttons behind a group switch button, over the catalogue's screens.
int ToolBarBench(const std::filesystem::path& dir) {
    constexpr int kGroups = 40, kItems = 50;
    std::string catalogue = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<M>\r\n";
    for (int i = 0; i < kGroups * kItems; ++i) {
        catalogue += "<NODE TYPE=\"FORM\" DISP=\"Y\" GRADE=\"3FFFFFFF\" TRCODE=\"" + std::to_string(1000 + i) + "\">x</NODE>\r\n";
    }
    catalogue += "</M>\r\n";
    std::ofstream(dir / "ToolBarMenu.xml", std::ios::binary) << catalogue;
    for (int i = 0; i < 5; ++i) std::ofstream(dir / ("b" + std::to_string(i) + ".bmp"), std::ios::binary) << orv::bench::Bitmap(static_cast<unsigned char>(40 * i));
    std::string bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TOOLBAR>\r\n<NODE NAME=\"groups\" TYPE=\"GROUPBTN\"/>\r\n";
    for (int g = 0; g < kGroups; ++g) {
        bytes += "<NODE NAME=\"G" + std::to_string(g) + "\" TYPE=\"GROUP\" ICON=\"b0.bmp\">\r\n";
        for (int i = 0; i < kItems; ++i) {
            bytes += "\t<NODE TRCODE=\"" + std::to_string(1000 + g * kItems + i) + "\" NAME=\"K" + std::to_string(i) +
                     "\" TYPE=\"BUTTON\" ICON=\"b" + std::to_string(i / 10 % 5) + ".bmp\"/>\r\n";
        }
        bytes += "</NODE>\r\n";
    }
    bytes += "</TOOLBAR>\r\n";
    std::ofstream(dir / "ToolBar.xml", std::ios::binary) << bytes;
    CEnvMgr::SetImageDir(dir.string());

    CMenu bar;
    bar.CreateMenu();
    IOrvMenu* menu = CreateOrvMainMenu();
    menu->SetMenuFile("ToolBarMenu.xml");
    menu->SetMainMenu(&bar);
    OrvUserInfo user;
    user.gradeMask = 0x3fffffff;
    menu->SetUserInfo(&user, 1);
    menu->LoadMenu();

    CHostWindow main("bench");
    auto window = std::make_unique<CToolBar>();
    IOrvToolBar* toolBar = nullptr;
    const auto make = [&] {
        window = std::make_unique<CToolBar>();
        window->Create(main.GetHwnd());
        toolBar = CreateOrvToolBar();
        toolBar->SetFileName("ToolBar.xml");
        toolBar->SetToolBarWnd(window.get());
        toolBar->SetMenu(menu);
    };
    const auto unmake = [&] {
        DestroyOrvToolBar(toolBar);
        toolBar = nullptr;
        window.reset();
    };
    // Every figure below is a median of many rounds in which the component and its baseline
    // take turns, so that both see the same machine: on one shared with other programs the
    // best or the mean of one set of runs measures the others as much as the code.
    // In a window of its own: neither bar's changes reach the other's parent. As many buttons
    // as the component shows: the group switch button and the group's 50.
    CHostWindow plainMain("plain");
    PlainBar plain(plainMain.GetHwnd(), dir, kItems + 1);
    plain.Remove();
    plain.Paint();
    plain.Add();

    // Load and build of the first group (its pictures read from their files) against MSXML's
    // load of the same bytes plus a plain rebuild; the window is made outside the timing.
    constexpr int kLoads = 15;
    std::vector<double> loads, msxmls, loadFloors, loadRatios;
    bool parsed = true;
    for (int i = 0; i < kLoads; ++i) {
        make();
        loads.push_back(Elapsed([&] { toolBar->Load(); }));
        unmake();
        msxmls.push_back(Elapsed([&] { parsed = MsxmlLoad(bytes) && parsed; }));
        loadFloors.push_back(msxmls.back() + Elapsed([&] {
                                 plain.Remove();
                                 plain.Paint();
                                 plain.Add();
                             }));
        loadRatios.push_back(loads.back() / loadFloors.back());
    }

    // Switches of group, each beside a plain rebuild timed right before or after it (the order
    // alternates): the rebuild's parts are timed too, to show where a rebuild's time goes.
    make();
    toolBar->Load();
    const auto& groups = toolBar->GetRoot()->children;
    constexpr int kRounds = 400;
    std::vector<double> switches, rebuilds, pairRatios, removes, paints, adds;
    const auto rebuild = [&] {
        double parts[3];
        const double all = Elapsed([&] {
            parts[0] = Elapsed([&] { plain.Remove(); });
            parts[1] = Elapsed([&] { plain.Paint(); });
            parts[2] = Elapsed([&] { plain.Add(); });
        });
        removes.push_back(parts[0]);
        paints.push_back(parts[1]);
        adds.push_back(parts[2]);
        return all;
    };
    for (int r = 0; r < kRounds; ++r) {
        OrvToolBar* next = groups[1 + static_cast<std::size_t>(r) % (groups.size() - 1)];
        double component = 0, floor = 0;
        if (r % 2 == 0) {
            component = Elapsed([&] { toolBar->SelectGroup(next); });
            floor = rebuild();
        } else {
            floor = rebuild();
            component = Elapsed([&] { toolBar->SelectGroup(next); });
        }
        switches.push_back(component);
        rebuilds.push_back(floor);
        pairRatios.push_back(component / floor);
    }
    std::vector<double> toolTips, plainTools;
    for (int r = 0; r < 100; ++r) {
        toolTips.push_back(Elapsed([&] { toolBar->SetupToolTips(); }));
        plainTools.push_back(plain.ToolTips(kItems));  // the switch button has no screen
    }
    // What a switch would cost again without the pictures kept: the group's pictures read from
    // their files (the group's own, then one per run of buttons with the same picture: six).
    std::vector<std::string> picturePaths;
    for (int i = 0; i < 6; ++i) picturePaths.push_back((dir / ("b" + std::to_string(i % 5) + ".bmp")).string());
    std::vector<double> reads;
    for (int r = 0; r < 20; ++r) {
        reads.push_back(Elapsed([&] {
            CFormBitmap picture;
            for (const std::string& path : picturePaths) picture.Load(path);
        }));
    }
    unmake();
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();

    const double load = Median(loads), msxml = Median(msxmls), loadFloor = Median(loadFloors);
    const double perSwitch = Median(switches), perRebuild = Median(rebuilds);
    const double tips = Median(toolTips), tipsFloor = Median(plainTools);
    std::printf("\n%10s %10s %10s %12s %7s %10s %7s %14s %12s %7s\n", "toolbar", "Load ms", "MSXML ms", "plain build",
                "ratio", "switch ms", "ratio", "SetupToolTips", "plain tools", "ratio");
    std::printf("%10s %10.2f %10.2f %12.2f %7.2f %10.2f %7.2f %14.2f %12.2f %7.2f\n", "40 x 50", load, msxml,
                loadFloor - msxml, Median(loadRatios), perSwitch, Median(pairRatios), tips, tipsFloor, tips / tipsFloor);
    // The ratios are the medians of each round's own: a round's two timings saw the same machine.
    std::printf("switch ratio %.2f: median of %d switches' ratios to a plain rebuild timed beside each; medians "
                "%.2f ms against %.2f ms (%.2f), best %.2f ms against %.2f ms\n",
                Median(pairRatios), kRounds, perSwitch, perRebuild, perSwitch / perRebuild, Best(switches),
                Best(rebuilds));
    std::printf("load ratio %.2f: median of %d loads' ratios to MSXML's load plus a plain rebuild timed beside each; "
                "medians %.2f ms against %.2f ms + %.2f ms\n",
                Median(loadRatios), kLoads, load, msxml, loadFloor - msxml);
    std::printf("plain rebuild's parts (medians): buttons deleted %.2f ms, images painted and added %.2f ms, "
                "TB_ADDBUTTONS and TB_SETIMAGELIST %.2f ms; the group's six pictures read from their files %.2f ms\n",
                Median(removes), Median(paints), Median(adds), Median(reads));
    return parsed ? 0 : 1;
}

// Reads every element's name, attributes and text below node, as a loader does.
std::size_t WalkAll(const CXMLNode& node) {
    std::size_t bytes = 0;
    for (CXMLNode child = node.GetFirstElement(); child; child = child.GetNextElement()) {
        bytes += child.NameIs("NODE") ? 1 : 0;
        for (CXMLAttr a = child.GetFirstAttr(); a; a = a.GetNext()) bytes += a.NameIs("NAME") ? 1 : a.GetValue().size();
        if (!child.GetFirstAttr().NameIs("NAME")) bytes += child.GetText().size();
        bytes += WalkAll(child);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {2000, 20000};
    const auto dir = std::filesystem::temp_directory_path() / ("orvwinbench-" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::create_directories(dir);
    CEnvMgr::SetDataDir(dir.string());
    CEnvMgr::SetFormDir(dir.string());
    std::printf("%10s %14s %14s %14s %14s %8s %14s %14s %14s\n", "entries", "LoadMenu ms", "MSXML load ms", "AppendMenu ms",
                "floor ms", "ratio", "reader open ms", "open+walk ms", "read only ms");
    int failures = 0;
    for (const int entries : sizes) {
        const Catalogue c = Make(entries);
        std::ofstream(dir / "OrvMenu.xml", std::ios::binary) << c.bytes;

        CMenu bar;
        IOrvMenu* menu = nullptr;
        const double load = Millis(
            [&] {
                bar.CreateMenu();
                menu = CreateOrvMainMenu();
                menu->SetMenuFile("OrvMenu.xml");
                menu->SetMainMenu(&bar);
                menu->LoadMenu();
            },
            [&] {
                DestroyOrvMainMenu(menu);
                bar.DestroyMenu();
            });
        bool parsed = true;
        const double msxml = Millis([&] { parsed = MsxmlLoad(c.bytes) && parsed; }, [] {});
        HMENU popupBar = nullptr;
        const double insert = Millis(
            [&] {
                popupBar = ::CreateMenu();
                UINT id = 7800;
                for (const auto& items : c.popups) {
                    HMENU popup = ::CreatePopupMenu();
                    for (const std::string& caption : items) ::AppendMenuA(popup, MF_STRING, id++, caption.c_str());
                    ::AppendMenuA(popupBar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "menu");
                }
            },
            [&] { ::DestroyMenu(popupBar); });
        // Where LoadMenu's time goes beyond the floor: the library's reader opening the file,
        // then also walking every element, attribute and text as the menu's reader does.
        const std::string path = (dir / "OrvMenu.xml").string();
        const double open = Millis([&] { CXMLParser parser; parsed = parser.Open(path, 1) != 0 && parsed; }, [] {});
        const double walk = Millis([&] { CXMLParser parser; parser.Open(path, 1); WalkAll(parser.GetRoot()); }, [] {});
        // LoadMenu without a menu to build: the catalogue read into nodes and nothing more.
        IOrvMenu* unbuilt = nullptr;
        const double read = Millis(
            [&] {
                unbuilt = CreateOrvMainMenu();
                unbuilt->SetMenuFile("OrvMenu.xml");
                unbuilt->LoadMenu();
            },
            [&] { DestroyOrvMainMenu(unbuilt); });
        if (!parsed) ++failures;
        const double floor = msxml + insert;
        std::printf("%10d %14.2f %14.2f %14.2f %14.2f %8.2f %14.2f %14.2f %14.2f\n", entries, load, msxml, insert, floor,
                    load / floor, open, walk, read);
    }
    failures += ToolBarBench(dir);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    ::CoUninitialize();
    return failures == 0 ? 0 : 1;
}
