// What the drawing layer does the same on both back ends: holding a handle and selecting an
// object by its handle.
#include "ui/Gdi.h"

#include <utility>

bool CGdiObject::Attach(void* handle) {
    if (handle_ != nullptr || handle == nullptr) return false;
    handle_ = handle;
    return true;
}

void* CGdiObject::Detach() { return std::exchange(handle_, nullptr); }

namespace {
void* SelectInto(CDC& dc, const CGdiObject* object) {
    return object == nullptr ? nullptr : dc.SelectHandle(object->GetSafeHandle());
}
}  // namespace

HBITMAP CDC::SelectObject(CBitmap* bitmap) { return static_cast<HBITMAP>(SelectInto(*this, bitmap)); }
HPEN CDC::SelectObject(CPen* pen) { return static_cast<HPEN>(SelectInto(*this, pen)); }
HBRUSH CDC::SelectObject(CBrush* brush) { return static_cast<HBRUSH>(SelectInto(*this, brush)); }
HFONT CDC::SelectObject(CFont* font) { return static_cast<HFONT>(SelectInto(*this, font)); }
