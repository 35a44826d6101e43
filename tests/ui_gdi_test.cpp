// The drawing layer, pixel by pixel: the same expectations hold for the real system's drawing
// and for the headless back end.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include "TestSupport.h"
#include "ui/FormBitmap.h"
#include "ui/Gdi.h"
#include "orvmenu/HostWindow.h"
#include "ui/ImageList.h"
#include "testsupport/Drawing.h"
#include "testsupport/Handles.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {
namespace {

using orv::Rgb;

constexpr orv::Color kWhite = Rgb(255, 255, 255);
constexpr orv::Color kRed = Rgb(255, 0, 0);
constexpr orv::Color kDarkRed = Rgb(128, 0, 0);
constexpr orv::Color kMagenta = Rgb(255, 0, 255);

// An image list's handle is a kind of its own, never taken for a bitmap's or the other way.
static_assert(!std::is_convertible_v<HIMAGELIST, HBITMAP> && !std::is_convertible_v<HBITMAP, HIMAGELIST>);

// A bitmap of the window's screen format selected into a memory context, as a button image is
// painted.
class Canvas {
public:
    Canvas(HWND wnd, int width, int height) : client_(wnd) {
        EXPECT_TRUE(memory_.CreateCompatibleDC(&client_));
        EXPECT_TRUE(bitmap_.CreateCompatibleBitmap(client_, width, height));
        previous_ = memory_.SelectObject(&bitmap_);
        EXPECT_NE(previous_, nullptr);
    }
    ~Canvas() {
        memory_.SelectHandle(previous_);
        memory_.DeleteDC();
    }
    CDC& Dc() { return memory_; }
    // The bitmap's pixels, read while it is out of the context.
    std::vector<orv::Color> Pixels() {
        memory_.SelectHandle(previous_);
        std::vector<orv::Color> pixels;
        for (int y = 0; y < bitmap_.GetHeight(); ++y) {
            for (int x = 0; x < bitmap_.GetWidth(); ++x) pixels.push_back(orv::test::BitmapPixel(bitmap_, x, y));
        }
        previous_ = memory_.SelectObject(&bitmap_);
        return pixels;
    }
    // One character per pixel, rows separated by '|': the legend's letter, or '?'.
    std::string Map(const std::vector<std::pair<orv::Color, char>>& legend) {
        const std::vector<orv::Color> pixels = Pixels();
        std::string map;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (i > 0 && i % static_cast<std::size_t>(bitmap_.GetWidth()) == 0) map += '|';
            char c = '?';
            for (const auto& [color, letter] : legend) {
                if (pixels[i] == color) c = letter;
            }
            map += c;
        }
        return map;
    }
    CBitmap& Bitmap() { return bitmap_; }
    void* Previous() const { return previous_; }
    void Fill(orv::Color color) { memory_.FillSolidRect({0, 0, bitmap_.GetWidth(), bitmap_.GetHeight()}, color); }

private:
    CClientDC client_;
    CDC memory_;
    CBitmap bitmap_;
    void* previous_ = nullptr;
};

// A map of width x height of '.', with the given rows replaced from the bottom-right corner.
std::string Expected(int width, int height, const std::vector<std::string>& cornerRows, int right,
                     int bottom) {
    std::vector<std::string> rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '.'));
    const int top = bottom - static_cast<int>(cornerRows.size()) + 1;
    for (std::size_t r = 0; r < cornerRows.size(); ++r) {
        const int y = top + static_cast<int>(r);
        const int left = right - static_cast<int>(cornerRows[r].size()) + 1;
        for (std::size_t c = 0; c < cornerRows[r].size(); ++c) {
            const int x = left + static_cast<int>(c);
            if (y >= 0 && y < height && x >= 0 && x < width) {
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = cornerRows[r][c];
            }
        }
    }
    std::string map;
    for (std::size_t r = 0; r < rows.size(); ++r) map += (r == 0 ? "" : "|") + rows[r];
    return map;
}

