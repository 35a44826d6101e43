// CImageList: the images of a toolbar's buttons, all of one size.
#pragma once

#include "orvmenu/OrvLibApi.h"

#include "orvmenu/OrvWinTypes.h"
#include "ui/Gdi.h"
#include "ui/WinDefs.h"

// An image list's handle, declared as <commctrl.h> declares it, so that it cannot pass for a
// bitmap or any other drawing handle. Headless it points at the toolkit's own list.
struct _IMAGELIST;
typedef _IMAGELIST* HIMAGELIST;

class ORV_UI_API CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();  // deletes the list it still holds

    bool Create(int cx, int cy, unsigned flags, int initial, int grow);
    // Adds the bitmap as one image (or several, when it is wider than the list's images);
    // pixels of the mask colour become transparent. The index of the first image, or -1.
    int Add(CBitmap* bitmap, orv::Color mask);
    bool DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return handle_; }
    HIMAGELIST Detach();
    int GetImageCount() const;
    // The image size of the list behind a handle (the toolbar sizes its buttons from it).
    static bool GetIconSize(HIMAGELIST handle, int& cx, int& cy);
    // Draws image i at (x, y), transparent where the mask says so.
    bool Draw(CDC* dc, int image, CPoint point);

private:
    HIMAGELIST handle_ = nullptr;
};
