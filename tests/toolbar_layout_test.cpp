// Which buttons the toolbar window gets, in which order and with which images; the group
// switch button; the placeholders of the boxes; the painted button images.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "ToolBarFixture.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/FormColor.h"
#include "toolbar/ToolBarImpl.h"
#include "toolbar/ToolBarPictures.h"
#include "ui/FormBitmap.h"
#include "ui/ImageList.h"
#include "testsupport/Handles.h"
#include "testsupport/Drawing.h"

namespace orv::test {
namespace {

using Ids = std::vector<std::uint32_t>;

TEST_F(ToolBarTest, ShowsTheFirstGroupsVisibleItemsInOrder) {
    WriteBitmap("g.bmp", 40, 24, orv::Rgb(0, 0, 200));
    WriteBitmap("b.bmp", 40, 24, orv::Rgb(0, 200, 0));
    LoadToolBar("<NODE NAME=\"G1\" TYPE=\"GROUP\" ICON=\"g.bmp\">"
                "  <NODE TRCODE=\"8000\" NAME=\"A\" ICON=\"b.bmp\" STYLE=\"CHECKGROUP\" LASTACT=\"ON\"/>"
                "  <NODE NAME=\"B\" TYPE=\"SEP\" ICON=\"b.bmp\"/>"
                "  <NODE TRCODE=\"1001\" NAME=\"Hidden by grade\" ICON=\"b.bmp\"/>"
                "  <NODE TRCODE=\"9150\" NAME=\"In range\" ICON=\"b.bmp\" STYLE=\"CHECK\"/>"
                "  <NODE TRCODE=\"7777\" NAME=\"Unknown screen\" ICON=\"b.bmp\"/>"
                "</NODE>"
                "<NODE NAME=\"G2\" TYPE=\"GROUP\"><NODE NAME=\"other\"/></NODE>");
    EXPECT_TRUE(messageBoxes.empty());
    // Without a group switch button the first root child is the group; screens the user may
    // not open get no button unless their code lies from 9100 to 9200.
    EXPECT_EQ(Commands(), (Ids{Item("A")->id, Item("B")->id, Item("In range")->id}));
    const std::vector<int> styles{kOrvTbStyleCheckGroup, kOrvTbStyleButton, kOrvTbStyleCheck};
    for (int i = 0; i < ButtonCount(); ++i) {
        const orv::ui::TbButton b = Button(i);
        EXPECT_EQ(b.iBitmap, i);
        EXPECT_EQ(b.fsState, orv::ui::kTbstateEnabled) << "a checked item is not drawn pressed";
        EXPECT_EQ(b.fsStyle, styles[static_cast<std::size_t>(i)]);
        EXPECT_EQ(b.dwData, 0u);
        EXPECT_EQ(b.iString, -1);
    }
    // The image list holds one image per button, at the group bitmap's size.
    auto images = reinterpret_cast<HIMAGELIST>(Send(orv::ui::kTbGetImageList));
    int cx = 0, cy = 0;
    ASSERT_TRUE(CImageList::GetIconSize(images, cx, cy));
    EXPECT_EQ(cx, 40);
    EXPECT_EQ(cy, 24);
    // Buttons lie side by side in order.
    EXPECT_LT(ItemRect(0).left, ItemRect(1).left);
    EXPECT_EQ(ItemRect(0).right, ItemRect(1).left);
}

TEST_F(ToolBarTest, SwitchButtonLeadsTheSelectedGroup) {
    WriteBitmap("g2.bmp", 16, 16, orv::Rgb(10, 20, 30));
    LoadToolBar("<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
                "<NODE NAME=\"G1\" TYPE=\"GROUP\"><NODE NAME=\"a\"/></NODE>"
                "<NODE NAME=\"Loose\" TYPE=\"NORMAL\"/>"
                "<NODE NAME=\"G2\" TYPE=\"GROUP\" STYLE=\"CHECK\" ICON=\"g2.bmp\"><NODE NAME=\"b\"/><NODE NAME=\"c\"/></NODE>");
    const std::uint32_t switchId = Item("Switch")->id;
    EXPECT_EQ(Commands(), (Ids{switchId, Item("a")->id}));

    // The third root child comes after one GROUP: group index 1, the second group.
    toolBar->SelectGroup(Item("Loose"));
    EXPECT_EQ(Commands(), (Ids{switchId, Item("b")->id, Item("c")->id}));
    EXPECT_EQ(Button(0).fsStyle, kOrvTbStyleCheck) << "the switch button takes the group's style";
    toolBar->SelectGroup(Item("G2"));
    EXPECT_EQ(Commands(), (Ids{switchId, Item("b")->id, Item("c")->id}));
    // The switch button shows the group's name over the group's bitmap.
    bool named = false;
    for (const auto& t : drawn.Texts()) named = named || (t.text == "G2" && t.rect == CRect{0, 0, 16, 16});
    EXPECT_TRUE(named);

    // A record that is no root child counts every GROUP: no third group, so no buttons.
    toolBar->SelectGroup(nullptr);
    EXPECT_EQ(ButtonCount(), 0);
    toolBar->SelectGroup(Item("G1"));
    EXPECT_EQ(Commands(), (Ids{switchId, Item("a")->id}));

    // An index past the root's children is refused and changes nothing.
    toolBar->BuildToolBar(&bar, toolBar->GetRoot(), 4);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], "out of bound toolbar group index");
    EXPECT_EQ(Commands(), (Ids{switchId, Item("a")->id}));
}

