// Filling the host's toolbar window with the buttons of one group, and painting their images.
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "orvmenu/EnvMgr.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/ToolBar.h"
#include "toolbar/ToolBarImpl.h"
#include "ui/FormBitmap.h"
#include "orvmenu/MessageBox.h"
#include "ui/ToolBarControl.h"
#include "ui/Window.h"

namespace {

constexpr char kCaptionFont[] = "Verdana,0,-12,400,0,0,0";
constexpr int kSchemeBaseColor = 63;
constexpr unsigned kBrightness = 384;  // red + green + blue at and above which a colour is bright
constexpr unsigned kColorShift = 42;
constexpr orv::Color kMaskColor = orv::Rgb(255, 0, 255);
constexpr orv::Color kTrianglePen = orv::Rgb(128, 0, 0);
constexpr orv::Color kTriangleBrush = orv::Rgb(255, 0, 0);
// The toolbar control's own image size, for a group none of whose bitmaps could be read.
constexpr int kDefaultImageSize = 16;
// Told when the group's pictures do not fit in memory or in the budget; its buttons then show
// their captions only.
constexpr char kNoImageMemory[] = "not enough memory for toolbar images";

// Each box: the placeholder separator it stands on (style word: the framework toolbar's
// separator and hidden bits; width), how its rectangle comes from the placeholder's, how it is
// made and where it is moved.
struct BoxPlace {
    std::int32_t type;
    unsigned style;
    int width;
    int rightShift;       // added to the placeholder's right edge
    unsigned createStyle; // child, visible, border, vertical scroll, automatic horizontal scroll and
                          // drop-down (0x42) or drop-down list (0x43)
    unsigned id;
    int droppedWidth;
    int itemHeightLess;   // the selection field is the placeholder's height less this; 0: not set
    int moveDown;
};
constexpr int kListHeight = 200;  // the dropped list reaches this far below the box's top
constexpr BoxPlace kBoxPlaces[] = {
    {kOrvTbTrEdit, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden, 70, 80, 0x50A00042u, 91000, 100, 0, 4},
    {kOrvTbUrlEdit, CToolBar::kTbbsSeparator, 250, -2, 0x50A00042u, 91001, 40, 10, 5},
    {kOrvTbUserInfo, CToolBar::kTbbsSeparator, 600, -2, 0x50A00043u, 91001, 40, 8, 1},
    {kOrvTbCodeCombo, CToolBar::kTbbsSeparator, 70, -2, 0x50A00042u, 91001, 40, 10, 5},
};

HWND WindowOf(CToolBar* wnd) { return wnd != nullptr ? wnd->GetSafeHwnd() : nullptr; }

}  // namespace

orv::Color orv::toolbar::SchemeColor(orv::Color base) {
    const unsigned r = base & 0xffu, g = (base >> 8) & 0xffu, b = (base >> 16) & 0xffu;
    const bool bright = r + g + b >= kBrightness;
    auto shift = [bright](unsigned c) { return (bright ? c - kColorShift : c + kColorShift) & 0xffu; };
    return orv::Rgb(shift(r), shift(g), shift(b));
}

bool orv::toolbar::IsInImageFolder(const std::string& path) {
    return !path.empty() && orv::file::IsInside(CEnvMgr::GetImageDir(), path);
}

bool COrvToolBarImpl::IsShown(const OrvToolBar* item) {
    if (item->trCode.empty()) return true;
    if (menu == nullptr) return false;
    return menu->IsTRCode9100To9200(item->trCode) != 0 || menu->IsMenuVisible(item->menuNode) != 0;
}

