#include "ui/FormBitmap.h"

#include <algorithm>
#include <new>

#include "services/File.h"
#include "ui/BmpFile.h"

// The file is decoded here on both back ends rather than by the system's LoadImage: under Wine
// that accepts a file cut short (the missing rows read as black) and shows the rows of top-down
// files black, and a broken file must leave the picture empty.
bool CFormBitmap::Load(const std::string& path) {
    bitmap_.DeleteObject();
    width_ = height_ = 0;
    // A picture there is no memory for is refused like a broken one.
    try {
        std::string data;
        if (!orv::file::ReadAll(path, data, orv::ui::kMaxBmpFile)) return false;
        orv::ui::DecodedBmp decoded;
        if (!orv::ui::DecodeBmp(data, decoded)) return false;
        data = std::string();
        if (!bitmap_.CreateFromPixels(decoded.width, decoded.height, decoded.pixels)) return false;
        width_ = decoded.width;
        height_ = decoded.height;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int CFormBitmap::GetWidth() const { return IsLoaded() ? width_ : 0; }

int CFormBitmap::GetHeight() const { return IsLoaded() ? height_ : 0; }

void CFormBitmap::Draw(CDC* dc, CPoint point, int, int) {
    if (dc == nullptr || !IsLoaded()) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    Draw(dc, &memory, point, width_, height_);
}

void CFormBitmap::Draw(CDC* dc, CDC* memory, CPoint point, int width, int height) {
    if (dc == nullptr || memory == nullptr || !IsLoaded()) return;
    const CSelection selected(*memory, &bitmap_);
    if (!selected) return;
    DrawSelected(dc, memory, point, width, height);
}

void CFormBitmap::DrawSelected(CDC* dc, CDC* memory, CPoint point, int width, int height) const {
    if (dc == nullptr || memory == nullptr || !IsLoaded()) return;
    dc->BitBlt(point.x, point.y, std::min(width, width_), std::min(height, height_), memory, 0, 0);
}
