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

void* CDC::SelectObject(CBitmap* bitmap) { return SelectInto(*this, bitmap); }
void* CDC::SelectObject(CPen* pen) { return SelectInto(*this, pen); }
void* CDC::SelectObject(CBrush* brush) { return SelectInto(*this, brush); }
void* CDC::SelectObject(CFont* font) { return SelectInto(*this, font); }
