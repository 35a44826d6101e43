// CComboBoxTR: the toolbar's screen-number box. The user types a screen's code (four
// characters open it at once) or chooses one of the recently opened screens; the box asks the
// host's main window to open it exactly as the menu would. Codes the menu does not know are
// tried as the user's own codes (user tab groups, layouts) through the host's user code
// manager. The box paints itself flat in the form colours, with its own drop-down triangle.
#pragma once

#include <string>

#include "controls/BoxMessage.h"
#include "ui/ComboBox.h"
#include "ui/Gdi.h"
#include "ui/ToolTip.h"

struct IOrvMenu;
class OrvMenu;

class CComboBoxTR : public CComboBox {
public:
    // The longest list entry the box reads back when the user chooses one.
    static constexpr std::size_t kMaxEntryText = 511;
    // The recent list settles at this many entries while only menu screens are added.
    static constexpr int kRecentLimit = 11;

    CComboBoxTR();
    ~CComboBoxTR() override;

    void SetMenu(IOrvMenu* mainMenu) { menu = mainMenu; }
    // Replaces the box's tooltip: text over rect of the box; none for an
    // empty text.
    void SetToolTip(std::string text, CRect rect);
    HWND GetToolTipWnd() const { return toolTip.GetSafeHwnd(); }

    // Puts the screen at the top of the recent list, once.
    void AddRecentScreen(OrvMenu* node);
    // Opens the screen of that code, or the user code, or says it is not found.
    void OpenScreen(std::string code);
    void OpenUserCode(std::string code);
    // For a host whose message loop offers messages to the library: relays them to the
    // tooltip, and consumes Enter when the field holds a code (as OnEditReturn does).
    bool PreTranslateMessage(const orv::controls::BoxMessage& msg);

    // Both notifications are the box's own: the toolbar's window never sees them.
    bool OnSelChange() override;
    bool OnEditChange() override;
    bool OnEditReturn() override;
    void* OnCtlColor(CDC& dc, unsigned kind, void* defaultBrush) override;
    bool OnPaint(CDC& dc) override;
    bool OnNcPaint(CDC& dc) override;

private:
    HWND MainWindow() const;
    void ShowNotFound(const std::string& code);

    IOrvMenu* menu = nullptr;
    CToolTipCtrl toolTip;
    CBrush backBrush;
};
