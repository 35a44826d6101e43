// The recorder headless: the window's procedure is wrapped by one that logs first. A wrapper
// cannot be taken out from under a later one (the combo boxes' reflection wraps the toolbar's
// procedure the same way), so a recorder that ends leaves its wrapper passing messages through.
#include <utility>

#include "testsupport/MessageLog.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::test {

struct WindowRecorder::Hook {
    MessageLog* log = nullptr;  // null once the recorder ended
    bool parent = false;
};

WindowRecorder::WindowRecorder(HWND wnd, MessageLog& log, bool parent) {
    if (!orv::headless::IsWindow(wnd)) return;
    hook_ = std::make_shared<Hook>(Hook{&log, parent});
    auto previous = std::move(wnd->proc);
    wnd->proc = [hook = hook_, previous = std::move(previous)](unsigned message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (hook->log != nullptr) hook->log->Add(message, hook->parent, wParam, lParam);
        return previous ? previous(message, wParam, lParam) : 0;
    };
}

WindowRecorder::~WindowRecorder() {
    if (hook_ != nullptr) hook_->log = nullptr;
}

bool WindowRecorder::Active() const { return hook_ != nullptr; }

}  // namespace orv::test
