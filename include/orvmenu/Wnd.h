// CWnd: the window object every window of the toolkit is made of (combo boxes, the toolbar,
// tooltips, host windows), on Windows and headless alike.
//
// An object takes its window when the window is made (Attach) and hooks it, so that it learns
// of the window's end in the window's own WM_NCDESTROY, whoever destroys it: then every hook
// the object installed is removed, in one place, and the object holds no handle any more.
// Hooks on other windows (a box's parent, its edit field) go through the same mechanism; the
// parent's hook reflects the object's notifications back to it, and a notification the object
// does not handle goes on to the parent unchanged, as if nothing had intercepted it.
//
// Each window an object holds carries the property orv::wnd::kObjectProp, and each window the
// toolkit hooks the property orv::wnd::kHookCountProp (how many hooks it holds): tools that look at the window
// system from outside count them there.
#pragma once

#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

namespace orv::wnd {
inline constexpr char kObjectProp[] = "orv.wnd.object";
inline constexpr char kHookCountProp[] = "orv.wnd.hooks";
}  // namespace orv::wnd

class ORV_UI_API CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Removes the object's hooks; the window itself is destroyed by the class that made it,
    // while its handlers are still those of that class.
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return hwnd_; }
    // Destroys the window the object holds; its WM_NCDESTROY clears the object. False when the
    // object holds none.
    bool DestroyWindow();

protected:
    // Takes a window just made by this object and hooks it.
    bool Attach(HWND wnd);
    // Hooks another window: its messages reach OnMessage first. Once per window.
    bool Hook(HWND wnd);
    // Inside OnMessage or OnReflect: the answer the window would give without this object's
    // hook (the next hook, then the window's own procedure).
    static LRESULT CallNext(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam);

    // A message to a window this object hooked (its own or another): true when it is answered
    // with result; false lets it go on unchanged.
    virtual bool OnMessage(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification (WM_COMMAND, WM_CTLCOLOR*) from this object's window, caught at a hooked
    // parent: true when handled, result being the parent's answer; false lets the parent have it.
    virtual bool OnReflect(HWND parent, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Whether a window that reported to the parent is this object's window or part of it.
    virtual bool IsPartOf(HWND wnd) const { return wnd != nullptr && wnd == hwnd_; }
    // The object's window is at its WM_NCDESTROY; the hooks are gone already.
    virtual void OnNcDestroy() {}

private:
    friend struct WndHookEntry;  // the back end's hook procedure calls Dispatch
    static constexpr int kMaxHooks = 4;
    bool Dispatch(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Unhook(HWND wnd);
    void RemoveHooks();

    HWND hwnd_ = nullptr;
    HWND hooked_[kMaxHooks] = {};
};
