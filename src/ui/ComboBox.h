// CComboBox and CComboBoxEx: the combo boxes the toolbar's boxes are made of, shaped like the
// framework classes they were written against.
//
// A box's own notifications come back to the box object, as the framework's reflection does:
// CBN_SELCHANGE calls OnSelChange, CBN_EDITCHANGE OnEditChange. A handler that says it handled
// the notification keeps it from the parent; every other notification reaches the parent as the
// box sent it. Enter in the box's edit field calls OnEditReturn although the host's message
// loop never calls the library. The box object hooks its parent (reflection, WM_CTLCOLOR*), its
// own window (WM_PAINT, WM_NCPAINT) and, on Windows, its edit child (Enter). Headless, the box
// is an in-memory control that answers the same messages the same way, including the keyboard
// and paint messages a user's actions send it.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstdint>
#include <string>

#include "orvmenu/OrvWinTypes.h"
#include "orvmenu/Wnd.h"
#include "ui/Gdi.h"
#include "ui/WinDefs.h"

namespace orv::ui {

// An extended combo box's item, as the toolkit passes it with kCbemInsertItem (the window
// system's CBEM_INSERTITEMA): only the text is kept. On Windows the back end hands the control
// its own wide structure.
struct ComboItem {
    unsigned mask = 0;
    int iItem = -1;
    const char* text = nullptr;  // code page 950
};

}  // namespace orv::ui

// A device context that the window system lends for one message (WM_CTLCOLOR*, WM_PAINT's):
// wrapped for the handlers, never deleted or released by the wrapper.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC hdc) { hdc_ = hdc; }
    ~CBorrowedDC() override { hdc_ = nullptr; }
};

class ORV_UI_API CComboBox : public CWnd {
public:
    CComboBox() = default;
    ~CComboBox() override;  // destroys the window it still has

    // style: the window and combo box styles (e.g. 0x50A00042); rect in the parent's client
    // coordinates, the bottom being that of the dropped list.
    virtual bool Create(unsigned style, const CRect& rect, HWND parent, unsigned id);
    LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The list, through the control's messages. Texts are in the terminal's code page.
    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    int FindString(int startAfter, const std::string& text);       // case-insensitive prefix
    int FindStringExact(int startAfter, const std::string& text);  // case-insensitive, whole
    int SelectString(int startAfter, const std::string& text);
    int GetCount();
    int GetCurSel();
    int SetCurSel(int index);
    std::string GetLBText(int index);
    bool SetEditSel(int start, int end);

    // The window.
    std::string GetWindowText();
    void SetWindowText(const std::string& text);
    void SetFocus();
    bool HasFocus() const;  // the keyboard focus is in the box or its edit field
    bool ShowWindow(int command);
    bool IsWindowVisible() const;
    // Moves the window to (x, y) of its parent, keeping its size and z-order (flags 0x115).
    bool MoveTo(int x, int y);
    CRect GetWindowRect() const;  // in the parent's client coordinates
    void SetFont(CFont* font, bool redraw);
    void* GetFont() const;

    // The box's own handlers, called by the toolkit: true when the box handled the
    // notification, which then does not reach the parent.
    virtual bool OnSelChange() { return false; }
    virtual bool OnEditChange() { return false; }
    // Enter in the edit field; true when the box consumed the key.
    virtual bool OnEditReturn() { return false; }
    // WM_CTLCOLOR* of the box's edit field (kCtlColorEdit) and list (kCtlColorListBox): the
    // brush handle to paint with; defaultBrush is what the control would use.
    virtual void* OnCtlColor(CDC& dc, unsigned kind, void* defaultBrush) { (void)dc; (void)kind; return defaultBrush; }
    // WM_PAINT and WM_NCPAINT; true when the box painted and the control's own painting is to
    // be skipped.
    virtual bool OnPaint(CDC& dc) { (void)dc; return false; }
    virtual bool OnNcPaint(CDC& dc) { (void)dc; return false; }

protected:
    // The class the window is made of ("ComboBox", "ComboBoxEx32").
    virtual const char* ClassName() const { return "ComboBox"; }
    bool OnReflect(HWND parent, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool IsPartOf(HWND wnd) const override;
};

class ORV_UI_API CComboBoxEx : public CComboBox {
public:
    // Inserts a text item at index (-1: at the end); the index it got, or -1.
    int InsertItem(int index, const std::string& text);

protected:
    const char* ClassName() const override { return "ComboBoxEx32"; }
};

namespace orv::ui {
// The window system's metric of that index (the value measured on the real system headless).
ORV_UI_API int GetSystemMetrics(int index);
}  // namespace orv::ui