// A pattern of distinct colours, rows top-down.
std::vector<orv::Color> Pattern(int width, int height) {
    std::vector<orv::Color> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(Rgb(static_cast<unsigned>(20 + 30 * x), static_cast<unsigned>(40 + 50 * y),
                                 static_cast<unsigned>(7 * (x + y) + 1)));
        }
    }
    return pixels;
}

class GdiTest : public OrvTest {
protected:
    orv::test::RecordingWindow window_{"toolbar"};
};

// The children mark of a toolbar button: a closed triangle in the lower right corner, outlined
// with a 1-pixel dark red pen and filled red; the outline covers every corner and edge.
TEST_F(GdiTest, PolygonOutlinesAndFillsTheButtonTriangle) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{16, 16}, {40, 24}, {8, 6}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Canvas canvas(window_.GetHwnd(), w, h);
        canvas.Fill(kWhite);
        CPen pen;
        CBrush brush;
        ASSERT_TRUE(pen.CreatePen(orv::ui::kPsSolid, 1, kDarkRed));
        ASSERT_TRUE(brush.CreateSolidBrush(kRed));
        void* oldPen = canvas.Dc().SelectObject(&pen);
        void* oldBrush = canvas.Dc().SelectObject(&brush);
        const CPoint points[] = {{w - 5, h - 10}, {w - 5, h - 5}, {w - 10, h - 5}, {w - 5, h - 10}};
        EXPECT_TRUE(canvas.Dc().Polygon(points, 4));
        canvas.Dc().SelectHandle(oldPen);
        canvas.Dc().SelectHandle(oldBrush);
        EXPECT_EQ(canvas.Map({{kWhite, '.'}, {kRed, 'R'}, {kDarkRed, 'D'}}),
                  Expected(w, h,
                           {".....D",  //
                            "....DD",  //
                            "...DRD",  //
                            "..DRRD",  //
                            ".DRRRD",  //
                            "DDDDDD"},
                           w - 5, h - 5));
    }
}

// FillSolidRect fills left..right-1 and top..bottom-1, clipped to the bitmap.
TEST_F(GdiTest, FillSolidRectFillsTheRectangleClipped) {
    Canvas canvas(window_.GetHwnd(), 6, 4);
    canvas.Fill(kWhite);
    canvas.Dc().FillSolidRect({1, 1, 3, 3}, kRed);
    canvas.Dc().FillSolidRect({4, -5, 10, 2}, kDarkRed);
    canvas.Dc().FillSolidRect({3, 4, 2, 3}, kMagenta);  // right and bottom before left and top
    EXPECT_EQ(canvas.Map({{kWhite, '.'}, {kRed, 'R'}, {kDarkRed, 'D'}, {kMagenta, 'M'}}),
              "....DD|.RR.DD|.RR...|..M...");
}

// A bitmap drawn into a context lands pixel for pixel at the point, clipped at the edges.
TEST_F(GdiTest, BitmapsAreCopiedExactly) {
    const std::vector<orv::Color> pattern = Pattern(3, 2);
    CBitmap source;
    ASSERT_TRUE(source.CreateFromPixels(3, 2, pattern));
    EXPECT_EQ(source.GetWidth(), 3);
    EXPECT_EQ(source.GetHeight(), 2);
    EXPECT_EQ(orv::test::BitmapPixel(source, 2, 1), pattern[5]);
    EXPECT_EQ(orv::test::BitmapPixel(source, 3, 0), 0xFFFFFFFFu);
    EXPECT_FALSE(CBitmap().CreateFromPixels(3, 3, pattern));

    Canvas canvas(window_.GetHwnd(), 4, 3);
    canvas.Fill(kWhite);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&canvas.Dc()));
    void* previous = memory.SelectObject(&source);
    ASSERT_NE(previous, nullptr);
    EXPECT_TRUE(canvas.Dc().BitBlt(0, 0, 3, 2, &memory, 0, 0));
    EXPECT_TRUE(canvas.Dc().BitBlt(2, 2, 3, 2, &memory, 0, 0));  // only its top-left 2x1 fits
    memory.SelectHandle(previous);
    memory.DeleteDC();
    const std::vector<orv::Color> pixels = canvas.Pixels();
    const std::vector<orv::Color> expected = {pattern[0], pattern[1], pattern[2], kWhite,  //
                                              pattern[3], pattern[4], pattern[5], kWhite,  //
                                              kWhite,     kWhite,     pattern[0], pattern[1]};
    EXPECT_EQ(pixels, expected);
}

