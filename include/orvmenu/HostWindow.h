// CHostWindow: a top-level window that stands for a host's main window, or for a window the
// host owns. The library sends its host WM_COMMAND and messages of the private range (WM_USER
// to 0x7FFF, among them kWmUserCode); the window hands those to its handler, and answers 0 to
// them without one. On Windows it is a real (hidden) window; headless, a window of the
// toolkit's window system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"
#include "orvmenu/Wnd.h"

class ORV_UI_API CHostWindow : public CWnd {
public:
    // Gets a message sent to the window and gives the answer. What lParam points at is valid
    // only during the call: a handler that keeps a text copies it. An exception it throws ends
    // at the window (the answer is then 0).
    using Handler = std::function<LRESULT(unsigned message, WPARAM wParam, LPARAM lParam)>;

    // owner: the window that owns this one, or null for a main window.
    explicit CHostWindow(const std::string& title = "orvhost", HWND owner = nullptr);
    ~CHostWindow() override;

    HWND GetHwnd() const { return GetSafeHwnd(); }
    void SetHandler(Handler handler);

    // A named pointer-sized value on the window, as SetPropA and RemovePropA leave one; the
    // library reads kOrvHostServicesProp (orvmenu/OrvHostServices.h) this way. False when the
    // window is gone or out of memory.
    bool SetProp(const char* name, void* value);
    void RemoveProp(const char* name);

protected:
    bool OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Handler handler_;
};
