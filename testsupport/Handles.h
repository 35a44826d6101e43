// How many window-system objects the process holds: tests compare the counts before and after
// each test, so a menu, window or drawing object that is never freed shows up as a failure.
#pragma once

namespace orv::test {

struct HandleCounts {
    unsigned user = 0;  // menus and windows
    unsigned gdi = 0;   // fonts, brushes, bitmaps, device contexts, image lists
    friend bool operator==(const HandleCounts&, const HandleCounts&) = default;
};

HandleCounts CountHandles();

// The toolkit's window objects that hold a live window, and the hooks (subclasses) the toolkit
// has on live windows, read from the windows' own marks (CWnd's properties).
struct WindowObjectCounts {
    unsigned objects = 0;
    unsigned hooks = 0;
    friend bool operator==(const WindowObjectCounts&, const WindowObjectCounts&) = default;
};

WindowObjectCounts CountWindowObjects();

}  // namespace orv::test
