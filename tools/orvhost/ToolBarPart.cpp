// orvhost's toolbar: the user's toolbar file (seeded from the terminal's default the first
// time), the buttons as the user sees them, and what pressing them does.
//
// Each step describes itself where it is registered below ("--step help" lists them).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Host.h"
#include "SaveReport.h"
#include "orvmenu/CodePage.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvToolBar.h"
#include "orvmenu/ToolBar.h"
#include "orvmenu/ToolBarBox.h"
#include "testsupport/Drawing.h"
#include "testsupport/ToolBarView.h"

namespace orvhost {
namespace {

// The user's toolbar file, named from the data folder: the user's own folder there, beside the
// user's other files. The first start seeds it from the terminal's default.
constexpr const char* kToolBarFile = "User/ToolBar.xml";

struct ToolBarState {
    CToolBar window;
    IOrvToolBar* toolBar = nullptr;
    std::vector<std::string> captions;  // painted on each button, in button order
};

struct Button {
    unsigned id = 0;
    unsigned style = 0;  // CToolBar::kTbbs*
    int image = 0;       // for a separator its width
};

int ButtonCount(ToolBarState& s) { return s.window.GetCount(); }

Button ButtonAt(ToolBarState& s, int i) {
    Button b;
    s.window.GetButtonInfo(i, b.id, b.style, b.image);
    return b;
}

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

Rect RectAt(ToolBarState& s, int i) {
    Rect r;
    s.window.GetItemRect(i, r.left, r.top, r.right, r.bottom);
    return r;
}

constexpr CToolBar::Box kBoxes[] = {CToolBar::Box::Screen, CToolBar::Box::Address, CToolBar::Box::Account,
                                    CToolBar::Box::Code};

const char* BoxName(CToolBar::Box kind) {
    switch (kind) {
    case CToolBar::Box::Screen: return "screen-number box";
    case CToolBar::Box::Address: return "address box";
    case CToolBar::Box::Account: return "account box";
    case CToolBar::Box::Code: return "code box";
    }
    return "box";
}

// The name of the box that stands over a placeholder, or null. The box starts at the
// placeholder's left edge; a hidden placeholder takes no room, and its box still starts there.
const char* BoxOver(ToolBarState& s, const Rect& place) {
    for (const CToolBar::Box kind : kBoxes) {
        Rect r;
        if (CToolBarBox(s.window.GetBox(kind)).GetRect(r.left, r.top, r.right, r.bottom) &&
            (r.left == place.left || (r.left > place.left && r.left < place.right))) {
            return BoxName(kind);
        }
    }
    return nullptr;
}

// Runs a change of the buttons and remembers the captions it painted.
template <typename Change>
void Rebuild(ToolBarState& s, Change change) {
    orv::test::DrawTextRecorder drawn;
    change();
    s.captions.clear();
    for (const auto& t : drawn.Texts()) s.captions.push_back(t.text);
}

const char* StyleName(unsigned style) {
    switch (style & 0xFFu) {
    case kOrvTbStyleButton: return "button";
    case kOrvTbStyleSep: return "separator";
    case kOrvTbStyleCheck: return "check";
    case kOrvTbStyleGroup: return "group";
    case kOrvTbStyleCheckGroup: return "check group";
    default: return "?";
    }
}

void PrintToolBar(Host& h, ToolBarState& s) {
    std::ostream& out = h.Out();
    const OrvToolBar* root = s.toolBar->GetRoot();
    if (root == nullptr) {
        out << "toolbar: nothing loaded\n";
        return;
    }
    const std::vector<orv::test::ToolBarTip> tips = orv::test::ToolBarTips(s.window);
    out << "toolbar " << h.Show(root->name) << ": " << ButtonCount(s) << " buttons\n";
    std::size_t painted = 0;
    for (int i = 0; i < ButtonCount(s); ++i) {
        const Button b = ButtonAt(s, i);
        const Rect r = RectAt(s, i);
        const std::uint32_t id = b.id;
        const OrvToolBar* item = s.toolBar->GetItem(id);
        out << "  " << i << "  x " << r.left << "-" << r.right << "  [" << id << "] ";
        // A separator carrying the group's command stands in for a box; its width is the box's.
        if ((b.style & CToolBar::kTbbsSeparator) != 0 && item != nullptr && item->type == kOrvTbGroup) {
            ++painted;  // the box's item had its image painted before it became the place holder
            const char* box = BoxOver(s, r);
            out << (box != nullptr ? box : "box placeholder (no box over it)") << ", width " << b.image
                << ((b.style & CToolBar::kTbbsHidden) != 0 ? ", hidden" : "") << "\n";
            continue;
        }
        const std::string caption = painted < s.captions.size() ? s.captions[painted] : std::string();
        ++painted;
        out << StyleName(b.style) << " \"" << h.Show(caption) << "\"";
        if (item != nullptr && item->type == kOrvTbGroupBtn) out << " (switches group)";
        const OrvToolBar* shows = item;
        if (item != nullptr && item->type == kOrvTbGroupBtn) {
            // The switch button carries the selected group's picture.
            for (const OrvToolBar* g : root->children) {
                if (g->type == kOrvTbGroup && g->name == caption) shows = g;
            }
        }
        if (shows != nullptr && !shows->children.empty()) out << " with triangle";
        if (item != nullptr && item->lastAct != 0) out << " checked";
        for (const auto& t : tips) {
            if (t.id == id) out << "  tip \"" << h.Show(t.text) << "\"";
        }
        out << "\n";
    }
}

OrvToolBar* GroupByNameOrIndex(ToolBarState& s, const std::string& text) {
    OrvToolBar* root = s.toolBar->GetRoot();
    if (root == nullptr) return nullptr;
    char* end = nullptr;
    const long index = std::strtol(text.c_str(), &end, 10);
    const bool isIndex = end != text.c_str() && *end == '\0';
    long rank = 0;
    for (OrvToolBar* child : root->children) {
        if (child->type != kOrvTbGroup) continue;
        if (isIndex ? rank == index : child->name == text) return child;
        ++rank;
    }
    return nullptr;
}


void PrintMenu(Host& h, HMENU handle, int level) {
    CMenu m(handle);
    const std::string indent(static_cast<std::size_t>(level) * 2 + 2, ' ');
    for (int i = 0; i < m.GetMenuItemCount(); ++i) {
        switch (m.GetItemKind(i)) {
        case CMenu::ItemKind::Separator: h.Out() << indent << "--------\n"; break;
        case CMenu::ItemKind::Popup:
            h.Out() << indent << h.Show(m.GetMenuString(i)) << " >\n";
            PrintMenu(h, m.GetSubMenu(i), level + 1);
            break;
        default: h.Out() << indent << h.Show(m.GetMenuString(i)) << "  [" << m.GetMenuItemID(i) << "]\n"; break;
        }
    }
    m.Detach();
}

// What the host does with a button's command, in the terminal's code page.
std::string DescribeCommand(ToolBarState& s, std::uint32_t id) {
    const OrvToolBar* item = s.toolBar->GetItem(id);
    if (item == nullptr) return "no toolbar item";
    if (item->type == kOrvTbGroupBtn) return "the group switch button: the host drops the groups down";
    if (item->menuNode != nullptr) {
        return "item " + item->name + ": the host opens (" + item->trCode + ") " + item->menuNode->name;
    }
    if (!item->children.empty()) return "item " + item->name + ": the host drops its menu down";
    return "item " + item->name + ": nothing to open";
}

HWND BoxOf(ToolBarState& s, CToolBar::Box kind) { return s.toolBar != nullptr ? s.window.GetBox(kind) : nullptr; }

void PrintBox(Host& h, const char* label, HWND wnd) {
    std::ostream& out = h.Out();
    if (wnd == nullptr) {
        out << label << ": not on the toolbar\n";
        return;
    }
    CToolBarBox box(wnd);
    const int selected = box.GetCurSel();
    out << label << ": " << box.GetCount() << " entries\n";
    for (int i = 0; i < box.GetCount(); ++i) {
        out << "  " << i << (i == selected ? " * " : "   ") << "\"" << h.Show(box.GetEntry(i)) << "\"\n";
    }
}

// Reads an index into a list of count entries; the error names the valid range.
bool ParseIndex(Host& h, const std::string& text, int count, const char* what, int& index) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value >= count) {
        if (count == 0) return h.Error(std::string(what) + " is empty: there is nothing to choose");
        return h.Error("'" + text + "' is not an index into " + what + ": 0 to " + std::to_string(count - 1) +
                       ", counted from 0");
    }
    index = static_cast<int>(value);
    return true;
}