#ifndef _WIN32
// The headless back end's clipping near the ends of the int range: a copy or an image placed
// there draws nothing and takes no sum of coordinates past them.
TEST_F(GdiTest, DrawingAtTheEndsOfTheCoordinateRangeDrawsNothing) {
    constexpr int kFar = std::numeric_limits<int>::max();
    CBitmap source;
    ASSERT_TRUE(source.CreateFromPixels(3, 2, Pattern(3, 2)));
    CImageList list;
    ASSERT_TRUE(list.Create(3, 2, orv::ui::kIlcColor24, 1, 1));
    ASSERT_EQ(list.Add(&source, kMagenta), 0);
    Canvas canvas(window_.GetHwnd(), 4, 3);
    canvas.Fill(kWhite);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&canvas.Dc()));
    void* previous = memory.SelectObject(&source);
    EXPECT_TRUE(canvas.Dc().BitBlt(kFar, kFar, 3, 2, &memory, 0, 0));
    EXPECT_TRUE(canvas.Dc().BitBlt(0, 0, 3, 2, &memory, kFar, kFar));
    memory.SelectHandle(previous);
    memory.DeleteDC();
    EXPECT_TRUE(list.Draw(&canvas.Dc(), 0, {kFar, kFar}));
    EXPECT_EQ(canvas.Pixels(), std::vector<orv::Color>(12, kWhite));
}
#endif

// The masked add: pixels of the mask colour become transparent, the others keep their colour,
// the bitmap it was given keeps black there. A bitmap twice as wide adds two images, one
// narrower than the list's images adds none.
TEST_F(GdiTest, ImageListMaskedAddDrawsTheBackgroundThroughTheMaskColour) {
    constexpr orv::Color kGreen = Rgb(0, 200, 0);
    std::vector<orv::Color> pixels = Pattern(4, 3);
    pixels[1] = kMagenta;
    pixels[6] = kMagenta;
    pixels[11] = kMagenta;
    CBitmap image;
    ASSERT_TRUE(image.CreateFromPixels(4, 3, pixels));

    CImageList list;
    ASSERT_TRUE(list.Create(4, 3, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
    EXPECT_EQ(list.Add(&image, kMagenta), 0);
    EXPECT_EQ(list.GetImageCount(), 1);
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(CImageList::GetIconSize(list.GetSafeHandle(), cx, cy));
    EXPECT_EQ(cx, 4);
    EXPECT_EQ(cy, 3);
    EXPECT_FALSE(CImageList::GetIconSize(nullptr, cx, cy));

    // What the list leaves in the bitmap it was given.
    std::vector<orv::Color> after;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) after.push_back(orv::test::BitmapPixel(image, x, y));
    }
    std::vector<orv::Color> blackened = pixels;
    for (auto& pixel : blackened) {
        if (pixel == kMagenta) pixel = 0;
    }
    EXPECT_EQ(after, blackened);

    Canvas canvas(window_.GetHwnd(), 5, 4);
    canvas.Fill(kGreen);
    EXPECT_TRUE(list.Draw(&canvas.Dc(), 0, {1, 1}));
    EXPECT_FALSE(list.Draw(&canvas.Dc(), 1, {0, 0}));
    std::vector<orv::Color> expected(20, kGreen);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const orv::Color pixel = pixels[static_cast<std::size_t>(y * 4 + x)];
            if (pixel != kMagenta) expected[static_cast<std::size_t>((y + 1) * 5 + x + 1)] = pixel;
        }
    }
    EXPECT_EQ(canvas.Pixels(), expected);

    CBitmap twice;
    ASSERT_TRUE(twice.CreateFromPixels(8, 3, Pattern(8, 3)));
    EXPECT_EQ(list.Add(&twice, kMagenta), 1);
    EXPECT_EQ(list.GetImageCount(), 3);
    CBitmap narrow;
    ASSERT_TRUE(narrow.CreateFromPixels(3, 3, Pattern(3, 3)));
    // The index the next image would have, though nothing was added.
    EXPECT_EQ(list.Add(&narrow, kMagenta), 3);
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_FALSE(list.Draw(&canvas.Dc(), 3, {0, 0}));
}

