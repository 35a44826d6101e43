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

}  // namespace orv::test
