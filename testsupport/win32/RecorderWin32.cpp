// The recorder on Windows: a subclass of the window (comctl32), installed and removed by the
// test-support library, in front of the procedures and subclasses the window already has.
#include "testsupport/MessageLog.h"

#include <windows.h>
#include <commctrl.h>

#include <type_traits>

namespace orv::test {

struct WindowRecorder::Hook {
    HWND wnd = nullptr;
    MessageLog* log = nullptr;
    bool parent = false;
};

namespace {

LRESULT CALLBACK RecorderProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    auto* hook = reinterpret_cast<WindowRecorder::Hook*>(data);
    if (hook->log != nullptr) hook->log->Add(message, hook->parent, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(wnd, RecorderProc, id);
        hook->wnd = nullptr;
    }
    return ::DefSubclassProc(wnd, message, wParam, lParam);
}
static_assert(std::is_same_v<decltype(&RecorderProc), SUBCLASSPROC>);

}  // namespace

WindowRecorder::WindowRecorder(HWND wnd, MessageLog& log, bool parent) {
    if (wnd == nullptr || !::IsWindow(wnd)) return;
    auto hook = std::make_shared<Hook>(Hook{wnd, &log, parent});
    if (!::SetWindowSubclass(wnd, RecorderProc, reinterpret_cast<UINT_PTR>(hook.get()),
                             reinterpret_cast<DWORD_PTR>(hook.get()))) {
        return;
    }
    hook_ = std::move(hook);
}

WindowRecorder::~WindowRecorder() {
    if (hook_ == nullptr) return;
    hook_->log = nullptr;
    if (hook_->wnd != nullptr && ::IsWindow(hook_->wnd)) {
        ::RemoveWindowSubclass(hook_->wnd, RecorderProc, reinterpret_cast<UINT_PTR>(hook_.get()));
    }
}

bool WindowRecorder::Active() const { return hook_ != nullptr; }

}  // namespace orv::test
