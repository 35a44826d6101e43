// The BMP reader: whatever bytes a button image file holds, loading and drawing it never fails
// harder than leaving the picture empty.
#include "FuzzSupport.h"
#include "ui/FormBitmap.h"
#include "ui/Gdi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orv::fuzz::PutFile("button.bmp", data, size);
    CFormBitmap bitmap;
    const bool loaded = bitmap.Load(orv::fuzz::Folder() + "/button.bmp");
    if (loaded != bitmap.IsLoaded() || (!loaded && (bitmap.GetWidth() != 0 || bitmap.GetHeight() != 0))) {
        std::abort();
    }
    CClientDC screen(nullptr);
    CDC memory;
    CBitmap target;
    if (!memory.CreateCompatibleDC(&screen) || !target.CreateCompatibleBitmap(screen, 32, 32)) std::abort();
    void* previous = memory.SelectObject(&target);
    bitmap.Draw(&memory, {0, 0});
    bitmap.Draw(&memory, {-3, 5});
    memory.SelectHandle(previous);
    return 0;
}