TEST_F(ToolBarTest, ColourSchemeMovesAwayFromTheBaseBrightness) {
    EXPECT_EQ(orv::toolbar::SchemeColor(orv::Rgb(200, 200, 0)), orv::Rgb(158, 158, 214));
    EXPECT_EQ(orv::toolbar::SchemeColor(orv::Rgb(10, 20, 240)), orv::Rgb(52, 62, 26));
    EXPECT_EQ(orv::toolbar::SchemeColor(orv::Rgb(128, 128, 128)), orv::Rgb(86, 86, 86));
    EXPECT_EQ(orv::toolbar::SchemeColor(orv::Rgb(127, 128, 128)), orv::Rgb(169, 170, 170));

    LoadToolBar("<NODE NAME=\"G\" TYPE=\"GROUP\"><NODE NAME=\"a\"/></NODE>");
    orv::ui::ColorScheme scheme;
    Send(orv::ui::kCcmGetColorScheme, 0, reinterpret_cast<std::intptr_t>(&scheme));
    const orv::Color expected = orv::toolbar::SchemeColor(CFormColor::GetFormColor(63));
    EXPECT_EQ(scheme.clrBtnHighlight, expected);
    EXPECT_EQ(scheme.clrBtnShadow, expected);
}

TEST_F(ToolBarTest, BoxItemsBecomePlaceholderSeparators) {
    const std::string group = "<NODE NAME=\"G\" TYPE=\"GROUP\">"
                              "<NODE NAME=\"a\"/><NODE NAME=\"tr\" TYPE=\"TREDIT\"/>"
                              "<NODE NAME=\"url\" TYPE=\"URLEDIT\"/><NODE NAME=\"acct\" TYPE=\"USERINFO\"/>"
                              "<NODE NAME=\"code\" TYPE=\"CODECOMBO\"/><NODE NAME=\"z\"/></NODE>";
    LoadToolBar(group);
    const std::uint32_t g = Item("G")->id;
    // The screen-number box stands on a hidden separator; the others on separators of their
    // widths; the account item keeps its image button unless the host asked for the box.
    EXPECT_EQ(Commands(), (Ids{Item("a")->id, g, g, Item("acct")->id, g, Item("z")->id}));
    const orv::ui::TbButton tr = Button(1);
    EXPECT_EQ(tr.fsStyle, orv::ui::kTbstyleSep);
    EXPECT_NE(tr.fsState & orv::ui::kTbstateHidden, 0);
    EXPECT_EQ(tr.iBitmap, 70);
    EXPECT_EQ(ItemRect(2).Width(), 250);
    EXPECT_EQ(Button(2).fsState & orv::ui::kTbstateHidden, 0);
    EXPECT_EQ(Button(3).fsStyle, 0);
    EXPECT_EQ(ItemRect(4).Width(), 70);
    // A hidden button takes no room: the URL box's place follows the first button.
    EXPECT_EQ(ItemRect(2).left, ItemRect(0).right);

    toolBar->SetUserInfoMode(2);
    toolBar->SelectGroup(Item("G"));
    EXPECT_EQ(Commands(), (Ids{Item("a")->id, g, g, g, g, Item("z")->id}));
    EXPECT_EQ(ItemRect(3).Width(), 600);
}

