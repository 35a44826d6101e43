#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#include "services/File.h"

#include "ui/Gdi.h"
#include "ui/headless/GdiHeadless.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::headless {

namespace {

// What a new memory context holds, as the window system's stock objects: a 1x1 monochrome
// bitmap, the black pen, the white brush and the system font.
// measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.ObjectsAreFreedWithTheirOwners
struct Stock {
    GdiBitmap bitmap;
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    Stock() {
        for (GdiObject* object : {static_cast<GdiObject*>(&bitmap), static_cast<GdiObject*>(&pen),
                                  static_cast<GdiObject*>(&brush), static_cast<GdiObject*>(&font)}) {
            object->stock = true;
        }
        bitmap.width = 1;
        bitmap.height = 1;
        brush.color = 0xFFFFFF;
        font.font.faceName.clear();
    }
};

Stock& GetStock() {
    static Stock stock;
    return stock;
}

void Release(GdiObject* object) {
    if (object == nullptr || object->stock) return;
    --object->selections;
    if (object->selections == 0 && object->deletePending) {
        GetSystem().gdiObjects.erase(object);
        delete object;
    }
}

void Hold(GdiObject* object) {
    if (object != nullptr && !object->stock) ++object->selections;
}

// Replaces what a slot of a context holds; the previous object's handle.
template <class T>
void* Swap(T*& slot, T* object) {
    T* previous = slot;
    Hold(object);
    slot = object;
    Release(previous);
    return previous;
}

}  // namespace

void* RegisterGdi(GdiObject* object) {
    try {
        GetSystem().gdiObjects.insert(object);
    } catch (...) {
        delete object;  // as the window system's call, a failed creation leaves nothing behind
        throw;
    }
    return object;
}

GdiObject* LookupGdi(const void* handle, GdiKind kind) {
    if (handle == nullptr) return nullptr;
    Stock& stock = GetStock();
    const GdiObject* candidates[] = {&stock.bitmap, &stock.pen, &stock.brush, &stock.font};
    for (const GdiObject* object : candidates) {
        if (object == handle) return object->kind == kind ? const_cast<GdiObject*>(object) : nullptr;
    }
    if (GetSystem().gdiObjects.count(handle) == 0) return nullptr;
    auto* object = static_cast<GdiObject*>(const_cast<void*>(handle));
    return object->kind == kind && !object->deletePending ? object : nullptr;
}

bool DeleteGdi(void* handle) {
    if (handle == nullptr || GetSystem().gdiObjects.count(handle) == 0) return false;
    auto* object = static_cast<GdiObject*>(handle);
    if (object->deletePending) return false;
    if (object->kind == GdiKind::Dc) {
        auto* dc = static_cast<GdiDc*>(object);
        Release(std::exchange(dc->bitmap, nullptr));
        Release(std::exchange(dc->pen, nullptr));
        Release(std::exchange(dc->brush, nullptr));
        Release(std::exchange(dc->font, nullptr));
    }
    if (object->selections > 0) {
        object->deletePending = true;
        return true;
    }
    GetSystem().gdiObjects.erase(object);
    delete object;
    return true;
}

GdiBitmap* TargetOf(const GdiDc& dc) {
    if (dc.bitmap == nullptr || dc.bitmap->stock) return nullptr;
    return dc.bitmap;
}

}  // namespace orv::headless

using namespace orv::headless;

