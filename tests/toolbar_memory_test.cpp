// Pictures and memory: a picture over the limits is refused like a broken one, a picture from
// outside the image folder is not read, a group whose images would pass the budget or that runs
// out of memory is built with captions only and the user is told, and an allocation that fails
// at any step of building a group leaves the toolbar whole and usable.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>


#include "ToolBarFixture.h"
#include "services/File.h"
#include "ui/FormBitmap.h"
#include "ui/ImageList.h"
#include "testsupport/Handles.h"

namespace orv::test {
namespace {

namespace fault = orv::file::fault;

const std::string kNoImageMemory = "not enough memory for toolbar images";

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xff);
}

// A 1-bit BMP of w by h pixels (a negative h: top-down rows), all of palette colour 0. Costs an
// eighth of a byte a pixel on disk, and far more once painted.
std::string Bmp1(std::int32_t w, std::int32_t h) {
    const std::uint64_t rows = static_cast<std::uint64_t>(h < 0 ? -static_cast<std::int64_t>(h) : h);
    const std::uint64_t stride = (static_cast<std::uint64_t>(w) + 31) / 32 * 4;
    const std::uint64_t pixels = rows <= 8192 ? stride * rows : 0;  // an absurd height gets none
    std::string b(62 + pixels, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 62);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 1;
    Put32(b, 54, 0x00336699);  // colour 0
    Put32(b, 58, 0x00FFFFFF);
    return b;
}

class ToolBarMemoryTest : public ToolBarTest {
protected:
    std::string ImageListSize() {
        int cx = 0, cy = 0;
        CImageList::GetIconSize(reinterpret_cast<HIMAGELIST>(Send(orv::ui::kTbGetImageList)), cx, cy);
        return std::to_string(cx) + "x" + std::to_string(cy);
    }
    // A group of count buttons whose pictures alternate between two files.
    static std::string Group(const std::string& name, int count, const std::string& a, const std::string& b) {
        std::string xml = "<NODE NAME=\"" + name + "\" TYPE=\"GROUP\">";
        for (int i = 0; i < count; ++i) {
            xml += "<NODE NAME=\"" + name + std::to_string(i) + "\" ICON=\"" + (i % 2 == 0 ? a : b) + "\"/>";
        }
        return xml + "</NODE>";
    }
};

// The limits: 1024 x 1024 pixels is the largest picture, one pixel more on either side is
// refused, and so is anything past 4096 on a side whatever its pixel count; a height of -2^31
// (top-down, and not negatable in 32 bits) is refused without undefined behaviour.
TEST_F(ToolBarMemoryTest, PicturesOverTheLimitsAreRefusedLikeBrokenOnes) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"largest.bmp", Bmp1(1024, 1024)}, {"topdown.bmp", Bmp1(1024, -1024)},
        {"wider.bmp", Bmp1(1025, 1024)},   {"taller.bmp", Bmp1(1024, -1025)},
        {"thin.bmp", Bmp1(4097, 1)},       {"lowest.bmp", Bmp1(1, INT32_MIN)},
    };
    for (const auto& [name, bytes] : files) WriteFile(imageDir + "/" + name, bytes);
    for (const auto& [name, loads] : std::vector<std::pair<std::string, bool>>{
             {"largest.bmp", true}, {"topdown.bmp", true}, {"wider.bmp", false},
             {"taller.bmp", false}, {"thin.bmp", false}, {"lowest.bmp", false}}) {
        SCOPED_TRACE(name);
        CFormBitmap picture;
        EXPECT_EQ(picture.Load(imageDir + "/" + name), loads);
        EXPECT_EQ(picture.GetWidth(), loads ? 1024 : 0);
    }
}