void COrvToolBarImpl::BuildToolBar(CToolBar* wnd, OrvToolBar* rootRecord, std::int32_t groupIndex) {
    (void)wnd;  // the component's own toolbar window is the one filled
    if (rootRecord == nullptr || rootRecord->children.empty() || toolBarWnd == nullptr) return;
    const auto& groups = rootRecord->children;
    if (groupIndex < 0 || static_cast<std::size_t>(groupIndex) >= groups.size()) {
        AfxMessageBox("out of bound toolbar group index", orv::ui::kMbOk, 0);
        return;
    }
    if (captionFont == nullptr) {
        CFormFont form;
        form.fromString(kCaptionFont);
        captionFont = std::make_unique<CFont>();
        captionFont->CreateFormFont(form);
    }

    toolBarWnd->SendMessage(orv::ui::kTbSetExtendedStyle, 0, orv::ui::kTbstyleExDrawDDArrows);
    toolBarWnd->SendMessage(orv::ui::kTbDeleteButton, 0, 0);
    orv::ui::ColorScheme scheme;
    scheme.clrBtnHighlight = scheme.clrBtnShadow = orv::toolbar::SchemeColor(CFormColor::GetFormColor(kSchemeBaseColor));
    toolBarWnd->SendMessage(orv::ui::kCcmSetColorScheme, 0, reinterpret_cast<LPARAM>(&scheme));

    // With a group switch button the index counts GROUP children only; without, every child.
    OrvToolBar* switchButton = nullptr;
    for (OrvToolBar* child : groups) {
        if (child->type == kOrvTbGroupBtn) {
            switchButton = child;
            break;
        }
    }
    OrvToolBar* group = nullptr;
    if (switchButton != nullptr) {
        std::int32_t rank = 0;
        for (OrvToolBar* child : groups) {
            if (child->type != kOrvTbGroup) continue;
            if (rank++ == groupIndex) {
                group = child;
                break;
            }
        }
        if (group == nullptr) return;
    } else {
        group = groups[static_cast<std::size_t>(groupIndex)];
    }

    // Out of memory (or over the budget) the group is made again without its pictures, which
    // costs a few small images; a toolkit call that failed is treated the same way.
    bool told = false;
    for (const bool pictures : {true, false}) {
        bool filled = false;
        try {
            filled = FillGroup(group, switchButton, pictures);
        } catch (const std::bad_alloc&) {
            filled = false;
        }
        if (filled) return;
        DeleteButtons();
        toolBarWnd->SendMessage(orv::ui::kTbSetImageList, 0, 0);
        imageList.DeleteImageList();
        if (!told) {
            told = true;
            AfxMessageBox(kNoImageMemory, orv::ui::kMbOk, 0);
        }
    }
}

bool COrvToolBarImpl::LoadPicture(CFormBitmap& bitmap, const std::string& path) {
    if (!orv::toolbar::IsInImageFolder(path)) {
        bitmap.Load(std::string());  // leaves it empty
        return false;
    }
    return bitmap.Load(path);
}

