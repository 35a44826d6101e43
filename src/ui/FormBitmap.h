// CFormBitmap: a picture from the terminal's image folder (a BMP file), drawn into a device
// context at its own size.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <string>

#include "ui/Gdi.h"

class ORV_UI_API CFormBitmap {
public:
    CFormBitmap() = default;
    CFormBitmap(const CFormBitmap&) = delete;
    CFormBitmap& operator=(const CFormBitmap&) = delete;
    ~CFormBitmap() = default;

    // Reads a BMP file (24-bit, 32-bit, 8-bit and 4-bit palette, 1-bit). A missing or broken
    // file leaves the bitmap empty (width and height 0) and returns false; never throws.
    bool Load(const std::string& path);
    bool IsLoaded() const { return bitmap_.GetSafeHandle() != nullptr; }
    int GetWidth() const;
    int GetHeight() const;
    // Draws the picture with its top-left corner at point; the two integers are kept for
    // callers that pass them and are not used. An empty bitmap draws nothing.
    void Draw(CDC* dc, CPoint point, int unused1 = 0, int unused2 = 0);
    // The same through a memory context the caller keeps for many draws (one compatible with
    // dc), no more of the picture than width x height: no context is made per picture.
    void Draw(CDC* dc, CDC* memory, CPoint point, int width, int height);
    // For many draws of one picture: its handle, to select into a memory context once
    // (CSelection::SelectBitmap, and the previous one back before the picture goes), and the
    // copy of no more of it than width x height from that context.
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(bitmap_.GetSafeHandle()); }
    void DrawSelected(CDC* dc, CDC* memory, CPoint point, int width, int height) const;

private:
    CBitmap bitmap_;
    // Known from the file: asking the system for the size of each drawn picture costs a query.
    int width_ = 0;
    int height_ = 0;
};
