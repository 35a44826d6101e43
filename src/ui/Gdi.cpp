// What the drawing layer does the same on both back ends: holding a handle, and the record of
// DrawText calls.
#include "ui/Gdi.h"

#include <utility>

bool CGdiObject::Attach(void* handle) {
    if (handle_ != nullptr || handle == nullptr) return false;
    handle_ = handle;
    return true;
}

void* CGdiObject::Detach() { return std::exchange(handle_, nullptr); }

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