// --- BMP files -------------------------------------------------------------------------------

void Put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// A BMP file of the pattern: 24 or 32 bits per pixel, or 1, 4, 8 bits with a palette holding
// the pattern's colours in order (index = position in the pattern, modulo the palette).
std::string Bmp(int bits, int width, int height, bool topDown) {
    const std::vector<orv::Color> pattern = Pattern(width, height);
    const int paletteSize = bits <= 8 ? (1 << bits) : 0;
    std::string palette;
    for (int i = 0; i < paletteSize; ++i) {
        const orv::Color c = i < width * height ? pattern[static_cast<std::size_t>(i)] : 0;
        palette += static_cast<char>((c >> 16) & 0xFF);
        palette += static_cast<char>((c >> 8) & 0xFF);
        palette += static_cast<char>(c & 0xFF);
        palette += '\0';
    }
    const int stride = (width * bits + 31) / 32 * 4;
    std::string data;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        std::string line(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const orv::Color c = pattern[static_cast<std::size_t>(y * width + x)];
            if (bits >= 24) {
                const std::size_t at = static_cast<std::size_t>(x * bits / 8);
                line[at] = static_cast<char>((c >> 16) & 0xFF);
                line[at + 1] = static_cast<char>((c >> 8) & 0xFF);
                line[at + 2] = static_cast<char>(c & 0xFF);
            } else {
                const int index = (y * width + x) % paletteSize;
                const int bit = x * bits;
                line[static_cast<std::size_t>(bit / 8)] = static_cast<char>(
                    line[static_cast<std::size_t>(bit / 8)] | (index << (8 - bits - bit % 8)));
            }
        }
        data += line;
    }
    std::string file = "BM";
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    Put32(file, offset + static_cast<std::uint32_t>(data.size()));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, static_cast<std::uint32_t>(width));
    Put32(file, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(file, 1);
    Put16(file, static_cast<unsigned>(bits));
    Put32(file, 0);  // uncompressed
    Put32(file, static_cast<std::uint32_t>(data.size()));
    Put32(file, 2835);
    Put32(file, 2835);
    Put32(file, static_cast<std::uint32_t>(paletteSize));
    Put32(file, 0);
    return file + palette + data;
}

// The pattern as a palette of 2^bits colours shows it: colours past the palette repeat.
std::vector<orv::Color> Shown(int bits, int width, int height) {
    std::vector<orv::Color> pattern = Pattern(width, height);
    if (bits > 8) return pattern;
    const std::vector<orv::Color> original = pattern;
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = original[i % (1u << bits)];
    return pattern;
}

// BMP files of every depth a button image comes in load with their size and draw pixel for
// pixel; bottom-up and top-down rows alike.
TEST_F(GdiTest, FormBitmapLoadsBmpFilesOfEveryDepth) {
    struct Case {
        int bits;
        bool topDown;
    };
    for (const Case c : {Case{24, false}, Case{24, true}, Case{32, false}, Case{32, true}, Case{8, false},
                         Case{8, true}, Case{4, false}, Case{1, false}}) {
        SCOPED_TRACE(std::to_string(c.bits) + (c.topDown ? " bits top-down" : " bits"));
        const std::string path = imageDir + "/button.bmp";
        WriteFile(path, Bmp(c.bits, 5, 3, c.topDown));
        CFormBitmap bitmap;
        ASSERT_TRUE(bitmap.Load(path));
        EXPECT_TRUE(bitmap.IsLoaded());
        EXPECT_EQ(bitmap.GetWidth(), 5);
        EXPECT_EQ(bitmap.GetHeight(), 3);
        Canvas canvas(window_.GetHwnd(), 5, 3);
        canvas.Fill(kWhite);
        bitmap.Draw(&canvas.Dc(), {0, 0});
        EXPECT_EQ(canvas.Pixels(), Shown(c.bits, 5, 3));
    }
}