namespace {

GdiDc* DcOf(void* hdc) { return Lookup<GdiDc>(hdc, GdiKind::Dc); }

// A new context holding bitmap (null for a window's context) and the stock pen, brush and font.
HDC NewDc(GdiBitmap* bitmap, bool memory) {
    return static_cast<HDC>(MakeGdi<GdiDc>([&](GdiDc& dc) {
        Stock& stock = GetStock();
        dc.bitmap = bitmap;
        dc.pen = &stock.pen;
        dc.brush = &stock.brush;
        dc.font = &stock.font;
        dc.memory = memory;
    }));
}

void PutPixel(GdiBitmap& bitmap, int x, int y, orv::Color color) {
    if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return;
    bitmap.pixels[PixelAt(x, y, bitmap.width)] = color;
}

void FillSpan(GdiBitmap& bitmap, int y, int fromX, int toX, orv::Color color) {
    fromX = std::max(fromX, 0);
    toX = std::min(toX, bitmap.width);
    for (int x = fromX; x < toX; ++x) PutPixel(bitmap, x, y, color);
}

// A 1-pixel line from a to b without its last pixel, as the window system's LineTo draws.
// measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.PolygonOutlinesAndFillsTheButtonTriangle
void Line(GdiBitmap& bitmap, CPoint a, CPoint b, orv::Color color) {
    // 64 bits: the distance between two int coordinates, and twice the error, overflow int.
    const std::int64_t dx = std::abs(std::int64_t{b.x} - a.x);
    const std::int64_t dy = std::abs(std::int64_t{b.y} - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    std::int64_t error = dx - dy;
    int x = a.x;
    int y = a.y;
    while (x != b.x || y != b.y) {
        PutPixel(bitmap, x, y, color);
        const std::int64_t twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
}

// Fills the polygon's interior by the alternate rule: on each row y, the spans between pairs of
// edge crossings, a pixel x taken when left crossing <= x < right crossing (the top-left rule
// the window system's regions follow).
// measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.PolygonOutlinesAndFillsTheButtonTriangle
void FillPolygon(GdiBitmap& bitmap, const CPoint* points, int count, orv::Color color) {
    int top = points[0].y;
    int bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, bitmap.height);
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const CPoint a = points[i];
            const CPoint b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            const CPoint low = a.y < b.y ? a : b;
            const CPoint high = a.y < b.y ? b : a;
            if (y < low.y || y >= high.y) continue;
            // In double: the differences of two int coordinates overflow int.
            const double run = static_cast<double>(high.x) - low.x;
            const double rise = static_cast<double>(high.y) - low.y;
            crossings.push_back(low.x + (static_cast<double>(y) - low.y) * run / rise);
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const double from = std::max(crossings[i], -1.0);
            const double to = std::min(crossings[i + 1], static_cast<double>(bitmap.width) + 1.0);
            FillSpan(bitmap, static_cast<int>(y), static_cast<int>(std::ceil(from)),
                     static_cast<int>(std::ceil(to)), color);
        }
    }
}

// Keeps coordinates where the line and span arithmetic cannot overflow.
CPoint Clamp(CPoint p) {
    constexpr int kLimit = 1 << 20;
    return {std::clamp(p.x, -kLimit, kLimit), std::clamp(p.y, -kLimit, kLimit)};
}

}  // namespace

// --- objects -----------------------------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

bool CGdiObject::DeleteObject() {
    void* handle = Detach();
    return handle != nullptr && DeleteGdi(handle);
}

bool CPen::CreatePen(int style, int width, orv::Color color) {
    if (handle_ != nullptr) return false;
    handle_ = MakeGdi<GdiPen>([&](GdiPen& pen) {
        pen.style = style;
        pen.width = width;
        pen.color = color & 0xFFFFFF;
    });
    return handle_ != nullptr;
}

bool CBrush::CreateSolidBrush(orv::Color color) {
    if (handle_ != nullptr) return false;
    handle_ = MakeGdi<GdiBrush>([&](GdiBrush& brush) { brush.color = color & 0xFFFFFF; });
    return handle_ != nullptr;
}

bool CFont::CreateFormFont(const CFormFont& font) {
    if (handle_ != nullptr) return false;
    handle_ = MakeGdi<GdiFont>([&](GdiFont& object) { object.font = font; });
    return handle_ != nullptr;
}

namespace {
bool ValidSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide;
}
}  // namespace

