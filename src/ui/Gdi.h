// Drawing: device contexts, bitmaps, pens, brushes and fonts, shaped like the MFC classes the
// components were written against.
//
// On Windows each object wraps a real GDI handle. Headless, bitmaps are real pixel buffers
// (0x00BBGGRR per pixel, as COLORREF), so what a component paints has the same pixels on both
// back ends; text is not rasterised headless.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/FormFont.h"
#include "orvmenu/OrvWinTypes.h"
#include "ui/WinDefs.h"

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

// Layout-compatible with the window system's RECT (four 32-bit integers).
struct CRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// Drawing handles, declared exactly as <windows.h> declares them (an opaque struct pointer per
// kind), so a handle of one kind never passes for another, and the Windows back end hands them
// to the system as they are. Headless they point at the toolkit's own objects.
struct HDC__;
typedef HDC__* HDC;
struct HBITMAP__;
typedef HBITMAP__* HBITMAP;
struct HPEN__;
typedef HPEN__* HPEN;
struct HBRUSH__;
typedef HBRUSH__* HBRUSH;
struct HFONT__;
typedef HFONT__* HFONT;

class CDC;

// The base of the drawing objects: owns its handle and deletes it when it goes.
class ORV_UI_API CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    bool DeleteObject();
    void* GetSafeHandle() const { return handle_; }
    // Takes over a handle; the object must be empty.
    bool Attach(void* handle);
    void* Detach();

protected:
    void* handle_ = nullptr;
};

class ORV_UI_API CPen : public CGdiObject {
public:
    bool CreatePen(int style, int width, orv::Color color);
};

class ORV_UI_API CBrush : public CGdiObject {
public:
    bool CreateSolidBrush(orv::Color color);
};

class ORV_UI_API CFont : public CGdiObject {
public:
    // A font as the terminal's form files describe it.
    bool CreateFormFont(const CFormFont& font);
};

class ORV_UI_API CBitmap : public CGdiObject {
public:
    // A colour bitmap in the format of the device context's screen.
    bool CreateCompatibleBitmap(CDC& dc, int width, int height);
    // A 24-bit colour bitmap holding these pixels (rows top-down, 0x00BBGGRR each).
    bool CreateFromPixels(int width, int height, const std::vector<orv::Color>& pixels);
    int GetWidth() const;
    int GetHeight() const;
};

class ORV_UI_API CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();  // a memory context still held is deleted

    // A memory context compatible with dc (or with the screen when dc is null).
    bool CreateCompatibleDC(CDC* dc);
    bool DeleteDC();
    HDC GetSafeHdc() const { return hdc_; }

    // Select an object into the context; the result is the handle of its kind that was selected
    // before (put it back with SelectHandle before the object goes, or let a CSelection do it).
    HBITMAP SelectObject(CBitmap* bitmap);
    HPEN SelectObject(CPen* pen);
    HBRUSH SelectObject(CBrush* brush);
    HFONT SelectObject(CFont* font);
    void* SelectHandle(void* handle);

    int SetBkMode(int mode);                   // the previous mode
    orv::Color SetTextColor(orv::Color color); // the previous colour
    // Outlines with the selected pen and fills with the selected brush, as the window system's
    // Polygon does (alternate fill mode).
    bool Polygon(const CPoint* points, int count);
    int DrawText(const std::string& text, CRect rect, unsigned format);
    void FillSolidRect(const CRect& rect, orv::Color color);
    // Copies pixels from another context.
    bool BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY);

protected:
    HDC hdc_ = nullptr;
    void* wnd_ = nullptr;  // for a window's context: the window it belongs to
    bool memory_ = false;
};

// The client area's context of a window, released when it goes.
class ORV_UI_API CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd);
    ~CClientDC() override;
};

// An object selected into a context for a scope: what it replaced goes back when the scope
// ends, however it ends.
class CSelection {
public:
    // Nothing selected yet (see Select).
    explicit CSelection(CDC& dc) : dc_(dc) {}
    template <class Object>
    CSelection(CDC& dc, Object* object) : dc_(dc), previous_(dc.SelectObject(object)) {}
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;
    ~CSelection() { Restore(); }
    // Whether an object is in.
    explicit operator bool() const { return previous_ != nullptr; }

    // Selects an object of the kind this selection holds in place of the one it holds, without
    // a restore between them; what the first one replaced is what goes back in the end.
    template <class Object>
    bool Select(Object* object) {
        return Keep(dc_.SelectObject(object));
    }
    bool SelectBitmap(HBITMAP bitmap) { return Keep(dc_.SelectHandle(bitmap)); }
    // Puts back now what the first object replaced, so that the object may go.
    void Restore() {
        if (previous_ != nullptr) dc_.SelectHandle(previous_);
        previous_ = nullptr;
    }

private:
    bool Keep(void* previous) {
        if (previous == nullptr) return false;
        if (previous_ == nullptr) previous_ = previous;
        return true;
    }

    CDC& dc_;
    void* previous_ = nullptr;
};
