// CComboBoxURL: the toolbar's web address box. It does not browse: it puts the address into its
// toolbar item's value and sends the item's command to the host's main window, which opens it.
// It keeps a history of the addresses, completed with "http://", newest last.
#pragma once

#include <string>

#include "controls/BoxMessage.h"
#include "ui/ComboBox.h"

struct IOrvMenu;
class OrvToolBar;

class CComboBoxURL : public CComboBoxEx {
public:
    static constexpr int kHistoryLimit = 18;

    // Kept for the host; the box itself does not use the menu.
    void SetMenu(IOrvMenu* mainMenu) { menu = mainMenu; }
    IOrvMenu* GetMenu() const { return menu; }
    void SetToolBarItem(OrvToolBar* item) { toolBarItem = item; }

    // The item's value becomes the address as given, and the host gets the item's command.
    void SubmitUrl(std::string address);
    // Adds the address to the history; the caller's text loses its leading white space.
    void AddRecentUrl(std::string& text);
    // For a host whose message loop offers messages to the library: consumes Enter when the
    // field holds more than four characters (as OnEditReturn does).
    bool PreTranslateMessage(const orv::controls::BoxMessage& msg);

    // Both notifications are the box's own: the toolbar's window never sees them. An edit
    // change does nothing.
    bool OnSelChange() override;
    bool OnEditChange() override { return true; }
    bool OnEditReturn() override;

private:
    void SelectFirstStartingWith(const std::string& text);

    IOrvMenu* menu = nullptr;
    OrvToolBar* toolBarItem = nullptr;
};
