#include "testsupport/RecordingWindow.h"

namespace orv::test {

RecordingWindow::RecordingWindow(const std::string& title, HWND owner) : window_(title, owner) {
    window_.SetHandler([this](unsigned message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        Message m{message, wParam, lParam, {}};
        if (message == orv::kWmUserCode && lParam != 0) m.text = reinterpret_cast<const char*>(lParam);
        messages_.push_back(std::move(m));
        return 0;
    });
}

}  // namespace orv::test