// The rarer layouts: the short core header with a 3-byte palette-less 24-bit row, 16-bit pixels
// with 5-6-5 bit fields. A picture wider than 4096 pixels is refused.
TEST_F(GdiTest, FormBitmapReadsCoreHeadersAndBitFields) {
    std::string core = "BM";
    Put32(core, 14 + 12 + 8);
    Put32(core, 0);
    Put32(core, 14 + 12);
    Put32(core, 12);
    Put16(core, 2);   // width
    Put16(core, 1);   // height
    Put16(core, 1);   // planes
    Put16(core, 24);  // bits
    core += std::string("\x10\x20\x30\x40\x50\x60\0\0", 8);  // blue, green, red per pixel

    std::string fields = "BM";
    Put32(fields, 14 + 40 + 12 + 4);
    Put32(fields, 0);
    Put32(fields, 14 + 40 + 12);
    Put32(fields, 40);
    Put32(fields, 2);
    Put32(fields, 1);
    Put16(fields, 1);
    Put16(fields, 16);
    Put32(fields, 3);  // bit fields
    Put32(fields, 4);
    Put32(fields, 0);
    Put32(fields, 0);
    Put32(fields, 0);
    Put32(fields, 0);
    Put32(fields, 0xF800);
    Put32(fields, 0x07E0);
    Put32(fields, 0x001F);
    Put16(fields, 0xF800);  // red
    Put16(fields, 0x07FF);  // green and blue

    std::string wide = "BM";
    Put32(wide, 14 + 40 + 5000 * 3);
    Put32(wide, 0);
    Put32(wide, 14 + 40);
    Put32(wide, 40);
    Put32(wide, 5000);
    Put32(wide, 1);
    Put16(wide, 1);
    Put16(wide, 24);
    for (int i = 0; i < 6; ++i) Put32(wide, 0);
    wide += std::string(5000 * 3, '\x7f');

    WriteFile(imageDir + "/core.bmp", core);
    WriteFile(imageDir + "/fields.bmp", fields);
    WriteFile(imageDir + "/wide.bmp", wide);
    for (const auto& [name, expected] : std::vector<std::pair<std::string, std::vector<orv::Color>>>{
             {"core.bmp", {Rgb(0x30, 0x20, 0x10), Rgb(0x60, 0x50, 0x40)}},
             {"fields.bmp", {Rgb(255, 0, 0), Rgb(0, 255, 255)}}}) {
        SCOPED_TRACE(name);
        CFormBitmap bitmap;
        ASSERT_TRUE(bitmap.Load(imageDir + "/" + name));
        Canvas canvas(window_.GetHwnd(), 2, 1);
        canvas.Fill(kWhite);
        bitmap.Draw(&canvas.Dc(), {0, 0});
        EXPECT_EQ(canvas.Pixels(), expected);
    }
    CFormBitmap tooWide;
    EXPECT_FALSE(tooWide.Load(imageDir + "/wide.bmp"));
    EXPECT_EQ(tooWide.GetWidth(), 0);
}