TEST_F(ToolBarTest, ButtonImagesAreTheBitmapWithCaptionAndTriangle) {
    const orv::Color blue = orv::Rgb(0, 128, 255);
    WriteBitmap("b.bmp", 24, 20, blue);
    CFormBitmap bitmap;
    ASSERT_TRUE(bitmap.Load(imageDir + "/b.bmp"));
    // Without captions, so that only the bitmap and the triangle paint pixels.
    OrvToolBar leaf;
    OrvToolBar parent;
    parent.children.push_back(&leaf);

    CBitmap plain, withChildren;
    toolBar->PaintButtonImage(nullptr, &bitmap, &plain, &leaf);
    toolBar->PaintButtonImage(nullptr, &bitmap, &withChildren, &parent);
    ASSERT_EQ(plain.GetWidth(), 24);
    ASSERT_EQ(plain.GetHeight(), 20);
    // The bitmap shows as it is; the triangle's corner (19,10)-(19,15)-(14,15) is dark red on
    // its edges and red inside, only on items with children.
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {23, 19}, {16, 12}, {18, 14}}) {
        EXPECT_EQ(orv::test::BitmapPixel(plain, x, y), blue) << x << "," << y;
    }
    EXPECT_EQ(orv::test::BitmapPixel(withChildren, 0, 0), blue);
    EXPECT_EQ(orv::test::BitmapPixel(withChildren, 16, 12), blue) << "outside the triangle";
    EXPECT_EQ(orv::test::BitmapPixel(withChildren, 18, 14), orv::Rgb(255, 0, 0)) << "inside the triangle";
    EXPECT_EQ(orv::test::BitmapPixel(withChildren, 19, 12), orv::Rgb(128, 0, 0)) << "its right edge";
    EXPECT_EQ(orv::test::BitmapPixel(withChildren, 20, 12), blue);

    // Each caption is drawn over the whole image: centred, one line, black, transparent.
    leaf.name = "Leaf";
    parent.name = "Parent";
    CFont font;
    CFormFont verdana;
    ASSERT_TRUE(verdana.fromString("Verdana,0,-12,400,0,0,0"));
    ASSERT_TRUE(font.CreateFormFont(verdana));
    drawn.Clear();
    toolBar->PaintButtonImage(&font, &bitmap, &plain, &leaf);
    toolBar->PaintButtonImage(&font, &bitmap, &withChildren, &parent);
    parent.children.clear();  // the records are the test's own
    const unsigned format = orv::ui::kDtCenter | orv::ui::kDtVCenter | orv::ui::kDtSingleLine;
    ASSERT_EQ(drawn.Texts().size(), 2u);
    for (const auto& t : drawn.Texts()) {
        EXPECT_EQ(t.rect, (CRect{0, 0, 24, 20}));
        EXPECT_EQ(t.format, format);
        EXPECT_EQ(t.color, orv::Rgb(0, 0, 0));
        EXPECT_EQ(t.bkMode, orv::ui::kTransparent);
        EXPECT_EQ(t.faceName, "Verdana");
    }
    EXPECT_EQ(drawn.Texts()[0].text, "Leaf");
    EXPECT_EQ(drawn.Texts()[1].text, "Parent");
}

