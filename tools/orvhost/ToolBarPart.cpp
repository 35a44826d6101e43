// orvhost's toolbar: the user's toolbar file (seeded from the terminal's default the first
// time), the buttons as the user sees them, and what pressing them does.
//
// Steps:
//   toolbar                      the buttons of the shown group
//   toolbar-group <name|index>   the user switches group (the switch button's menu)
//   toolbar-press <position>     the user presses a button: what the host receives and does
//   toolbar-menu <position>      the drop-down of a button with items of its own
//   toolbar-context              the toolbar's context menu
//   toolbar-check <position>     the check mark moves to that button
//   toolbar-save                 the toolbar file is written
//   boxes                        the lists of the boxes on the toolbar
//   tr-type <text>               the user types into the screen-number box, a character at a
//                                time ("_" types a blank)
//   tr-enter                     the user presses Enter in the screen-number box
//   tr-choose <index>            the user chooses an entry of the screen-number box's list
//   url-enter <text>             the user types an address into the address box and presses Enter
//   account-choose <index>       the user chooses an account
//   account-update <account> <phone> <cell phone> <name 2> <phone 2> <cell phone 2>
//                                the host refreshes an account's contacts ("-" for empty)
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Host.h"
#include "SaveReport.h"
#include "ToolBarBoxes.h"
#include "orvmenu/Menu.h"
#include "orvmenu/OrvExports.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvToolBar.h"
#include "orvmenu/ToolBar.h"
#include "services/CodePage.h"
#include "services/File.h"
#include "ui/ComboBox.h"
#include "ui/Gdi.h"
#include "ui/ToolBarControl.h"
#include "ui/ToolTip.h"
#include "testsupport/ComboDriver.h"
#include "testsupport/Drawing.h"

