// Filling the host's toolbar window with the buttons of one group, and painting their images.
#include <vector>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/ToolBar.h"
#include "toolbar/ToolBarImpl.h"
#include "ui/FormBitmap.h"
#include "ui/MessageBox.h"
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

// The placeholder separator each box stands on: style word (the framework toolbar's separator
// and hidden bits) and width.
struct BoxPlace {
    std::int32_t type;
    unsigned style;
    int width;
};
constexpr BoxPlace kBoxPlaces[] = {
    {kOrvTbTrEdit, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden, 70},
    {kOrvTbUrlEdit, CToolBar::kTbbsSeparator, 250},
    {kOrvTbUserInfo, CToolBar::kTbbsSeparator, 600},
    {kOrvTbCodeCombo, CToolBar::kTbbsSeparator, 70},
};

HWND WindowOf(CToolBar* wnd) { return wnd != nullptr ? wnd->GetSafeHwnd() : nullptr; }

}  // namespace

orv::Color orv::toolbar::SchemeColor(orv::Color base) {
    const unsigned r = base & 0xffu, g = (base >> 8) & 0xffu, b = (base >> 16) & 0xffu;
    const bool bright = r + g + b >= kBrightness;
    auto shift = [bright](unsigned c) { return (bright ? c - kColorShift : c + kColorShift) & 0xffu; };
    return orv::Rgb(shift(r), shift(g), shift(b));
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
    toolBarWnd->SendMessage(orv::ui::kCcmSetColorScheme, 0, reinterpret_cast<std::intptr_t>(&scheme));

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

    CFormBitmap bitmap;
    bitmap.Load(group->icon);
    std::string loadedPath = group->icon;
    // Every image of a list has one size: the group's bitmap gives it, else the first of its
    // children's that can be read.
    imageWidth = bitmap.GetWidth();
    imageHeight = bitmap.GetHeight();
    if (!bitmap.IsLoaded()) {
        for (const OrvToolBar* child : group->children) {
            CFormBitmap probe;
            if (!IsShown(child) || !probe.Load(child->icon)) continue;
            imageWidth = probe.GetWidth();
            imageHeight = probe.GetHeight();
            break;
        }
    }
    if (imageWidth <= 0 || imageHeight <= 0) imageWidth = imageHeight = kDefaultImageSize;
    imageList.DeleteImageList();
    imageList.Create(imageWidth, imageHeight, orv::ui::kIlcColor24 | orv::ui::kIlcMask, 8, 8);

    std::vector<orv::ui::TbButton> buttons;
    auto addButton = [&](OrvToolBar* painted, std::uint32_t id, std::int32_t style) {
        CBitmap image;
        PaintButtonImage(captionFont.get(), &bitmap, &image, painted);
        imageList.Add(&image, kMaskColor);
        image.DeleteObject();
        orv::ui::TbButton button;
        button.iBitmap = static_cast<std::int32_t>(buttons.size());
        button.idCommand = static_cast<std::int32_t>(id);
        button.fsState = orv::ui::kTbstateEnabled;
        button.fsStyle = static_cast<std::uint8_t>(style & 0xff);
        button.iString = -1;
        buttons.push_back(button);
    };

    if (switchButton != nullptr && group->type == kOrvTbGroup) {
        addButton(group, switchButton->id, group->style);
    }
    std::vector<std::pair<OrvToolBar*, int>> shown;  // each shown child and its position
    for (OrvToolBar* child : group->children) {
        if (!IsShown(child)) continue;
        if (child->icon != loadedPath) {
            bitmap.Load(child->icon);
            loadedPath = child->icon;
        }
        shown.emplace_back(child, static_cast<int>(buttons.size()));
        addButton(child, child->id, child->style);
    }
    if (!buttons.empty()) {
        toolBarWnd->SendMessage(orv::ui::kTbAddButtonsA, buttons.size(),
                                reinterpret_cast<std::intptr_t>(buttons.data()));
        toolBarWnd->SendMessage(orv::ui::kTbSetImageList, 0,
                                reinterpret_cast<std::intptr_t>(imageList.GetSafeHandle()));
    }
    PlaceBoxes(group, shown);
}

void COrvToolBarImpl::PlaceBoxes(OrvToolBar* group,
                                 const std::vector<std::pair<OrvToolBar*, int>>& shown) {
    for (const auto& [child, position] : shown) {
        for (const BoxPlace& place : kBoxPlaces) {
            if (child->type != place.type) continue;
            // The account box only stands in the toolbar when the host asked for it; otherwise
            // the item keeps its image button.
            if (place.type == kOrvTbUserInfo && userInfoMode != 2) continue;
            toolBarWnd->SetButtonInfo(position, group->id, place.style, place.width);
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
    dc.CreateCompatibleDC(&client);
    target->DeleteObject();
    target->CreateCompatibleBitmap(client, w, h);
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