TEST_F(ToolBarTest, MissingBitmapsStillGiveButtonsAndSwitchingLeaksNothing) {
    WriteFile(imageDir + "/broken.bmp", "BM not a bitmap");
    LoadToolBar("<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
                "<NODE NAME=\"G1\" TYPE=\"GROUP\" ICON=\"missing.bmp\"><NODE NAME=\"a\" ICON=\"broken.bmp\"/>"
                "<NODE NAME=\"tr\" TYPE=\"TREDIT\" TOOLTIP=\"screen\"/></NODE>"
                "<NODE NAME=\"G2\" TYPE=\"GROUP\"><NODE NAME=\"b\"/><NODE NAME=\"c\"><NODE NAME=\"d\"/></NODE>"
                "<NODE NAME=\"code\" TYPE=\"CODECOMBO\"/></NODE>");
    EXPECT_EQ(ButtonCount(), 3);
    int cx = 0, cy = 0;
    ASSERT_TRUE(CImageList::GetIconSize(reinterpret_cast<HIMAGELIST>(Send(orv::ui::kTbGetImageList)), cx, cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    // A trading day of group switches, each making new boxes, must not use up the process's
    // drawing objects or leave a window object or a hook behind.
    toolBar->SelectGroup(Item("G2"));
    toolBar->SetupToolTips();
    const orv::test::HandleCounts after = orv::test::CountHandles();
    const orv::test::WindowObjectCounts objects = orv::test::CountWindowObjects();
    for (int i = 0; i < 1000; ++i) {
        toolBar->SelectGroup(Item(i % 2 == 0 ? "G1" : "G2"));
        toolBar->SetupToolTips();
    }
    EXPECT_EQ(orv::test::CountHandles(), after);
    EXPECT_EQ(orv::test::CountWindowObjects(), objects);
    EXPECT_GE(objects.hooks, 6u);  // host, toolbar, tooltips, and each box on itself and the toolbar
    EXPECT_EQ(ButtonCount(), 4);
    drawn.Clear();
}

// The pictures kept between group switches are read again once their files change, are never
// answered for a file that went or broke, and are not shown from outside the image folder.
TEST_F(ToolBarTest, PicturesKeptBetweenSwitchesFollowTheirFiles) {
    WriteBitmap("b.bmp", 24, 20, orv::Rgb(0, 0, 200));
    LoadToolBar("<NODE NAME=\"Switch\" TYPE=\"GROUPBTN\"/>"
                "<NODE NAME=\"G1\" TYPE=\"GROUP\" ICON=\"b.bmp\"><NODE NAME=\"a\" ICON=\"b.bmp\"/></NODE>"
                "<NODE NAME=\"G2\" TYPE=\"GROUP\" ICON=\"b.bmp\"><NODE NAME=\"c\" ICON=\"b.bmp\"/></NODE>");
    const auto imageSize = [this] {
        int cx = 0, cy = 0;
        CImageList::GetIconSize(reinterpret_cast<HIMAGELIST>(Send(orv::ui::kTbGetImageList)), cx, cy);
        return std::pair{cx, cy};
    };
    EXPECT_EQ(imageSize(), (std::pair{24, 20}));
    toolBar->SelectGroup(Item("G2"));
    EXPECT_EQ(imageSize(), (std::pair{24, 20}));
    WriteBitmap("b.bmp", 30, 22, orv::Rgb(0, 0, 200));
    toolBar->SelectGroup(Item("G1"));
    EXPECT_EQ(imageSize(), (std::pair{30, 22})) << "a changed file is read again";
    WriteFile(imageDir + "/b.bmp", "BM cut short");
    toolBar->SelectGroup(Item("G2"));
    EXPECT_EQ(imageSize(), (std::pair{16, 16})) << "a broken file shows no picture, not the one read before";
    WriteBitmap("b.bmp", 28, 18, orv::Rgb(0, 0, 200));
    toolBar->SelectGroup(Item("G1"));
    EXPECT_EQ(imageSize(), (std::pair{28, 18}));
    std::filesystem::remove(imageDir + "/b.bmp");
    toolBar->SelectGroup(Item("G2"));
    EXPECT_EQ(imageSize(), (std::pair{16, 16})) << "a file that went shows no picture";

    // Same size, same length, new colour: told apart by the file's times.
    const std::string path = imageDir + "/p.bmp";
    const auto pixel = [this](const CFormBitmap* picture) {
        CClientDC client(mainWnd->GetHwnd());
        CDC memory, source;
        CBitmap target;
        if (picture == nullptr || !memory.CreateCompatibleDC(&client) || !source.CreateCompatibleDC(&client) ||
            !target.CreateCompatibleBitmap(client, 1, 1)) {
            return orv::Color{0xFFFFFFFFu};
        }
        void* oldTarget = memory.SelectObject(&target);
        void* oldSource = source.SelectHandle(picture->GetSafeHandle());
        picture->DrawSelected(&memory, &source, CPoint{0, 0}, 1, 1);
        source.SelectHandle(oldSource);
        memory.SelectHandle(oldTarget);
        return orv::test::BitmapPixel(target, 0, 0);
    };
    orv::toolbar::Pictures pictures;
    WriteFile(path, Bmp24(4, 4, orv::Rgb(255, 0, 0)));
    const CFormBitmap* red = pictures.Get(path);
    EXPECT_EQ(pixel(red), orv::Rgb(255, 0, 0));
    EXPECT_EQ(pictures.Get(path), red) << "an unchanged file is not read again";
    const auto written = std::filesystem::last_write_time(path);
    WriteFile(path, Bmp24(4, 4, orv::Rgb(0, 255, 0)));
    std::filesystem::last_write_time(path, written + std::chrono::seconds(2));
    EXPECT_EQ(pixel(pictures.Get(path)), orv::Rgb(0, 255, 0));

    // The same path once the image folder is another: outside it, so not shown.
    CEnvMgr::SetImageDir(dataDir);
    EXPECT_EQ(pictures.Get(path), nullptr);
    CEnvMgr::SetImageDir(imageDir);
    EXPECT_NE(pictures.Get(path), nullptr);
    EXPECT_EQ(pictures.Get(imageDir + "/../Data/ToolBar.xml"), nullptr);

    // Many pictures: the oldest go, and the one asked for last is whole.
    for (int i = 0; i < 70; ++i) {
        const std::string name = imageDir + "/n" + std::to_string(i) + ".bmp";
        WriteFile(name, Bmp24(2, 2, orv::Rgb(0, 0, 255)));
        ASSERT_NE(pictures.Get(name), nullptr);
    }
    EXPECT_EQ(pictures.Size(), orv::toolbar::Pictures::kMaxPictures);
    EXPECT_EQ(pixel(pictures.Get(imageDir + "/n69.bmp")), orv::Rgb(0, 0, 255));
    drawn.Clear();
}

}  // namespace
}  // namespace orv::test