// ".." and symbolic links cannot take a picture from outside the image folder: the button is
// painted without it. A picture in a folder under the image folder is read.
TEST_F(ToolBarMemoryTest, PicturesOnlyFromTheImageFolder) {
    WriteFile(rootDir + "/outside.bmp", Bmp24(24, 20, orv::Rgb(1, 2, 3)));
    std::filesystem::create_directory(imageDir + "/sub");
    WriteFile(imageDir + "/sub/inside.bmp", Bmp24(30, 22, orv::Rgb(1, 2, 3)));
    std::string body = Group("Up", 1, "../outside.bmp", "") + Group("Sub", 1, "sub/../sub/inside.bmp", "");
#ifndef _WIN32
    std::filesystem::create_symlink(rootDir + "/outside.bmp", imageDir + "/link.bmp");
    body += Group("Link", 1, "link.bmp", "");
#endif
    LoadToolBar(body);
    EXPECT_EQ(ImageListSize(), "16x16") << "a picture above the image folder was read";
    toolBar->SelectGroup(Item("Sub"));
    EXPECT_EQ(ImageListSize(), "30x22");
#ifndef _WIN32
    toolBar->SelectGroup(Item("Link"));
    EXPECT_EQ(ImageListSize(), "16x16") << "a link out of the image folder was followed";
#endif
    EXPECT_EQ(ButtonCount(), 1);
    EXPECT_TRUE(messageBoxes.empty());
}

// Round n makes the nth picture allocation of building a group fail (a picture, a memory
// context, the image list, the strip its images are painted in, the strip added to it). Each round ends with every button there,
// the user told at most once, and the next build whole again with no drawing object left over.
TEST_F(ToolBarMemoryTest, AnAllocationFailingAtEachStepOfBuildingLeavesTheToolBarUsable) {
    WriteBitmap("g.bmp", 24, 20, orv::Rgb(0, 128, 255));
    WriteBitmap("a.bmp", 24, 20, orv::Rgb(10, 20, 30));
    LoadToolBar("<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
                "<NODE NAME=\"G1\" TYPE=\"GROUP\" ICON=\"g.bmp\"><NODE NAME=\"a\" ICON=\"a.bmp\"/>"
                "<NODE NAME=\"b\"><NODE NAME=\"c\"/></NODE><NODE NAME=\"d\" ICON=\"g.bmp\"/></NODE>"
                "<NODE NAME=\"G2\" TYPE=\"GROUP\"><NODE NAME=\"e\"/></NODE>");
    const std::vector<std::uint32_t> commands = Commands();
    ASSERT_EQ(commands.size(), 4u);
    ASSERT_EQ(ImageListSize(), "24x20");
    toolBar->SelectGroup(Item("G2"));
    toolBar->SelectGroup(Item("G1"));
    const orv::test::HandleCounts handles = orv::test::CountHandles();

    // The pictures kept from the last build are read again only once their files change: each
    // round changes them, so that their reads are among the steps.
    const auto written = std::filesystem::last_write_time(imageDir + "/g.bmp");
    unsigned rounds = 0;
    for (unsigned n = 1; n < 200; ++n) {
        toolBar->SelectGroup(Item("G2"));
        for (const char* name : {"/g.bmp", "/a.bmp"}) {
            std::filesystem::last_write_time(imageDir + name, written + std::chrono::seconds(n));
        }
        messageBoxes.clear();
        fault::FailAllocationAt(n);
        toolBar->SelectGroup(Item("G1"));
        const bool fired = fault::Fired();
        fault::Disarm();
        const std::string where = "round " + std::to_string(n);
        EXPECT_EQ(Commands(), commands) << where;
        EXPECT_LE(messageBoxes.size(), 1u) << where;
        for (const std::string& text : messageBoxes) EXPECT_EQ(text, kNoImageMemory) << where;
        if (!messageBoxes.empty()) {
            EXPECT_EQ(ImageListSize(), "16x16") << where << ": captions only";
        }
        toolBar->SelectGroup(Item("G1"));
        EXPECT_EQ(Commands(), commands) << where;
        EXPECT_EQ(ImageListSize(), "24x20") << where;
        EXPECT_EQ(orv::test::CountHandles(), handles) << where;
        if (!fired || ::testing::Test::HasFailure()) break;
        ++rounds;
    }
    // The two pictures read (g.bmp once, though two buttons show it), the image list, the two
    // memory contexts, the strip and its addition: every step was reached.
    EXPECT_GE(rounds, 7u);
    messageBoxes.clear();
}

