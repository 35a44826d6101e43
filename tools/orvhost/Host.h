// orvhost: a host program for the library. This header is what each component's part of
// orvhost sees: the loaded main menu, the host's main window, output, and the registries of
// components (loaded in order, destroyed in reverse) and of script steps.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "orvmenu/OrvWinTypes.h"

struct IOrvMenu;
class CToolBar;

namespace orvhost {

class Host {
public:
    using Args = std::vector<std::string>;
    // A step returns true when it did what it was asked.
    using Step = std::function<bool(Host& host, const Args& args)>;

    virtual ~Host() = default;

    // The main menu component, loaded before any other component.
    virtual IOrvMenu* Menu() = 0;
    // The host's main window; every command the library sends lands here.
    virtual HWND MainWindow() = 0;
    // UTF-8 output for the user.
    virtual std::ostream& Out() = 0;
    // Terminal text (code page 950) as UTF-8, for printing.
    virtual std::string Show(std::string_view text) = 0;
    // Prints the screens the main window was asked to open since the last call, as
    // "-> opens screen (8000) name", and forgets them.
    virtual void ReportCommands() = 0;

    // A component's part of the host: load runs at start-up after the main menu, in the order
    // of registration; unload runs at shut-down in reverse order, before the main menu goes.
    virtual void AddComponent(std::string name, std::function<void(Host&)> load,
                              std::function<void(Host&)> unload) = 0;
    // A step a script or the command line can name: "name arg arg ...". usage shows the
    // arguments; description says in one line what the step does and what its numbers count
    // from ("help" lists both).
    virtual void AddStep(std::string name, std::string usage, std::string description, Step step) = 0;
    // Tells the user why a step could not do what it was asked (say what was wrong and what
    // would have been valid); false, for the step to return.
    virtual bool Error(const std::string& what) = 0;

    // The toolbar window a part made: in orvhost's window it stands under the menu bar, and
    // describe tells the user what a button's command does there.
    virtual void SetToolBar(CToolBar* window, std::function<std::string(unsigned id)> describe) = 0;
    virtual CToolBar* ToolBarWindow() = 0;
    virtual std::string DescribeToolBarCommand(unsigned id) = 0;
};

// Each component's part registers itself here (one function per source file).
void RegisterToolBarPart(Host& host);
void RegisterHotKeyPart(Host& host);
void RegisterTabGroupPart(Host& host);
void RegisterActTabPart(Host& host);

// orvhost grades A B: the screens grade set A sees that B does not, and the reverse, from the
// catalogue in the data folder the environment names. 0 when the catalogue was read.
int RunGrades(std::uint32_t a, std::uint32_t b, const std::string& menuFile, int derivatives, int show8000,
              std::ostream& out);

}  // namespace orvhost
