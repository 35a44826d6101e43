// The main menu and the toolbar on Windows (run under Wine by bench/run-wine.sh): LoadMenu of a
// generated catalogue into a real menu, beside its floor measured in the same run: MSXML loading
// the same bytes, plus the same items inserted into popup menus with AppendMenuA. Then a
// toolbar of 40 groups of 50 buttons loaded and built on a real toolbar control, beside MSXML
// loading the same bytes plus a plain build of the same control, and a switch of group beside
// that plain build (the ratios the toolbar's switch and load are measured by), and its
// SetupToolTips.
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
// TB_ADDBUTTONS, and a tooltip tool per button. The bar has its tooltip throughout. Its parts are timed too, to show where a
// rebuild's time goes.
struct Plain {
    double build = 0;     // the buttons and their images
    double toolTips = 0;  // a tool per button
    // The build's parts, each the best of five like the whole.
    double remove = 0;    // deleting the buttons
    double paint = 0;     // the image list made, the strip painted and added
    double add = 0;       // TB_ADDBUTTONS and TB_SETIMAGELIST
};

Plain PlainSwitch(HWND parent, const std::filesystem::path& dir, int items, int rebuilds) {
    constexpr int kWidth = 56, kHeight = 24;
    HWND bar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER,
                                 0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HWND tips = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, bar,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
    std::vector<HBITMAP> sources;
    for (int i = 0; i < 5; ++i) {
        wchar_t name[16];
        std::swprintf(name, 16, L"b%d.bmp", i);
        sources.push_back(static_cast<HBITMAP>(::LoadImageW(nullptr, (dir / name).wstring().c_str(), IMAGE_BITMAP, 0, 0,
                                                            LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    }
    HFONT font = ::CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Verdana");
    std::vector<TBBUTTON> buttons(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) buttons[static_cast<std::size_t>(i)] = TBBUTTON{i, 9900 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
    HIMAGELIST list = nullptr;
    const auto remove = [&] {
        for (LRESULT n = ::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0); n > 0; --n) ::SendMessageW(bar, TB_DELETEBUTTON, 0, 0);
    };
    const auto paint = [&] {
        if (list != nullptr) ::ImageList_Destroy(list);
        list = ::ImageList_Create(kWidth, kHeight, ILC_COLOR24 | ILC_MASK, items, 0);
        HDC screen = ::GetDC(bar);
        HBITMAP strip = ::CreateCompatibleBitmap(screen, kWidth * items, kHeight);
        HDC memory = ::CreateCompatibleDC(screen);
        HDC source = ::CreateCompatibleDC(screen);
        ::ReleaseDC(bar, screen);
        HGDIOBJ oldStrip = ::SelectObject(memory, strip);
        HGDIOBJ oldFont = ::SelectObject(memory, font);
        ::SetBkMode(memory, TRANSPARENT);
        HGDIOBJ oldSource = nullptr;
        HBITMAP selected = nullptr;
        for (int i = 0; i < items; ++i) {
            HBITMAP picture = sources[static_cast<std::size_t>(i / 10 % 5)];
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
        ::ImageList_AddMasked(list, strip, RGB(255, 0, 255));
        ::DeleteObject(strip);
    };
    const auto add = [&] {
        ::SendMessageW(bar, TB_ADDBUTTONSA, static_cast<WPARAM>(items), reinterpret_cast<LPARAM>(buttons.data()));
        ::SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    };
    // The bar has its tooltip while it is rebuilt, as the component's has from its first load
    // on: the control then keeps a tool of its own per button, removed and added with it.
    ::SendMessageW(bar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips), 0);
    // Its drop-down arrows drawn, as the component's.
    ::SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    Plain plain;
    plain.build = Millis(
        [&] {
            remove();
            paint();
            add();
        },
        [] {}, rebuilds);
    plain.remove = Millis(remove, [&] { paint(); add(); });
    plain.paint = Millis(paint, [] {});
    plain.add = Millis([&] { remove(); add(); }, [] {}) - plain.remove;
    plain.toolTips = Millis(
        [&] {
            for (int i = 0; i < items; ++i) {
                TOOLINFOW tool{};
                tool.cbSize = TTTOOLINFOW_V2_SIZE;
                tool.uFlags = 0;  // the bar relays its mouse messages to the tooltip set on it
                tool.hwnd = bar;
                tool.uId = static_cast<UINT_PTR>(9900 + i);
                ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool.rect));
                wchar_t text[] = L"[1000] x";
                tool.lpszText = text;
                ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            }
            ::SendMessageW(bar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips), 0);
        },
        [&] {
            // Each switch starts from a tooltip without tools, as a new group's does.
            for (int i = 0; i < items; ++i) {
                TOOLINFOW tool{};
                tool.cbSize = TTTOOLINFOW_V2_SIZE;
                tool.hwnd = bar;
                tool.uId = static_cast<UINT_PTR>(9900 + i);
                ::SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        });
    ::DestroyWindow(bar);
    if (list != nullptr) ::ImageList_Destroy(list);
    for (HBITMAP b : sources) ::DeleteObject(b);
    ::DeleteObject(font);
    return plain;
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
    // Load and build of the first group; the window is made outside the timing.
    double load = 1e300;
    for (int i = 0; i < 5; ++i) {
        make();
        const auto start = std::chrono::steady_clock::now();
        toolBar->Load();
        const auto end = std::chrono::steady_clock::now();
        load = std::min(load, std::chrono::duration<double, std::milli>(end - start).count());
        unmake();
    }
    bool parsed = true;
    const double msxml = Millis([&] { parsed = MsxmlLoad(bytes) && parsed; }, [] {});
    make();
    toolBar->Load();
    const auto& groups = toolBar->GetRoot()->children;
    // Each switch timed alone: the best and the median of them, the best set against the plain
    // build's best of as many rebuilds (on a shared machine the mean mostly measures the others).
    std::vector<double> switches;
    for (std::size_t g = 1; g < groups.size(); ++g) {
        const auto start = std::chrono::steady_clock::now();
        toolBar->SelectGroup(groups[g]);
        const auto end = std::chrono::steady_clock::now();
        switches.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(switches.begin(), switches.end());
    const double perSwitch = switches.front();
    const double medianSwitch = switches[switches.size() / 2];
    const double toolTips = Millis([&] { toolBar->SetupToolTips(); }, [] {});
    // Part of a switch the plain rebuild leaves out: the group's pictures read from their files
    // (the group's own, then one per run of buttons with the same picture: six here).
    std::vector<std::string> picturePaths;
    for (int i = 0; i < 6; ++i) {
        std::string name = "b";
        name += std::to_string(i % 5);
        name += ".bmp";
        picturePaths.push_back((dir / name).string());
    }
    const double pictures = Millis(
        [&] {
            CFormBitmap picture;
            for (const std::string& path : picturePaths) picture.Load(path);
        },
        [] {}, 20);

    unmake();
    const Plain plain = PlainSwitch(main.GetHwnd(), dir, kItems, static_cast<int>(switches.size()));
    DestroyOrvMainMenu(menu);
    bar.DestroyMenu();
    // Load and build against MSXML's load plus the plain build; a switch against the plain
    // build; SetupToolTips against a plain tool per button.
    std::printf("\n%10s %10s %10s %12s %7s %10s %7s %14s %12s %7s\n", "toolbar", "Load ms", "MSXML ms", "plain build",
                "ratio", "switch ms", "ratio", "SetupToolTips", "plain tools", "ratio");
    std::printf("%10s %10.2f %10.2f %12.2f %7.2f %10.2f %7.2f %14.2f %12.2f %7.2f\n", "40 x 50", load, msxml, plain.build,
                load / (msxml + plain.build), perSwitch, perSwitch / plain.build, toolTips, plain.toolTips,
                toolTips / plain.toolTips);
    std::printf("switch: best of %zu %.2f ms, median %.2f ms; of which its six pictures read from their files %.2f ms\n",
                switches.size(), perSwitch, medianSwitch, pictures);
    std::printf("plain build's parts: buttons deleted %.2f ms, images painted and added %.2f ms, TB_ADDBUTTONS and "
                "TB_SETIMAGELIST %.2f ms\n",
                plain.remove, plain.paint, plain.add);
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
