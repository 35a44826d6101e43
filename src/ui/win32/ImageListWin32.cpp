#include "ui/ImageList.h"

#include <utility>

#include "services/File.h"

#include "ui/win32/Win32.h"

#include <commctrl.h>

CImageList::~CImageList() { DeleteImageList(); }

bool CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
    if (handle_ != nullptr || cx <= 0 || cy <= 0) return false;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    handle_ = ::ImageList_Create(cx, cy, flags, initial, grow);
    return handle_ != nullptr;
}

int CImageList::Add(CBitmap* bitmap, orv::Color mask) {
    if (handle_ == nullptr || bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) return -1;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return -1;
    return ::ImageList_AddMasked(handle_, static_cast<HBITMAP>(bitmap->GetSafeHandle()),
                                 mask & 0xFFFFFF);
}

bool CImageList::DeleteImageList() {
    HIMAGELIST handle = std::exchange(handle_, nullptr);
    return handle != nullptr && ::ImageList_Destroy(handle) != FALSE;
}

HIMAGELIST CImageList::Detach() { return std::exchange(handle_, nullptr); }

int CImageList::GetImageCount() const {
    return handle_ == nullptr ? 0 : ::ImageList_GetImageCount(handle_);
}

bool CImageList::GetIconSize(HIMAGELIST handle, int& cx, int& cy) {
    if (handle == nullptr) return false;
    int width = 0;
    int height = 0;
    if (!::ImageList_GetIconSize(handle, &width, &height)) return false;
    cx = width;
    cy = height;
    return true;
}

bool CImageList::Draw(CDC* dc, int image, CPoint point) {
    if (handle_ == nullptr || dc == nullptr || dc->GetSafeHdc() == nullptr) return false;
    return ::ImageList_Draw(handle_, image, static_cast<HDC>(dc->GetSafeHdc()), point.x,
                            point.y, ILD_NORMAL) != FALSE;
}
