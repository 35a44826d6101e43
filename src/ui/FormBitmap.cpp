#include "ui/FormBitmap.h"

#include <new>

#include "services/File.h"
#include "ui/BmpFile.h"

// The file is decoded here on both back ends rather than by the system's LoadImage: under Wine
// that accepts a file cut short (the missing rows read as black) and shows the rows of top-down
// files black, and a broken file must leave the picture empty.
bool CFormBitmap::Load(const std::string& path) {
    bitmap_.DeleteObject();
    // A picture there is no memory for is refused like a broken one.
    try {
        std::string data;
        if (!orv::file::ReadAll(path, data, orv::ui::kMaxBmpFile)) return false;
        orv::ui::DecodedBmp decoded;
        if (!orv::ui::DecodeBmp(data, decoded)) return false;
        data = std::string();
        return bitmap_.CreateFromPixels(decoded.width, decoded.height, decoded.pixels);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int CFormBitmap::GetWidth() const { return bitmap_.GetWidth(); }

int CFormBitmap::GetHeight() const { return bitmap_.GetHeight(); }

void CFormBitmap::Draw(CDC* dc, CPoint point, int, int) {
    if (dc == nullptr || !IsLoaded()) return;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    void* previous = memory.SelectObject(&bitmap_);
    if (previous == nullptr) return;
    dc->BitBlt(point.x, point.y, GetWidth(), GetHeight(), &memory, 0, 0);
    memory.SelectHandle(previous);
}