// A missing, truncated or garbage file is not loaded, leaves an earlier picture gone, and draws
// nothing.
TEST_F(GdiTest, FormBitmapRefusesBrokenFiles) {
    const std::string good = Bmp(24, 5, 3, false);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.bmp", ""},
        {"garbage.bmp", "this is no picture at all, just words in a file"},
        {"truncated.bmp", good.substr(0, good.size() - 20)},
        {"header.bmp", good.substr(0, 30)},
        // A top-down height whose side has no positive twin in 32 bits.
        {"height.bmp", good.substr(0, 22) + std::string("\0\0\0\x80", 4) + good.substr(26)},
    };
    for (const auto& [name, bytes] : files) WriteFile(imageDir + "/" + name, bytes);
    WriteFile(imageDir + "/good.bmp", good);
    for (const std::string name :
         {"missing.bmp", "empty.bmp", "garbage.bmp", "truncated.bmp", "header.bmp", "height.bmp"}) {
        SCOPED_TRACE(name);
        CFormBitmap bitmap;
        ASSERT_TRUE(bitmap.Load(imageDir + "/good.bmp"));
        EXPECT_FALSE(bitmap.Load(imageDir + "/" + name));
        EXPECT_FALSE(bitmap.IsLoaded());
        EXPECT_EQ(bitmap.GetWidth(), 0);
        EXPECT_EQ(bitmap.GetHeight(), 0);
        Canvas canvas(window_.GetHwnd(), 5, 3);
        canvas.Fill(kWhite);
        bitmap.Draw(&canvas.Dc(), {0, 0});
        EXPECT_EQ(canvas.Pixels(), std::vector<orv::Color>(15, kWhite));
    }
}

// The fuzz targets' seeds, read as button pictures: each loads or stays empty, and drawing it
// stays inside the target. This is the BMP fuzz target's corpus run through the back end's own
// drawing, so the Windows test programs (the shipped 32-bit code among them) replay it too.
TEST_F(GdiTest, FuzzSeedsLoadAsPicturesOrStayEmpty) {
    int loaded = 0;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORV_SOURCE_DIR "/fuzz/seeds")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        WriteFile(imageDir + "/seed.bmp", bytes);
        CFormBitmap bitmap;
        const bool ok = bitmap.Load(imageDir + "/seed.bmp");
        EXPECT_EQ(ok, bitmap.IsLoaded());
        if (!ok) {
            EXPECT_EQ(bitmap.GetWidth(), 0);
            EXPECT_EQ(bitmap.GetHeight(), 0);
        }
        loaded += ok ? 1 : 0;
        Canvas canvas(window_.GetHwnd(), 8, 8);
        canvas.Fill(kWhite);
        bitmap.Draw(&canvas.Dc(), {-3, 5});
        bitmap.Draw(&canvas.Dc(), {0, 0});
    }
    EXPECT_GT(files, 100);
    EXPECT_GT(loaded, 0) << "the seeds hold pictures that load";
}

// Every DrawText the toolkit makes is seen from outside with the context's state: text colour,
// background mode and the face of the selected font (none for the system font a new context
// starts with).
TEST_F(GdiTest, DrawTextIsRecordedWithTheContextsState) {
    Canvas canvas(window_.GetHwnd(), 40, 24);
    canvas.Fill(kWhite);
    const unsigned format = orv::ui::kDtCenter | orv::ui::kDtVCenter | orv::ui::kDtSingleLine;
    orv::test::DrawTextRecorder recorder;
    ASSERT_TRUE(recorder.Active());
    canvas.Dc().DrawText("before", {0, 0, 40, 24}, format);

    CFormFont form;
    ASSERT_TRUE(form.fromString("Verdana,0,-12,400,0,0,0"));
    CFont font;
    ASSERT_TRUE(font.CreateFormFont(form));
    void* oldFont = canvas.Dc().SelectObject(&font);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_EQ(canvas.Dc().SetBkMode(orv::ui::kTransparent), orv::ui::kOpaque);
    EXPECT_EQ(canvas.Dc().SetTextColor(Rgb(0, 0, 0)), Rgb(0, 0, 0));
    EXPECT_EQ(canvas.Dc().SetTextColor(Rgb(1, 2, 3)), Rgb(0, 0, 0));
    const std::string caption = Big5("下單");
    EXPECT_GT(canvas.Dc().DrawText(caption, {0, 0, 40, 24}, format), 0);
    canvas.Dc().SelectHandle(oldFont);

    const std::vector<orv::test::DrawnText> expected = {
        {"before", {0, 0, 40, 24}, format, Rgb(0, 0, 0), orv::ui::kOpaque, ""},
        {caption, {0, 0, 40, 24}, format, Rgb(1, 2, 3), orv::ui::kTransparent, "Verdana"},
    };
    EXPECT_EQ(recorder.Texts(), expected);
    recorder.Clear();
    EXPECT_TRUE(recorder.Texts().empty());
}