bool COrvToolBarImpl::FillGroup(OrvToolBar* group, OrvToolBar* switchButton, bool pictures) {
    std::size_t count = switchButton != nullptr && group->type == kOrvTbGroup ? 1 : 0;
    for (const OrvToolBar* child : group->children) {
        if (IsShown(child)) ++count;
    }
    CFormBitmap bitmap;
    std::string loadedPath = group->icon;
    imageWidth = imageHeight = 0;
    if (pictures) {
        LoadPicture(bitmap, group->icon);
        // Every image of a list has one size: the group's bitmap gives it, else the first of
        // its children's that can be read.
        imageWidth = bitmap.GetWidth();
        imageHeight = bitmap.GetHeight();
        if (!bitmap.IsLoaded()) {
            for (const OrvToolBar* child : group->children) {
                CFormBitmap probe;
                if (!IsShown(child) || !LoadPicture(probe, child->icon)) continue;
                imageWidth = probe.GetWidth();
                imageHeight = probe.GetHeight();
                break;
            }
        }
    }
    if (imageWidth <= 0 || imageHeight <= 0) imageWidth = imageHeight = kDefaultImageSize;
    // Every button holds an image of this size: the group as a whole must fit the budget.
    const auto bytes = static_cast<std::uint64_t>(imageWidth) * static_cast<std::uint64_t>(imageHeight) *
                       orv::toolbar::kImageBytesPerPixel * count;
    if (bytes > orv::toolbar::kImageBudgetBytes) return false;

    imageList.DeleteImageList();
    if (!imageList.Create(imageWidth, imageHeight, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8)) {
        return false;
    }

    std::vector<orv::ui::TbButton> buttons;
    buttons.reserve(count);
    auto addButton = [&](OrvToolBar* painted, std::uint32_t id, std::int32_t style) {
        CBitmap image;
        PaintButtonImage(captionFont.get(), &bitmap, &image, painted);
        if (image.GetSafeHandle() == nullptr) return false;
        if (imageList.Add(&image, kMaskColor) != static_cast<int>(buttons.size())) return false;
        image.DeleteObject();
        orv::ui::TbButton button;
        button.iBitmap = static_cast<std::int32_t>(buttons.size());
        button.idCommand = static_cast<std::int32_t>(id);
        button.fsState = orv::ui::kTbstateEnabled;
        button.fsStyle = static_cast<std::uint8_t>(style & 0xff);
        button.iString = -1;
        buttons.push_back(button);
        return true;
    };

    if (switchButton != nullptr && group->type == kOrvTbGroup) {
        if (!addButton(group, switchButton->id, group->style)) return false;
    }
    std::vector<std::pair<OrvToolBar*, int>> shown;  // each shown child and its position
    shown.reserve(count);
    for (OrvToolBar* child : group->children) {
        if (!IsShown(child)) continue;
        if (pictures && child->icon != loadedPath) {
            LoadPicture(bitmap, child->icon);
            loadedPath = child->icon;
        }
        shown.emplace_back(child, static_cast<int>(buttons.size()));
        if (!addButton(child, child->id, child->style)) return false;
    }
    if (!buttons.empty()) {
        toolBarWnd->SendMessage(orv::ui::kTbAddButtonsA, buttons.size(),
                                reinterpret_cast<LPARAM>(buttons.data()));
        toolBarWnd->SendMessage(orv::ui::kTbSetImageList, 0,
                                reinterpret_cast<LPARAM>(imageList.GetSafeHandle()));
    }
    PlaceBoxes(group, shown);
    return true;
}

void COrvToolBarImpl::PlaceBoxes(OrvToolBar* group,
                                 const std::vector<std::pair<OrvToolBar*, int>>& shown) {
    for (const auto& [child, position] : shown) {
        const BoxPlace* place = nullptr;
        for (const BoxPlace& p : kBoxPlaces) {
            if (child->type == p.type) place = &p;
        }
        if (place == nullptr) continue;
        // The account box only stands in the toolbar when the host asked for it; otherwise
        // the item keeps its image button.
        if (place->type == kOrvTbUserInfo && userInfoMode != 2) continue;

        // A group shown again gets new boxes: the old ones go first.
        CComboBox* box = nullptr;
        switch (place->type) {
        case kOrvTbTrEdit: box = (trCombo = std::make_unique<CComboBoxTR>()).get(); break;
        case kOrvTbUrlEdit: box = (urlCombo = std::make_unique<CComboBoxURL>()).get(); break;
        case kOrvTbUserInfo: box = (accountCombo = std::make_unique<CComboBoxAccount>()).get(); break;
        default: box = (codeCombo = std::make_unique<CComboBoxCode>()).get(); break;
        }
        toolBarWnd->SetButtonInfo(position, group->id, place->style, place->width);
        CRect item;
        toolBarWnd->SendMessage(orv::ui::kTbGetItemRect, static_cast<WPARAM>(position),
                                reinterpret_cast<LPARAM>(&item));
        CRect rect = item;
        rect.right += place->rightShift;
        rect.bottom = rect.top + kListHeight;
        if (!box->Create(place->createStyle, rect, toolBarWnd->GetSafeHwnd(), place->id)) continue;
        box->SendMessage(orv::ui::kCbSetDroppedWidth, static_cast<WPARAM>(place->droppedWidth), 0);
        if (place->itemHeightLess != 0) {
            box->SendMessage(orv::ui::kCbSetItemHeight, static_cast<WPARAM>(-1),
                             item.Height() - place->itemHeightLess);
        }
        box->MoveTo(rect.left, rect.top + place->moveDown);

        switch (place->type) {
        case kOrvTbTrEdit:
            trCombo->ShowWindow(orv::ui::kSwShow);
            trCombo->SetMenu(menu);
            trCombo->SetFont(captionFont.get(), true);
            if (!child->toolTip.empty()) trCombo->SetToolTip(child->toolTip, rect);
            break;
        case kOrvTbUrlEdit:
            urlCombo->ShowWindow(orv::ui::kSwShow);
            urlCombo->SetMenu(menu);
            urlCombo->SetToolBarItem(child);
            break;
        case kOrvTbUserInfo:
            accountCombo->LoadAccounts();
            accountCombo->SetFont(captionFont.get(), true);
            accountCombo->ShowWindow(orv::ui::kSwShow);
            break;
        default: codeCombo->ShowWindow(orv::ui::kSwShow); break;
        }
    }
}