// A button's position as the toolbar step prints it; the error names the buttons there are.
bool ParsePosition(Host& h, ToolBarState& s, const std::string& text, int& position) {
    return ParseIndex(h, text, ButtonCount(s), "the toolbar's buttons (the toolbar step numbers them)", position);
}

const OrvToolBar* FindOfType(const OrvToolBar* from, std::int32_t type) {
    if (from == nullptr) return nullptr;
    for (const OrvToolBar* child : from->children) {
        if (child->type == type) return child;
        if (const OrvToolBar* found = FindOfType(child, type)) return found;
    }
    return nullptr;
}

// The text as the user types it: "_" stands for a blank, which a step's words cannot hold.
void TypeInto(HWND box, const std::string& text) {
    for (char c : text) orv::test::combo::TypeChar(box, c == '_' ? ' ' : c);
}

}  // namespace

void RegisterToolBarPart(Host& host) {
    auto state = std::make_shared<ToolBarState>();

    host.AddComponent(
        "toolbar",
        [state](Host& h) {
            if (!state->window.Create(h.MainWindow())) {
                h.Out() << "toolbar: the toolbar window could not be made\n";
                return;
            }
            state->toolBar = CreateOrvToolBar();
            if (state->toolBar == nullptr) return;
            state->toolBar->SetFileName(kToolBarFile);
            state->toolBar->SetToolBarWnd(&state->window);
            state->toolBar->SetMenu(h.Menu());
            state->toolBar->SetUserInfoMode(2);  // the account box, with the host's accounts
            Rebuild(*state, [&] { state->toolBar->Load(); });
            state->toolBar->SetupToolTips();
            h.SetToolBar(&state->window, [state](unsigned id) { return DescribeCommand(*state, id); });
            const OrvToolBar* root = state->toolBar->GetRoot();
            h.Out() << "toolbar: " << (root ? root->children.size() : 0) << " root items from "
                    << orv::file::NativePath(state->toolBar->GetFilePath()) << "\n";
        },
        [state](Host& h) {
            h.SetToolBar(nullptr, nullptr);
            DestroyOrvToolBar(state->toolBar);  // before its window and the main menu
            state->toolBar = nullptr;
            state->window.DestroyWindow();
        });

    // Every step below needs the loaded toolbar.
    const auto loaded = [state](Host& h) {
        return state->toolBar != nullptr || h.Error("the toolbar is not loaded (see the toolbar line above)");
    };

    host.AddStep("toolbar", "toolbar",
                 "prints the shown group's buttons as the user sees them, numbered from 0 at the left; "
                 "each box is named over its placeholder",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (!args.empty() || !loaded(h)) return false;
                     PrintToolBar(h, *state);
                     return true;
                 });

    host.AddStep("toolbar-group", "toolbar-group <name|index>",
                 "the user switches to a group of the switch button's menu, by name or by index from 0",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (args.size() != 1 || !loaded(h)) return false;
                     OrvToolBar* group = GroupByNameOrIndex(*state, args[0]);
                     if (group == nullptr) {
                         std::string names;
                         int count = 0;
                         if (const OrvToolBar* root = state->toolBar->GetRoot()) {
                             for (const OrvToolBar* g : root->children) {
                                 if (g->type != kOrvTbGroup) continue;
                                 names += (count == 0 ? "" : ", ") + std::to_string(count) + " " + h.Show(g->name);
                                 ++count;
                             }
                         }
                         return h.Error("no group '" + args[0] + "'; the groups, from 0: " + (count ? names : "none"));
                     }
                     Rebuild(*state, [&] { state->toolBar->SelectGroup(group); });
                     state->toolBar->SetupToolTips();
                     PrintToolBar(h, *state);
                     return true;
                 });

    host.AddStep("toolbar-press", "toolbar-press <position>",
                 "the user presses the button at that position (from 0, as the toolbar step numbers them): "
                 "what the host receives and does",
                 [state, loaded](Host& h, const Host::Args& args) {
                     int position = 0;
                     if (args.size() != 1 || !loaded(h) || !ParsePosition(h, *state, args[0], position)) return false;
                     // The button sends its command to the host, which looks the record up and acts on it.
                     const std::uint32_t id = ButtonAt(*state, position).id;
                     h.Out() << "WM_COMMAND " << id << " -> " << h.Show(DescribeCommand(*state, id)) << "\n";
                     if (OrvToolBar* item = state->toolBar->GetItem(id); item != nullptr && item->menuNode != nullptr) {
                         state->toolBar->AddRecentScreen(item->menuNode);
                     }
                     return true;
                 });

    host.AddStep("toolbar-menu", "toolbar-menu <position>",
                 "the drop-down menu of the button at that position (from 0): its own items, or the groups",
                 [state, loaded](Host& h, const Host::Args& args) {
                     int position = 0;
                     if (args.size() != 1 || !loaded(h) || !ParsePosition(h, *state, args[0], position)) return false;
                     OrvToolBar* item = state->toolBar->GetItem(ButtonAt(*state, position).id);
                     if (item == nullptr) return h.Error("the button at " + args[0] + " has no toolbar item");
                     CMenu drop;
                     drop.CreatePopupMenu();
                     // The switch button drops down the groups; any other button its own items.
                     if (item->type == kOrvTbGroupBtn) state->toolBar->BuildPlainMenu(&drop, state->toolBar->GetRoot());
                     else state->toolBar->BuildContextMenu(&drop, item);
                     h.Out() << "drop-down of " << h.Show(item->name) << ":\n";
                     PrintMenu(h, drop.GetSafeHmenu(), 0);
                     drop.DestroyMenu();
                     return true;
                 });

    host.AddStep("toolbar-context", "toolbar-context", "the toolbar's context menu (a right click on the toolbar)",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (!args.empty() || !loaded(h)) return false;
                     if (state->toolBar->GetRoot() == nullptr) return h.Error("the toolbar file had no toolbar");
                     if (state->toolBar->IsContextMenuOn() == 0) {
                         h.Out() << "the toolbar has no context menu\n";
                         return true;
                     }
                     CMenu context;
                     context.CreatePopupMenu();
                     state->toolBar->BuildContextMenu(&context, state->toolBar->GetRoot());
                     h.Out() << "context menu:\n";
                     PrintMenu(h, context.GetSafeHmenu(), 0);
                     context.DestroyMenu();
                     return true;
                 });

    host.AddStep("toolbar-check", "toolbar-check <position>",
                 "the check mark moves to the button at that position (from 0)",
                 [state, loaded](Host& h, const Host::Args& args) {
                     int position = 0;
                     if (args.size() != 1 || !loaded(h) || !ParsePosition(h, *state, args[0], position)) return false;
                     const std::uint32_t id = ButtonAt(*state, position).id;
                     if (state->toolBar->GetItem(id) == nullptr) {
                         return h.Error("the button at " + args[0] + " has no toolbar item to check");
                     }
                     state->toolBar->SetLastAct(id);
                     const OrvToolBar* checked = state->toolBar->GetLastAct();
                     h.Out() << "checked: " << (checked ? h.Show(checked->name) : std::string("nothing")) << "\n";
                     return true;
                 });

    host.AddStep("toolbar-save", "toolbar-save", "writes the user's toolbar file and prints it (or the failure)",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (!args.empty() || !loaded(h)) return false;
                     const std::string path = state->toolBar->GetFilePath();
                     // The toolbar's message for a failed save is the path followed by this.
                     return SaveAndReport(h, orv::file::NativePath(path), path + "File save error",
                                          [&] { state->toolBar->SaveFile(); });
                 });

    host.AddStep("boxes", "boxes", "the lists of the boxes on the toolbar, each entry numbered from 0",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (!args.empty() || !loaded(h)) return false;
                     PrintBox(h, "screen number", BoxOf(*state, CToolBar::Box::Screen));
                     PrintBox(h, "address", BoxOf(*state, CToolBar::Box::Address));
                     PrintBox(h, "account", BoxOf(*state, CToolBar::Box::Account));
                     PrintBox(h, "code", BoxOf(*state, CToolBar::Box::Code));
                     return true;
                 });

    // The box of that kind, or an error saying it is not there.
    const auto boxOf = [state, loaded](Host& h, CToolBar::Box kind) -> HWND {
        if (!loaded(h)) return nullptr;
        HWND box = BoxOf(*state, kind);
        if (box == nullptr) h.Error(std::string("the shown group has no ") + BoxName(kind));
        return box;
    };

    host.AddStep("tr-type", "tr-type <text>",
                 "the user types into the screen-number box after what its field holds, a character at a time "
                 "(\"_\" types a blank)",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (args.size() != 1) return false;
                     HWND box = boxOf(h, CToolBar::Box::Screen);
                     if (box == nullptr) return false;
                     TypeInto(box, args[0]);
                     h.ReportCommands();
                     h.Out() << "field \"" << h.Show(CToolBarBox(box).GetText()) << "\"\n";
                     PrintBox(h, "screen number", box);
                     return true;
                 });

    host.AddStep("tr-clear", "tr-clear", "empties the screen-number box's field, as the user deleting what it holds",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (!args.empty()) return false;
                     HWND box = boxOf(h, CToolBar::Box::Screen);
                     if (box == nullptr) return false;
                     CToolBarBox(box).SetText("");
                     h.Out() << "field \"" << h.Show(CToolBarBox(box).GetText()) << "\"\n";
                     return true;
                 });

    host.AddStep("tr-enter", "tr-enter", "the user presses Enter in the screen-number box",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (!args.empty()) return false;
                     HWND box = boxOf(h, CToolBar::Box::Screen);
                     if (box == nullptr) return false;
                     orv::test::combo::PressReturn(box);
                     h.ReportCommands();
                     PrintBox(h, "screen number", box);
                     return true;
                 });

    host.AddStep("tr-choose", "tr-choose <index>",
                 "the user chooses the entry at that index (from 0, as boxes prints it) of the screen-number "
                 "box's list",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (args.size() != 1) return false;
                     HWND box = boxOf(h, CToolBar::Box::Screen);
                     int index = 0;
                     if (box == nullptr ||
                         !ParseIndex(h, args[0], CToolBarBox(box).GetCount(), "the screen-number box's list", index)) {
                         return false;
                     }
                     orv::test::combo::Choose(box, index);
                     h.ReportCommands();
                     PrintBox(h, "screen number", box);
                     return true;
                 });

    host.AddStep("url-enter", "url-enter <text>",
                 "the user types an address into the address box and presses Enter",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (args.size() != 1) return false;
                     HWND box = boxOf(h, CToolBar::Box::Address);
                     if (box == nullptr) return false;
                     TypeInto(box, args[0]);
                     orv::test::combo::PressReturn(box);
                     // The host gets the address item's command and reads the address from the item.
                     if (const OrvToolBar* item = FindOfType(state->toolBar->GetRoot(), kOrvTbUrlEdit)) {
                         h.Out() << "address item [" << item->id << "] value \"" << h.Show(item->value) << "\"\n";
                     }
                     h.ReportCommands();
                     PrintBox(h, "address", box);
                     return true;
                 });

    host.AddStep("account-choose", "account-choose <index>",
                 "the user chooses the account at that index (from 0, as boxes prints it)",
                 [state, boxOf](Host& h, const Host::Args& args) {
                     if (args.size() != 1) return false;
                     HWND box = boxOf(h, CToolBar::Box::Account);
                     int index = 0;
                     if (box == nullptr ||
                         !ParseIndex(h, args[0], CToolBarBox(box).GetCount(), "the account box's list", index)) {
                         return false;
                     }
                     orv::test::combo::Choose(box, index);
                     h.ReportCommands();
                     PrintBox(h, "account", box);
                     return true;
                 });

    host.AddStep("account-update",
                 "account-update <account> <phone> <cell phone> <name 2> <phone 2> <cell phone 2>",
                 "the host refreshes an account's six contact fields (\"-\" for an empty one)",
                 [state, loaded](Host& h, const Host::Args& args) {
                     if (args.size() != 6 || !loaded(h)) return false;
                     std::vector<std::string> record;
                     for (const auto& a : args) record.push_back(a == "-" ? std::string() : orv::cp950::FromUtf8(a));
                     state->toolBar->UpdateAccountInfo(&record);
                     PrintBox(h, "account", BoxOf(*state, CToolBar::Box::Account));
                     return true;
                 });
}

}  // namespace orvhost