// A group over the budget (64 buttons of 1024 x 1024 pictures: 256 MiB of images) shows its
// buttons with captions only and tells the user, without trying.
TEST_F(ToolBarMemoryTest, AGroupOverTheBudgetShowsCaptionsOnly) {
    WriteFile(imageDir + "/big1.bmp", Bmp1(1024, 1024));
    WriteFile(imageDir + "/big2.bmp", Bmp1(1024, 1024));
    LoadToolBar(Group("Big", 64, "big1.bmp", "big2.bmp") + Group("Few", 16, "big1.bmp", "big2.bmp"));
    EXPECT_EQ(ButtonCount(), 64);
    EXPECT_EQ(ImageListSize(), "16x16");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{kNoImageMemory});
    messageBoxes.clear();
    toolBar->SelectGroup(Item("Few"));  // 64 MiB: within it
    EXPECT_EQ(ButtonCount(), 16);
    EXPECT_EQ(ImageListSize(), "1024x1024");
    EXPECT_TRUE(messageBoxes.empty());
}

#if !defined(_WIN32) && !defined(ORV_SANITIZED)
// The host's address space held to what it uses now plus a little: 64 buttons of 4096 x 4096
// pictures (2 MiB files, 64 MiB each once painted) are refused and shown as captions; a group
// within the budget that still does not fit in memory is shown as captions and the user told;
// afterwards, with the limit lifted, the toolbar builds a group with its pictures. The process
// lives through all of it.
TEST_F(ToolBarMemoryTest, SixtyFourHugePicturesUnderAMemoryLimit) {
    if (!AddressLimitApplies()) GTEST_SKIP() << "no address-space limit applies here (an emulator?)";
    WriteFile(imageDir + "/huge1.bmp", Bmp1(4096, 4096));
    WriteFile(imageDir + "/huge2.bmp", Bmp1(4096, -4096));
    WriteFile(imageDir + "/mid1.bmp", Bmp1(512, 512));
    WriteFile(imageDir + "/mid2.bmp", Bmp1(512, -512));
    WriteBitmap("small.bmp", 24, 20, orv::Rgb(0, 128, 255));
    LoadToolBar(Group("Small", 4, "small.bmp", "small.bmp") + Group("Huge", 64, "huge1.bmp", "huge2.bmp") +
                Group("Mid", 60, "mid1.bmp", "mid2.bmp"));
    ASSERT_EQ(ImageListSize(), "24x20");

    const int failedStep = RunInChild([&](AddressLimit& cap) {
        int failed = cap.Allow(96u << 20) ? 0 : 1;
        auto check = [&failed](bool ok, int step) {
            if (!ok) {
                std::fprintf(stderr, "step %d failed\n", step);
                failed = step;
            }
        };
        toolBar->SelectGroup(Item("Huge"));
        check(ButtonCount() == 64 && ImageListSize() == "16x16" && messageBoxes.empty(), 2);
        // 60 images of 1 MiB each: within the budget, not within what is left.
        check(cap.Allow(24u << 20), 3);
        toolBar->SelectGroup(Item("Mid"));
        check(ButtonCount() == 60 && ImageListSize() == "16x16", 4);
        check(messageBoxes == std::vector<std::string>{kNoImageMemory}, 5);
        check(cap.Lift(), 6);
        toolBar->SelectGroup(Item("Mid"));
        check(ButtonCount() == 60 && ImageListSize() == "512x512", 7);
        toolBar->SelectGroup(Item("Small"));
        check(ButtonCount() == 4 && ImageListSize() == "24x20", 8);
        return failed;
    });
    EXPECT_EQ(failedStep, 0) << "the step that failed";
}
#endif

}  // namespace
}  // namespace orv::test