// Objects go with their owners; a context refuses a bitmap another context holds, and the
// counts the fixture checks see every object made here go.
TEST_F(GdiTest, ObjectsAreFreedWithTheirOwners) {
    const orv::test::HandleCounts start = orv::test::CountHandles();
    {
        CClientDC client(window_.GetHwnd());
        ASSERT_NE(client.GetSafeHdc(), nullptr);
        CDC first;
        CDC second;
        ASSERT_TRUE(first.CreateCompatibleDC(&client));
        ASSERT_TRUE(second.CreateCompatibleDC(nullptr));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(client, 4, 4));
        EXPECT_EQ(orv::test::BitmapPixel(bitmap, 0, 0), Rgb(0, 0, 0));  // a new bitmap reads back black
        void* previous = first.SelectObject(&bitmap);
        ASSERT_NE(previous, nullptr);
        EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
        EXPECT_EQ(first.SelectHandle(previous), bitmap.GetSafeHandle());
        CPen pen;
        EXPECT_TRUE(pen.CreatePen(orv::ui::kPsSolid, 1, kRed));
        EXPECT_FALSE(pen.CreatePen(orv::ui::kPsSolid, 1, kRed));
        void* handle = pen.Detach();
        CPen other;
        EXPECT_TRUE(other.Attach(handle));
        // An object deleted while a context holds it goes when the context lets it go.
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(kRed));
        void* oldBrush = first.SelectObject(&brush);
        void* brushHandle = brush.GetSafeHandle();
        EXPECT_TRUE(brush.DeleteObject());
        EXPECT_EQ(brush.GetSafeHandle(), nullptr);
        EXPECT_EQ(first.SelectHandle(oldBrush), brushHandle);
        ASSERT_NE(first.SelectObject(&bitmap), nullptr);
        void* bitmapHandle = bitmap.GetSafeHandle();
        EXPECT_TRUE(bitmap.DeleteObject());
        EXPECT_EQ(first.SelectHandle(previous), bitmapHandle);
        CImageList list;
        ASSERT_TRUE(list.Create(4, 4, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));
        EXPECT_FALSE(list.Create(4, 4, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8));

        // A scoped selection puts back what it replaced, whichever way its scope is left, and
        // the object it held can then go.
        CPen scoped;
        ASSERT_TRUE(scoped.CreatePen(orv::ui::kPsSolid, 1, kRed));
        const HPEN stock = first.SelectObject(&other);
        ASSERT_NE(stock, nullptr);
        auto drawUntil = [&](bool early) {
            const CSelection selected(first, &scoped);
            if (early || !selected) return false;
            first.FillSolidRect({0, 0, 1, 1}, kRed);
            return true;
        };
        EXPECT_FALSE(drawUntil(true));
        EXPECT_TRUE(drawUntil(false));
        EXPECT_EQ(first.SelectHandle(stock), other.GetSafeHandle());
        // Objects selected in turn through one selection: what the first replaced goes back.
        {
            CSelection turns(first);
            EXPECT_FALSE(turns);
            ASSERT_TRUE(turns.Select(&scoped));
            ASSERT_TRUE(turns.Select(&other));
            turns.Restore();
            EXPECT_FALSE(turns);
            EXPECT_EQ(first.SelectObject(&scoped), stock);
            ASSERT_TRUE(turns.Select(&other));
        }
        EXPECT_EQ(first.SelectHandle(stock), scoped.GetSafeHandle());
        EXPECT_TRUE(scoped.DeleteObject());
    }
    EXPECT_EQ(orv::test::CountHandles(), start);
}

}  // namespace
}  // namespace orv::test
