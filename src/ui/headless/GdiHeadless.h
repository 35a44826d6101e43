// The headless drawing objects behind the handles of Gdi.h, ImageList.h and FormBitmap.h.
//
// A handle is the address of one of these objects; it is valid while the object is registered
// in the window system's gdiObjects (or is one of the stock objects every context starts with).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "orvmenu/FormFont.h"
#include "orvmenu/OrvLibApi.h"
#include "orvmenu/OrvWinTypes.h"

namespace orv::headless {

enum class GdiKind { Bitmap, Pen, Brush, Font, Dc, ImageList };

struct GdiObject {
    explicit GdiObject(GdiKind k) : kind(k) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;

    const GdiKind kind;
    bool stock = false;
    int selections = 0;          // contexts it is selected into
    bool deletePending = false;  // deleted while selected: freed when the last context lets go
};

struct GdiBitmap : GdiObject {
    GdiBitmap() : GdiObject(GdiKind::Bitmap) {}
    int width = 0;
    int height = 0;
    std::vector<orv::Color> pixels;  // rows top-down; empty for the stock bitmap
};

struct GdiPen : GdiObject {
    GdiPen() : GdiObject(GdiKind::Pen) {}
    int style = 0;
    int width = 1;
    orv::Color color = 0;
};

struct GdiBrush : GdiObject {
    GdiBrush() : GdiObject(GdiKind::Brush) {}
    orv::Color color = 0;
};

struct GdiFont : GdiObject {
    GdiFont() : GdiObject(GdiKind::Font) {}
    CFormFont font;  // the stock system font has an empty face name
};

struct GdiDc : GdiObject {
    GdiDc() : GdiObject(GdiKind::Dc) {}
    bool memory = false;
    GdiBitmap* bitmap = nullptr;
    GdiPen* pen = nullptr;
    GdiBrush* brush = nullptr;
    GdiFont* font = nullptr;
    int bkMode = 2;                 // opaque
    orv::Color textColor = 0;       // black
    orv::Color bkColor = 0xFFFFFF;  // white
};

struct GdiImageList : GdiObject {
    GdiImageList() : GdiObject(GdiKind::ImageList) {}
    int cx = 0;
    int cy = 0;
    unsigned flags = 0;
    struct Image {
        std::vector<orv::Color> pixels;
        std::vector<bool> transparent;
    };
    std::vector<Image> images;
};

// Adds an object to the process's drawing objects and returns its handle.
void* RegisterGdi(GdiObject* object);
// Makes an object, lets fill set it up and registers it. Out of memory the window system's
// call fails, it never throws: null, and nothing is left behind.
template <class T, class Fill>
void* MakeGdi(Fill&& fill) {
    try {
        auto object = std::make_unique<T>();
        fill(*object);
        return RegisterGdi(object.release());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
// The object behind a handle, or null when the handle is not a live object of that kind.
ORV_UI_API GdiObject* LookupGdi(const void* handle, GdiKind kind);
template <class T>
T* Lookup(const void* handle, GdiKind kind) {
    return static_cast<T*>(LookupGdi(handle, kind));
}
// Deletes a registered object; one still selected into a context goes when it is deselected.
bool DeleteGdi(void* handle);

// The target pixels of a context, or null when it has none (a window's context, a memory
// context still holding its stock bitmap).
GdiBitmap* TargetOf(const GdiDc& dc);

// The index of pixel (x, y) in rows of width pixels; in size_t, where the product cannot overflow.
inline std::size_t PixelAt(std::int64_t x, std::int64_t y, std::int64_t width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

// The largest bitmap side the toolkit makes: bounds the memory a broken file can ask for.
constexpr int kMaxBitmapSide = 4096;

}  // namespace orv::headless
