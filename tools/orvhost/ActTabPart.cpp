// orvhost's action tab bar: the component over a recording tab control, with one tab per
// screen the user opens.
//
// Each step describes itself where it is registered below ("--step help" lists them).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Host.h"
#include "testsupport/RecordingActTabBar.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvMenu.h"

namespace orvhost {
namespace {

constexpr const char* kStyleFile = "ActTab.xml";
// The host's value for the control; the recording control only shows it.
constexpr std::uint32_t kTabParam = 1;

struct ActTabState {
    IOrvActTab* actTab = nullptr;
    CRecordingActTabBar bar;  // the host owns its control; the component only uses it
    // The host's tab records, one per open screen, in the order they were opened.
    std::vector<std::unique_ptr<OrvActTabItem>> items;

    OrvActTabItem* Find(const std::string& trCode) const {
        for (const auto& item : items)
            if (item->trCode == trCode) return item.get();
        return nullptr;
    }
    std::int32_t Position(const OrvActTabItem* item) const {
        const auto& tabs = bar.Tabs();
        return static_cast<std::int32_t>(std::find(tabs.begin(), tabs.end(), item) -
                                         tabs.begin());
    }
};

std::string TabText(Host& host, const OrvActTabItem& item) {
    return "(" + item.trCode + ") " + host.Show(item.caption);
}

void PrintTabs(Host& host, const CRecordingActTabBar& bar) {
    std::ostream& out = host.Out();
    out << "  tabs     ";
    if (bar.Tabs().empty()) out << " (none)";
    for (const OrvActTabItem* item : bar.Tabs())
        out << (item == bar.Selected() ? " *" : "  ") << TabText(host, *item);
    out << "\n";
}

void PrintColors(Host& host, const CRecordingActTabBar& bar) {
    host.Out() << "  selected  text " << bar.SelForeColor().toString() << " on "
               << bar.SelBackColor().toString() << "\n"
               << "  normal    text " << bar.NorForeColor().toString() << " on "
               << bar.NorBackColor().toString() << "\n";
}

void PrintBar(Host& host, const CRecordingActTabBar& bar) {
    if (!bar.Created()) {
        host.Out() << "action tab bar: not shown (" << kStyleFile
                   << " unreadable or not USE Y)\n";
        return;
    }
    host.Out() << "action tab bar on window 0x" << std::hex << bar.creationWnd << std::dec
               << ", parameter " << bar.creationParam << "\n"
               << "  font      " << host.Show(bar.Font().toString()) << "\n";
    PrintColors(host, bar);
    PrintTabs(host, bar);
}

// Whether the step got its number of arguments; orvhost prints the usage when not.
bool Expect(const Host::Args& args, std::size_t count) { return args.size() == count; }

}  // namespace

void RegisterActTabPart(Host& host) {
    auto state = std::make_shared<ActTabState>();

    host.AddComponent(
        "action tab bar",
        [state](Host& h) {
            state->actTab = CreateOrvActTab();
            if (!state->actTab) return;
            state->actTab->SetActTabBar(&state->bar);
            state->actTab->SetTabParam(kTabParam);
            // A first load without a window only asks the style file whether to show the bar.
            if (state->actTab->LoadActTab(kStyleFile, 0))
                state->actTab->LoadActTab(kStyleFile,
                                          reinterpret_cast<std::intptr_t>(h.MainWindow()));
            PrintBar(h, state->bar);
        },
        [state](Host&) {
            // The screens close with the host: their tabs go before the records they point to.
            if (state->actTab && state->bar.Created()) state->actTab->DeleteTabItems();
            DestroyOrvActTab(state->actTab);
            state->actTab = nullptr;
            state->items.clear();
        });

    // The tab steps need the component and a shown bar.
    auto ready = [state](Host& h) {
        if (state->actTab && state->bar.Created()) return true;
        return h.Error("the action tab bar is not shown (its style file asks for no bar)");
    };

    host.AddStep("tabs", "tabs", "the action tab bar: its font, colours and tabs (* marks the selected one)",
                 [state, ready](Host& h, const Host::Args& args) {
        if (!Expect(args, 0) || !ready(h)) return false;
        PrintBar(h, state->bar);
        return true;
    });

    host.AddStep("tab-open", "tab-open <trcode>",
                 "the host opens a screen: its tab, named from its menu entry, is added (once) and selected",
                 [state, ready](Host& h, const Host::Args& args) {
        if (!Expect(args, 1) || !ready(h)) return false;
        const OrvMenu* node = h.Menu() ? h.Menu()->GetMenuByTRCode(args[0]) : nullptr;
        if (!node) return h.Error("no screen has the TR code '" + args[0] + "' in the catalogue");
        OrvActTabItem* item = state->Find(node->trCode);
        if (!item) {
            // A new screen's tab goes at the end of the bar.
            state->items.push_back(
                std::make_unique<OrvActTabItem>(OrvActTabItem{node->trCode, node->name, nullptr}));
            item = state->items.back().get();
            state->actTab->InsertTabItem(item,
                                         static_cast<std::int32_t>(state->bar.Tabs().size()));
        }
        state->actTab->SelectTabItem(item, state->Position(item));
        PrintTabs(h, state->bar);
        return true;
    });

    host.AddStep("tab-close", "tab-close <trcode>", "the host closes a screen: its tab goes",
                 [state, ready](Host& h, const Host::Args& args) {
        if (!Expect(args, 1) || !ready(h)) return false;
        OrvActTabItem* item = state->Find(args[0]);
        if (!item) {
            std::string open;
            for (const auto& owned : state->items) open += (open.empty() ? "" : ", ") + owned->trCode;
            return h.Error("no tab for screen " + args[0] + "; the open screens: " + (open.empty() ? "none" : open));
        }
        state->actTab->DeleteTabItem(item, state->Position(item));
        std::erase_if(state->items, [item](const auto& owned) { return owned.get() == item; });
        // When the selected screen closed, the last tab becomes the selected one.
        const auto& tabs = state->bar.Tabs();
        if (!state->bar.Selected() && !tabs.empty())
            state->actTab->SelectTabItem(tabs.back(), state->Position(tabs.back()));
        PrintTabs(h, state->bar);
        return true;
    });

    const char* colorUsage = "tab-color <sel|nor> <fore|back> <R,G,B>";
    host.AddStep("tab-color", colorUsage,
                 "sets one of the four colours: the selected (sel) or the other (nor) tabs' text (fore) or background",
                 [state](Host& h, const Host::Args& args) {
        if (!Expect(args, 3)) return false;
        if (!state->actTab) return h.Error("the action tab bar is not loaded");
        CFormColor color;
        const bool sel = args[0] == "sel", fore = args[1] == "fore";
        if (!sel && args[0] != "nor") return h.Error("'" + args[0] + "' is not sel or nor");
        if (!fore && args[1] != "back") return h.Error("'" + args[1] + "' is not fore or back");
        if (!color.fromString(args[2])) {
            return h.Error("'" + args[2] + "' is not a colour: R,G,B (each 0 to 255) or #RRGGBB");
        }
        IOrvActTab* actTab = state->actTab;
        if (sel && fore) actTab->SetSelForeColor(color);
        if (sel && !fore) actTab->SetSelBackColor(color);
        if (!sel && fore) actTab->SetNorForeColor(color);
        if (!sel && !fore) actTab->SetNorBackColor(color);
        if (state->bar.Created()) actTab->RedrawActTab();
        // Without a shown bar the component keeps the colour for when the bar is created.
        PrintColors(h, state->bar);
        return true;
    });
}

}  // namespace orvhost