void COrvToolBarImpl::PaintButtonImage(CFont* font, CFormBitmap* bitmap, CBitmap* target,
                                       OrvToolBar* record) {
    if (target == nullptr || record == nullptr) return;
    const bool drawBitmap = bitmap != nullptr && bitmap->IsLoaded();
    // Painted at the image list's size, so that every button keeps exactly one image.
    const int w = imageWidth > 0 ? imageWidth : (drawBitmap ? bitmap->GetWidth() : kDefaultImageSize);
    const int h = imageHeight > 0 ? imageHeight : (drawBitmap ? bitmap->GetHeight() : kDefaultImageSize);

    CClientDC client(WindowOf(toolBarWnd));
    CDC dc;
    target->DeleteObject();
    // Without a context nothing could be painted: the target stays empty, which callers see.
    if (!dc.CreateCompatibleDC(&client)) return;
    if (!target->CreateCompatibleBitmap(client, w, h)) {
        dc.DeleteDC();
        return;
    }
    void* oldBitmap = dc.SelectObject(target);
    void* oldFont = font != nullptr ? dc.SelectObject(font) : nullptr;

    if (drawBitmap) {
        bitmap->Draw(&dc, CPoint{0, 0}, 0, 0);
    } else {
        // Without its bitmap the button shows the toolbar's own background behind the caption.
        dc.FillSolidRect(CRect{0, 0, w, h}, kMaskColor);
    }
    if (!record->children.empty()) {
        CPen pen;
        pen.CreatePen(orv::ui::kPsSolid, 1, kTrianglePen);
        CBrush brush;
        brush.CreateSolidBrush(kTriangleBrush);
        void* oldPen = dc.SelectObject(&pen);
        void* oldBrush = dc.SelectObject(&brush);
        const CPoint triangle[] = {{w - 5, h - 10}, {w - 5, h - 5}, {w - 10, h - 5}, {w - 5, h - 10}};
        dc.Polygon(triangle, 4);
        dc.SelectHandle(oldPen);
        dc.SelectHandle(oldBrush);
    }
    dc.SetBkMode(orv::ui::kTransparent);
    dc.SetTextColor(orv::Rgb(0, 0, 0));
    dc.DrawText(record->name, CRect{0, 0, w, h},
                orv::ui::kDtCenter | orv::ui::kDtVCenter | orv::ui::kDtSingleLine);

    dc.SelectHandle(oldBitmap);
    if (oldFont != nullptr) dc.SelectHandle(oldFont);
    dc.DeleteDC();
}
