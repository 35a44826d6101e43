#include "ui/Gdi.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

#include "services/File.h"
#include "ui/win32/Win32.h"

static_assert(sizeof(CRect) == sizeof(RECT));
static_assert(offsetof(CRect, left) == offsetof(RECT, left));
static_assert(offsetof(CRect, top) == offsetof(RECT, top));
static_assert(offsetof(CRect, right) == offsetof(RECT, right));
static_assert(offsetof(CRect, bottom) == offsetof(RECT, bottom));

namespace {

HDC Hdc(void* hdc) { return static_cast<HDC>(hdc); }
HGDIOBJ Obj(void* handle) { return static_cast<HGDIOBJ>(handle); }

// The largest bitmap side the toolkit makes.
constexpr int kMaxBitmapSide = 4096;

bool ValidSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide;
}

}  // namespace

// --- objects -----------------------------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

bool CGdiObject::DeleteObject() {
    void* handle = Detach();
    return handle != nullptr && ::DeleteObject(Obj(handle)) != FALSE;
}

bool CPen::CreatePen(int style, int width, orv::Color color) {
    if (handle_ != nullptr) return false;
    handle_ = ::CreatePen(style, width, color & 0xFFFFFF);
    return handle_ != nullptr;
}

bool CBrush::CreateSolidBrush(orv::Color color) {
    if (handle_ != nullptr) return false;
    handle_ = ::CreateSolidBrush(color & 0xFFFFFF);
    return handle_ != nullptr;
}

bool CFont::CreateFormFont(const CFormFont& font) {
    if (handle_ != nullptr) return false;
    LOGFONTW logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = static_cast<BYTE>(font.italic != 0);
    logFont.lfUnderline = static_cast<BYTE>(font.underline != 0);
    logFont.lfStrikeOut = static_cast<BYTE>(font.strikeOut != 0);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = orv::win32::Wide(font.faceName);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::memcpy(logFont.lfFaceName, face.data(), length * sizeof(wchar_t));
    handle_ = ::CreateFontIndirectW(&logFont);
    return handle_ != nullptr;
}

bool CBitmap::CreateCompatibleBitmap(CDC& dc, int width, int height) {
    if (handle_ != nullptr || dc.GetSafeHdc() == nullptr || !ValidSize(width, height)) return false;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    handle_ = ::CreateCompatibleBitmap(Hdc(dc.GetSafeHdc()), width, height);
    return handle_ != nullptr;
}

bool CBitmap::CreateFromPixels(int width, int height, const std::vector<orv::Color>& pixels) {
    if (handle_ != nullptr || !ValidSize(width, height) ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return false;
    }
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) ::DeleteObject(bitmap);
        return false;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    auto* rows = static_cast<unsigned char*>(bits);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = rows + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            const orv::Color color =
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            row[x * 3] = static_cast<unsigned char>((color >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((color >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>(color & 0xFF);
        }
    }
    ::GdiFlush();
    handle_ = bitmap;
    return true;
}

int CBitmap::GetWidth() const {
    BITMAP info{};
    if (handle_ == nullptr || ::GetObjectW(Obj(handle_), sizeof info, &info) == 0) return 0;
    return info.bmWidth;
}

int CBitmap::GetHeight() const {
    BITMAP info{};
    if (handle_ == nullptr || ::GetObjectW(Obj(handle_), sizeof info, &info) == 0) return 0;
    return info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
}

// --- contexts ----------------------------------------------------------------------------------

CDC::~CDC() {
    if (memory_) DeleteDC();
}

bool CDC::CreateCompatibleDC(CDC* dc) {
    if (hdc_ != nullptr) return false;
    if (dc != nullptr && dc->GetSafeHdc() == nullptr) return false;
    if (orv::file::fault::Inject(orv::file::fault::Op::Alloc)) return false;
    hdc_ = ::CreateCompatibleDC(dc == nullptr ? nullptr : Hdc(dc->GetSafeHdc()));
    memory_ = hdc_ != nullptr;
    return memory_;
}

bool CDC::DeleteDC() {
    if (hdc_ == nullptr || !memory_) return false;
    memory_ = false;
    return ::DeleteDC(Hdc(std::exchange(hdc_, nullptr))) != FALSE;
}

void* CDC::SelectHandle(void* handle) {
    if (hdc_ == nullptr || handle == nullptr) return nullptr;
    HGDIOBJ previous = ::SelectObject(Hdc(hdc_), Obj(handle));
    return previous == HGDI_ERROR ? nullptr : previous;
}

int CDC::SetBkMode(int mode) { return hdc_ == nullptr ? 0 : ::SetBkMode(Hdc(hdc_), mode); }

orv::Color CDC::SetTextColor(orv::Color color) {
    return hdc_ == nullptr ? CLR_INVALID : ::SetTextColor(Hdc(hdc_), color & 0xFFFFFF);
}

bool CDC::Polygon(const CPoint* points, int count) {
    if (hdc_ == nullptr || points == nullptr || count < 2) return false;
    std::vector<POINT> corners;
    corners.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) corners.push_back({points[i].x, points[i].y});
    return ::Polygon(Hdc(hdc_), corners.data(), count) != FALSE;
}

int CDC::DrawText(const std::string& text, CRect rect, unsigned format) {
    if (hdc_ == nullptr) return 0;
    std::wstring wide = orv::win32::Wide(text);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return ::DrawTextW(Hdc(hdc_), wide.data(), static_cast<int>(wide.size()), &area, format);
}

void CDC::FillSolidRect(const CRect& rect, orv::Color color) {
    if (hdc_ == nullptr) return;
    // As the class library does: the background colour keeps the new value.
    ::SetBkColor(Hdc(hdc_), color & 0xFFFFFF);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::ExtTextOutW(Hdc(hdc_), 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY) {
    if (hdc_ == nullptr || source == nullptr || source->GetSafeHdc() == nullptr) return false;
    return ::BitBlt(Hdc(hdc_), x, y, width, height, Hdc(source->GetSafeHdc()), sourceX, sourceY,
                    SRCCOPY) != FALSE;
}

CClientDC::CClientDC(HWND wnd) {
    if (wnd != nullptr && !::IsWindow(wnd)) return;
    hdc_ = ::GetDC(wnd);
    wnd_ = wnd;
}

CClientDC::~CClientDC() {
    if (hdc_ != nullptr) ::ReleaseDC(static_cast<HWND>(wnd_), Hdc(std::exchange(hdc_, nullptr)));
}