bool CBitmap::CreateCompatibleBitmap(CDC& dc, int width, int height) {
    if (handle_ != nullptr || DcOf(dc.GetSafeHdc()) == nullptr || !ValidSize(width, height)) {
        return false;
    }
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    handle_ = MakeGdi<GdiBitmap>([&](GdiBitmap& bitmap) {
        bitmap.width = width;
        bitmap.height = height;
        // A new bitmap of the screen's format reads back black.
        // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.BitmapsAreCopiedExactly
        bitmap.pixels.assign(PixelAt(0, height, width), 0);
    });
    return handle_ != nullptr;
}

bool CBitmap::CreateFromPixels(int width, int height, const std::vector<orv::Color>& pixels) {
    if (handle_ != nullptr || !ValidSize(width, height) ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return false;
    }
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    handle_ = MakeGdi<GdiBitmap>([&](GdiBitmap& bitmap) {
        bitmap.width = width;
        bitmap.height = height;
        bitmap.pixels = pixels;
        for (auto& pixel : bitmap.pixels) pixel &= 0xFFFFFF;
    });
    return handle_ != nullptr;
}

int CBitmap::GetWidth() const {
    const auto* bitmap = Lookup<GdiBitmap>(handle_, GdiKind::Bitmap);
    return bitmap == nullptr ? 0 : bitmap->width;
}

int CBitmap::GetHeight() const {
    const auto* bitmap = Lookup<GdiBitmap>(handle_, GdiKind::Bitmap);
    return bitmap == nullptr ? 0 : bitmap->height;
}

// --- contexts ----------------------------------------------------------------------------------

CDC::~CDC() {
    if (memory_) DeleteDC();
}

bool CDC::CreateCompatibleDC(CDC* dc) {
    if (hdc_ != nullptr) return false;
    if (dc != nullptr && DcOf(dc->GetSafeHdc()) == nullptr) return false;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    hdc_ = NewDc(&GetStock().bitmap, true);
    memory_ = hdc_ != nullptr;
    return memory_;
}

bool CDC::DeleteDC() {
    if (hdc_ == nullptr || !memory_) return false;
    void* hdc = std::exchange(hdc_, nullptr);
    memory_ = false;
    return DeleteGdi(hdc);
}

void* CDC::SelectHandle(void* handle) {
    GdiDc* dc = DcOf(hdc_);
    if (dc == nullptr || handle == nullptr) return nullptr;
    if (auto* bitmap = Lookup<GdiBitmap>(handle, GdiKind::Bitmap)) {
        // Bitmaps go into memory contexts only, one context at a time.
        // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.ObjectsAreFreedWithTheirOwners
        if (!dc->memory) return nullptr;
        if (bitmap == dc->bitmap) return bitmap;
        if (!bitmap->stock && bitmap->selections > 0) return nullptr;
        return Swap(dc->bitmap, bitmap);
    }
    if (auto* pen = Lookup<GdiPen>(handle, GdiKind::Pen)) return Swap(dc->pen, pen);
    if (auto* brush = Lookup<GdiBrush>(handle, GdiKind::Brush)) return Swap(dc->brush, brush);
    if (auto* font = Lookup<GdiFont>(handle, GdiKind::Font)) return Swap(dc->font, font);
    return nullptr;
}

int CDC::SetBkMode(int mode) {
    GdiDc* dc = DcOf(hdc_);
    if (dc == nullptr || (mode != orv::ui::kTransparent && mode != orv::ui::kOpaque)) return 0;
    return std::exchange(dc->bkMode, mode);
}

orv::Color CDC::SetTextColor(orv::Color color) {
    GdiDc* dc = DcOf(hdc_);
    if (dc == nullptr) return 0xFFFFFFFF;
    return std::exchange(dc->textColor, color & 0xFFFFFF);
}

