// Reading what the toolkit drew: the DrawText calls it made, and a bitmap's pixels.
#pragma once

#include <string>
#include <vector>

#include "orvmenu/OrvWinTypes.h"
#include "ui/Gdi.h"

namespace orv::test {

// A DrawText call with the state of its context at the time.
struct DrawnText {
    std::string text;  // code page 950
    CRect rect;
    unsigned format = 0;
    orv::Color color = 0;
    int bkMode = 0;
    std::string faceName;  // of the selected font, empty for the system font
    friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

// Records every DrawText the toolkit makes while it lives, in order. One at a time: the
// recorder puts itself in front of the system's DrawText (the toolkit module's import on
// Windows, the headless system's entry headless) and puts the system's back when it goes.
class DrawTextRecorder {
public:
    DrawTextRecorder();
    DrawTextRecorder(const DrawTextRecorder&) = delete;
    DrawTextRecorder& operator=(const DrawTextRecorder&) = delete;
    ~DrawTextRecorder();

    bool Active() const { return active_; }  // false when the system's DrawText was not found
    const std::vector<DrawnText>& Texts() const { return texts_; }
    void Clear() { texts_.clear(); }

    // For the back ends' hook: the recorder in place, or null.
    static DrawTextRecorder* Current();
    void Add(DrawnText drawn) { texts_.push_back(std::move(drawn)); }

private:
    bool active_ = false;
    std::vector<DrawnText> texts_;
};

// The pixel at (x, y) of a bitmap, or 0xFFFFFFFF outside it.
orv::Color BitmapPixel(const CBitmap& bitmap, int x, int y);

}  // namespace orv::test
