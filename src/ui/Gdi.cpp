// What the drawing layer does the same on both back ends: the record of DrawText calls.
#include "ui/Gdi.h"

#include <utility>

namespace orv::ui {

namespace {
std::vector<DrawnText>& Texts() {
    static std::vector<DrawnText> texts;
    return texts;
}
}  // namespace

const std::vector<DrawnText>& DrawnTexts() { return Texts(); }
void ClearDrawnTexts() { Texts().clear(); }
void RecordDrawnText(DrawnText drawn) { Texts().push_back(std::move(drawn)); }

}  // namespace orv::ui