bool CDC::Polygon(const CPoint* points, int count) {
    GdiDc* dc = DcOf(hdc_);
    if (dc == nullptr || points == nullptr || count < 2) return false;
    GdiBitmap* target = TargetOf(*dc);
    if (target == nullptr) return true;
    std::vector<CPoint> clamped(points, points + count);
    for (auto& point : clamped) point = Clamp(point);
    FillPolygon(*target, clamped.data(), count, dc->brush->color);
    constexpr int kPsNull = 5;
    if (dc->pen->style != kPsNull) {
        for (int i = 0; i < count; ++i) {
            Line(*target, clamped[static_cast<std::size_t>(i)],
                 clamped[static_cast<std::size_t>((i + 1) % count)], dc->pen->color);
        }
    }
    return true;
}

int CDC::DrawText(const std::string& text, CRect rect, unsigned format) {
    if (DcOf(hdc_) == nullptr) return 0;
    return orv::headless::GetSystem().drawText(hdc_, text, rect, format);
}

namespace orv::headless {

int DrawTextOnDc(void* hdc, const std::string& text, const CRect& rect, unsigned format) {
    (void)text;
    (void)rect;
    (void)format;
    const auto* dc = Lookup<GdiDc>(hdc, GdiKind::Dc);
    if (dc == nullptr) return 0;
    // Text is not measured headless: the height of one line of the font stands for the result.
    const int height = std::abs(dc->font->font.height);
    return height == 0 ? 16 : height;
}

}  // namespace orv::headless

void CDC::FillSolidRect(const CRect& rect, orv::Color color) {
    GdiDc* dc = DcOf(hdc_);
    if (dc == nullptr) return;
    // The window system fills through the background colour, which keeps the new value.
    // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.FillSolidRectFillsTheRectangleClipped
    dc->bkColor = color & 0xFFFFFF;
    GdiBitmap* target = TargetOf(*dc);
    if (target == nullptr) return;
    const int left = std::max(std::min(rect.left, rect.right), 0);
    const int right = std::min(std::max(rect.left, rect.right), target->width);
    const int top = std::max(std::min(rect.top, rect.bottom), 0);
    const int bottom = std::min(std::max(rect.top, rect.bottom), target->height);
    for (int y = top; y < bottom; ++y) FillSpan(*target, y, left, right, color & 0xFFFFFF);
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY) {
    GdiDc* dc = DcOf(hdc_);
    GdiDc* from = source == nullptr ? nullptr : DcOf(source->GetSafeHdc());
    if (dc == nullptr || from == nullptr) return false;
    GdiBitmap* target = TargetOf(*dc);
    const GdiBitmap* pixels = TargetOf(*from);
    if (target == nullptr || pixels == nullptr) return true;
    if (width <= 0 || height <= 0) return true;
    // The source may be the target itself.
    // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.BitmapsAreCopiedExactly
    std::vector<orv::Color> own;
    if (pixels == target) own = pixels->pixels;
    const std::vector<orv::Color>& copy = pixels == target ? own : pixels->pixels;
    // 64 bits: a coordinate plus an offset overflows int.
    for (std::int64_t row = 0; row < height && row < kMaxBitmapSide; ++row) {
        const std::int64_t sy = sourceY + row;
        const std::int64_t ty = y + row;
        if (sy < 0 || sy >= pixels->height || ty < 0 || ty >= target->height) continue;
        for (std::int64_t col = 0; col < width && col < kMaxBitmapSide; ++col) {
            const std::int64_t sx = sourceX + col;
            const std::int64_t tx = x + col;
            if (sx < 0 || sx >= pixels->width || tx < 0 || tx >= target->width) continue;
            PutPixel(*target, static_cast<int>(tx), static_cast<int>(ty),
                     copy[PixelAt(sx, sy, pixels->width)]);
        }
    }
    return true;
}

// A window's client context has no pixels of its own headless: what is drawn there is not kept.
CClientDC::CClientDC(HWND wnd) {
    if (wnd != nullptr && !IsWindow(wnd)) return;
    hdc_ = NewDc(nullptr, false);
    wnd_ = wnd;
}

CClientDC::~CClientDC() {
    if (hdc_ != nullptr) DeleteGdi(std::exchange(hdc_, nullptr));
}