namespace orvhost {
namespace {

// A user's toolbar lives in a "User" folder under the data folder; the first start seeds it.
constexpr const char* kToolBarFile = "User/ToolBar.xml";

struct ToolBarState {
    CToolBar window;
    IOrvToolBar* toolBar = nullptr;
    std::vector<std::string> captions;  // painted on each button, in button order
};

LRESULT Send(ToolBarState& s, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return s.window.SendMessage(message, wParam, lParam);
}

int ButtonCount(ToolBarState& s) { return static_cast<int>(Send(s, orv::ui::kTbButtonCount)); }

orv::ui::TbButton ButtonAt(ToolBarState& s, int i) {
    orv::ui::TbButton b;
    Send(s, orv::ui::kTbGetButton, static_cast<std::uintptr_t>(i), reinterpret_cast<std::intptr_t>(&b));
    return b;
}

CRect RectAt(ToolBarState& s, int i) {
    CRect r;
    Send(s, orv::ui::kTbGetItemRect, static_cast<std::uintptr_t>(i), reinterpret_cast<std::intptr_t>(&r));
    return r;
}

// Runs a change of the buttons and remembers the captions it painted.
template <typename Change>
void Rebuild(ToolBarState& s, Change change) {
    orv::test::DrawTextRecorder drawn;
    change();
    s.captions.clear();
    for (const auto& t : drawn.Texts()) s.captions.push_back(t.text);
}

const char* StyleName(std::uint8_t style) {
    switch (style) {
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
    std::vector<CToolTipCtrl::Tool> tips;
    if (const auto tipWnd = reinterpret_cast<HWND>(Send(s, orv::ui::kTbGetToolTips))) {
        tips = CToolTipCtrl::ToolsOf(tipWnd);
    }
    out << "toolbar " << h.Show(root->name) << ": " << ButtonCount(s) << " buttons\n";
    std::size_t painted = 0;
    for (int i = 0; i < ButtonCount(s); ++i) {
        const orv::ui::TbButton b = ButtonAt(s, i);
        const CRect r = RectAt(s, i);
        const auto id = static_cast<std::uint32_t>(b.idCommand);
        const OrvToolBar* item = s.toolBar->GetItem(id);
        out << "  " << i << "  x " << r.left << "-" << r.right << "  [" << id << "] ";
        // A separator carrying the group's command stands in for a box; its width is the box's.
        if ((b.fsStyle & orv::ui::kTbstyleSep) != 0 && item != nullptr && item->type == kOrvTbGroup) {
            ++painted;  // the box's item had its image painted before it became the place holder
            out << "box placeholder, width " << b.iBitmap
                << ((b.fsState & orv::ui::kTbstateHidden) != 0 ? ", hidden" : "") << "\n";
            continue;
        }
        const std::string caption = painted < s.captions.size() ? s.captions[painted] : std::string();
        ++painted;
        out << StyleName(b.fsStyle) << " \"" << h.Show(caption) << "\"";
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

bool ParsePosition(ToolBarState& s, const std::string& text, int& position) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || value < 0 || value >= ButtonCount(s)) return false;
    position = static_cast<int>(value);
    return true;
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

std::shared_ptr<CComboBox> BoxOf(ToolBarState& s, BoxKind kind) { return FindToolBarBox(s.window.GetSafeHwnd(), kind); }

void PrintBox(Host& h, const char* label, CComboBox* box) {
    std::ostream& out = h.Out();
    if (box == nullptr) {
        out << label << ": not on the toolbar\n";
        return;
    }
    const int selected = box->GetCurSel();
    out << label << ": " << box->GetCount() << " entries\n";
    for (int i = 0; i < box->GetCount(); ++i) {
        out << "  " << i << (i == selected ? " * " : "   ") << "\"" << h.Show(box->GetLBText(i)) << "\"\n";
    }
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
void TypeInto(CComboBox& box, const std::string& text) {
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
                    << state->toolBar->GetFilePath() << "\n";
        },
        [state](Host& h) {
            h.SetToolBar(nullptr, nullptr);
            DestroyOrvToolBar(state->toolBar);  // before its window and the main menu
            state->toolBar = nullptr;
            state->window.DestroyWindow();
        });

    host.AddStep("toolbar", "toolbar", [state](Host& h, const Host::Args& args) {
        if (state->toolBar == nullptr || !args.empty()) return false;
        PrintToolBar(h, *state);
        return true;
    });

    host.AddStep("toolbar-group", "toolbar-group <name|index>", [state](Host& h, const Host::Args& args) {
        if (state->toolBar == nullptr || args.size() != 1) return false;
        OrvToolBar* group = GroupByNameOrIndex(*state, args[0]);
        if (group == nullptr) return false;
        Rebuild(*state, [&] { state->toolBar->SelectGroup(group); });
        state->toolBar->SetupToolTips();
        PrintToolBar(h, *state);
        return true;
    });

    host.AddStep("toolbar-press", "toolbar-press <position>", [state](Host& h, const Host::Args& args) {
        int position = 0;
        if (state->toolBar == nullptr || args.size() != 1 || !ParsePosition(*state, args[0], position)) return false;
        // The button sends its command to the host, which looks the record up and acts on it.
        const auto id = static_cast<std::uint32_t>(ButtonAt(*state, position).idCommand);
        h.Out() << "WM_COMMAND " << id << " -> " << h.Show(DescribeCommand(*state, id)) << "\n";
        if (OrvToolBar* item = state->toolBar->GetItem(id); item != nullptr && item->menuNode != nullptr) {
            state->toolBar->AddRecentScreen(item->menuNode);
        }
        return true;
    });

    host.AddStep("toolbar-menu", "toolbar-menu <position>", [state](Host& h, const Host::Args& args) {
        int position = 0;
        if (state->toolBar == nullptr || args.size() != 1 || !ParsePosition(*state, args[0], position)) return false;
        OrvToolBar* item = state->toolBar->GetItem(static_cast<std::uint32_t>(ButtonAt(*state, position).idCommand));
        if (item == nullptr) return false;
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

    host.AddStep("toolbar-context", "toolbar-context", [state](Host& h, const Host::Args& args) {
        if (state->toolBar == nullptr || !args.empty() || state->toolBar->GetRoot() == nullptr) return false;
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

    host.AddStep("toolbar-check", "toolbar-check <position>", [state](Host& h, const Host::Args& args) {
        int position = 0;
        if (state->toolBar == nullptr || args.size() != 1 || !ParsePosition(*state, args[0], position)) return false;
        const auto id = static_cast<std::uint32_t>(ButtonAt(*state, position).idCommand);
        if (state->toolBar->GetItem(id) == nullptr) return false;
        state->toolBar->SetLastAct(id);
        const OrvToolBar* checked = state->toolBar->GetLastAct();
        h.Out() << "checked: " << (checked ? h.Show(checked->name) : std::string("nothing")) << "\n";
        return true;
    });

    host.AddStep("toolbar-save", "toolbar-save", [state](Host& h, const Host::Args& args) {
        if (state->toolBar == nullptr || !args.empty()) return false;
        const std::string path = state->toolBar->GetFilePath();
        // The toolbar's message for a failed save is the path followed by this.
        return SaveAndReport(h, orv::file::NativePath(path), path + "File save error",
                             [&] { state->toolBar->SaveFile(); });
    });

    host.AddStep("boxes", "boxes", [state](Host& h, const Host::Args& args) {
        if (state->toolBar == nullptr || !args.empty()) return false;
        PrintBox(h, "screen number", BoxOf(*state, BoxKind::Screen).get());
        PrintBox(h, "address", BoxOf(*state, BoxKind::Address).get());
        PrintBox(h, "account", BoxOf(*state, BoxKind::Account).get());
        PrintBox(h, "code", BoxOf(*state, BoxKind::Code).get());
        return true;
    });

    host.AddStep("tr-type", "tr-type <text> (\"_\" types a blank)", [state](Host& h, const Host::Args& args) {
        const auto box = state->toolBar != nullptr ? BoxOf(*state, BoxKind::Screen) : nullptr;
        if (box == nullptr || args.size() != 1) return false;
        TypeInto(*box, args[0]);
        h.ReportCommands();
        h.Out() << "field \"" << h.Show(box->GetWindowText()) << "\"\n";
        PrintBox(h, "screen number", box.get());
        return true;
    });

    host.AddStep("tr-enter", "tr-enter", [state](Host& h, const Host::Args& args) {
        const auto box = state->toolBar != nullptr ? BoxOf(*state, BoxKind::Screen) : nullptr;
        if (box == nullptr || !args.empty()) return false;
        orv::test::combo::PressReturn(*box);
        h.ReportCommands();
        PrintBox(h, "screen number", box.get());
        return true;
    });

    host.AddStep("tr-choose", "tr-choose <index>", [state](Host& h, const Host::Args& args) {
        const auto box = state->toolBar != nullptr ? BoxOf(*state, BoxKind::Screen) : nullptr;
        char* end = nullptr;
        const long index = args.size() == 1 ? std::strtol(args[0].c_str(), &end, 10) : -1;
        if (box == nullptr || end == nullptr || *end != '\0' || index < 0 || index >= box->GetCount()) return false;
        orv::test::combo::Choose(*box, static_cast<int>(index));
        h.ReportCommands();
        PrintBox(h, "screen number", box.get());
        return true;
    });

    host.AddStep("url-enter", "url-enter <text>", [state](Host& h, const Host::Args& args) {
        const auto box = state->toolBar != nullptr ? BoxOf(*state, BoxKind::Address) : nullptr;
        if (box == nullptr || args.size() != 1) return false;
        TypeInto(*box, args[0]);
        orv::test::combo::PressReturn(*box);
        // The host gets the address item's command and reads the address from the item.
        if (const OrvToolBar* item = FindOfType(state->toolBar->GetRoot(), kOrvTbUrlEdit)) {
            h.Out() << "address item [" << item->id << "] value \"" << h.Show(item->value) << "\"\n";
        }
        h.ReportCommands();
        PrintBox(h, "address", box.get());
        return true;
    });

    host.AddStep("account-choose", "account-choose <index>", [state](Host& h, const Host::Args& args) {
        const auto box = state->toolBar != nullptr ? BoxOf(*state, BoxKind::Account) : nullptr;
        char* end = nullptr;
        const long index = args.size() == 1 ? std::strtol(args[0].c_str(), &end, 10) : -1;
        if (box == nullptr || end == nullptr || *end != '\0' || index < 0 || index >= box->GetCount()) return false;
        orv::test::combo::Choose(*box, static_cast<int>(index));
        h.ReportCommands();
        PrintBox(h, "account", box.get());
        return true;
    });

    host.AddStep("account-update",
                 "account-update <account> <phone> <cell phone> <name 2> <phone 2> <cell phone 2>",
                 [state](Host& h, const Host::Args& args) {
                     if (state->toolBar == nullptr || args.size() != 6) return false;
                     std::vector<std::string> record;
                     for (const auto& a : args) record.push_back(a == "-" ? std::string() : orv::cp950::FromUtf8(a));
                     state->toolBar->UpdateAccountInfo(&record);
                     PrintBox(h, "account", BoxOf(*state, BoxKind::Account).get());
                     return true;
                 });
}

}  // namespace orvhost
