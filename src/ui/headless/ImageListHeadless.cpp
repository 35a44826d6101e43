#include "ui/ImageList.h"

#include <cstdint>
#include <new>
#include <utility>

#include "services/File.h"

#include "ui/headless/GdiHeadless.h"

using namespace orv::headless;

namespace {

GdiImageList* ListOf(const void* handle) { return Lookup<GdiImageList>(handle, GdiKind::ImageList); }

}  // namespace

CImageList::~CImageList() { DeleteImageList(); }

bool CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
    (void)initial;
    (void)grow;
    if (handle_ != nullptr || cx <= 0 || cy <= 0 || cx > kMaxBitmapSide || cy > kMaxBitmapSide) {
        return false;
    }
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    handle_ = static_cast<HIMAGELIST>(MakeGdi<GdiImageList>([&](GdiImageList& list) {
        list.cx = cx;
        list.cy = cy;
        list.flags = flags;
    }));
    return handle_ != nullptr;
}

int CImageList::Add(CBitmap* bitmap, orv::Color mask) {
    GdiImageList* list = ListOf(handle_);
    auto* source =
        bitmap == nullptr ? nullptr : Lookup<GdiBitmap>(bitmap->GetSafeHandle(), GdiKind::Bitmap);
    if (list == nullptr || source == nullptr || source->stock) return -1;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return -1;
    // As many whole images as the bitmap's width holds; a narrower bitmap adds none but still
    // answers the index the next image would have.
    // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.ImageListMaskedAddDrawsTheBackgroundThroughTheMaskColour
    const int count = source->width / list->cx;
    const int first = static_cast<int>(list->images.size());
    mask &= 0xFFFFFF;
    const bool masked = (list->flags & orv::ui::kIlcMask) != 0;
    // The images are made before any is added: out of memory, the list stays as it was.
    std::vector<GdiImageList::Image> made;
    try {
        made.reserve(static_cast<std::size_t>(count));
        list->images.reserve(list->images.size() + static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    for (int n = 0; n < count; ++n) {
        GdiImageList::Image image;
        const auto size = PixelAt(0, list->cy, list->cx);
        try {
            image.pixels.assign(size, 0);
            image.transparent.assign(size, false);
        } catch (const std::bad_alloc&) {
            return -1;
        }
        for (int y = 0; y < list->cy && y < source->height; ++y) {
            for (int x = 0; x < list->cx; ++x) {
                const orv::Color pixel = source->pixels[PixelAt(n * list->cx + x, y, source->width)];
                const auto at = PixelAt(x, y, list->cx);
                // Pixels of the mask colour are kept black behind a transparent mask.
                // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.ImageListMaskedAddDrawsTheBackgroundThroughTheMaskColour
                const bool clear = masked && pixel == mask;
                image.transparent[at] = clear;
                image.pixels[at] = clear ? 0 : pixel;
            }
        }
        made.push_back(std::move(image));  // reserved: cannot throw
    }
    for (auto& image : made) list->images.push_back(std::move(image));
    // The masked add leaves the mask colour black in the bitmap it was given.
    // measured: 64-bit Wine, tests/ui_gdi_test.cpp GdiTest.ImageListMaskedAddDrawsTheBackgroundThroughTheMaskColour
    if (masked) {
        for (auto& pixel : source->pixels) {
            if (pixel == mask) pixel = 0;
        }
    }
    return first;
}

bool CImageList::DeleteImageList() {
    HIMAGELIST handle = std::exchange(handle_, nullptr);
    return handle != nullptr && DeleteGdi(handle);
}

HIMAGELIST CImageList::Detach() { return std::exchange(handle_, nullptr); }

int CImageList::GetImageCount() const {
    const GdiImageList* list = ListOf(handle_);
    return list == nullptr ? 0 : static_cast<int>(list->images.size());
}

bool CImageList::GetIconSize(HIMAGELIST handle, int& cx, int& cy) {
    const GdiImageList* list = ListOf(handle);
    if (list == nullptr) return false;
    cx = list->cx;
    cy = list->cy;
    return true;
}

bool CImageList::Draw(CDC* dc, int image, CPoint point) {
    const GdiImageList* list = ListOf(handle_);
    GdiDc* target = dc == nullptr ? nullptr : Lookup<GdiDc>(dc->GetSafeHdc(), GdiKind::Dc);
    if (list == nullptr || target == nullptr || image < 0 ||
        image >= static_cast<int>(list->images.size())) {
        return false;
    }
    GdiBitmap* pixels = TargetOf(*target);
    if (pixels == nullptr) return true;
    const GdiImageList::Image& from = list->images[static_cast<std::size_t>(image)];
    for (int y = 0; y < list->cy; ++y) {
        const std::int64_t ty = std::int64_t{point.y} + y;  // 64 bits: the sum overflows int
        if (ty < 0 || ty >= pixels->height) continue;
        for (int x = 0; x < list->cx; ++x) {
            const std::int64_t tx = std::int64_t{point.x} + x;
            if (tx < 0 || tx >= pixels->width) continue;
            const auto at = PixelAt(x, y, list->cx);
            if (from.transparent[at]) continue;
            pixels->pixels[PixelAt(tx, ty, pixels->width)] = from.pixels[at];
        }
    }
    return true;
}
