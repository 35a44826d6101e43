// Filling the host's toolbar window with the buttons of one group, and painting their images.
#include <algorithm>
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
// The widest bitmap the toolkit makes: a strip of images is no wider.
constexpr int kMaxStripWidth = 4096;
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
    unsigned createStyle; // a drop-down box, or a drop-down list (the account box)
    unsigned id;
    int droppedWidth;
    int itemHeightLess;   // the selection field is the placeholder's height less this; 0: not set
    int moveDown;
};
constexpr int kListHeight = 200;  // the dropped list reaches this far below the box's top
constexpr unsigned kBoxStyle = orv::ui::kWsChild | orv::ui::kWsVisible | orv::ui::kWsBorder | orv::ui::kWsVScroll |
                               orv::ui::kCbsAutoHScroll;
constexpr unsigned kDropDown = kBoxStyle | orv::ui::kCbsDropDown;
constexpr unsigned kDropDownList = kBoxStyle | orv::ui::kCbsDropDownList;
constexpr BoxPlace kBoxPlaces[] = {
    {kOrvTbTrEdit, CToolBar::kTbbsSeparator | CToolBar::kTbbsHidden, 70, 80, kDropDown, 91000, 100, 0, 4},
    {kOrvTbUrlEdit, CToolBar::kTbbsSeparator, 250, -2, kDropDown, 91001, 40, 10, 5},
    {kOrvTbUserInfo, CToolBar::kTbbsSeparator, 600, -2, kDropDownList, 91001, 40, 8, 1},
    {kOrvTbCodeCombo, CToolBar::kTbbsSeparator, 70, -2, kDropDown, 91001, 40, 10, 5},
};

HWND WindowOf(CToolBar* wnd) { return wnd != nullptr ? wnd->GetSafeHwnd() : nullptr; }

// The contexts a group's images are painted in, taken once for all of its buttons: under the
// window system every context, every font selection and every text setting is a call of its
// own, and a client context of the toolbar costs most of all.
class ImagePainter {
public:
    ImagePainter(HWND wnd, CFont* font) : client_(wnd) {
        if (!dc_.CreateCompatibleDC(&client_) || !pictures_.CreateCompatibleDC(&client_)) return;
        ready_ = true;
        if (font != nullptr) font_.Select(font);
        dc_.SetBkMode(orv::ui::kTransparent);
        dc_.SetTextColor(orv::Rgb(0, 0, 0));
    }
    ImagePainter(const ImagePainter&) = delete;
    ImagePainter& operator=(const ImagePainter&) = delete;

    // Makes target a new bitmap of width x height to paint images side by side into; false
    // without a context or a bitmap, and the target stays empty, which callers see.
    bool Begin(CBitmap* target, int width, int height) {
        target->DeleteObject();
        if (!ready_ || !target->CreateCompatibleBitmap(client_, width, height)) return false;
        return target_.Select(target);
    }
    // Paints the record's image, w x h, with its left edge at x of the bitmap begun.
    // A picture stays selected for the buttons after it that show it too.
    void Paint(const CFormBitmap* bitmap, const OrvToolBar* record, int x, int w, int h) {
        if (bitmap != nullptr && bitmap->IsLoaded() && Select(bitmap)) {
            bitmap->DrawSelected(&dc_, &pictures_, CPoint{x, 0}, w, h);
        } else {
            // Without its bitmap the button shows the toolbar's own background behind the caption.
            dc_.FillSolidRect(CRect{x, 0, x + w, h}, kMaskColor);
        }
        if (!record->children.empty()) {
            CPen pen;
            pen.CreatePen(orv::ui::kPsSolid, 1, kTrianglePen);
            CBrush brush;
            brush.CreateSolidBrush(kTriangleBrush);
            const CSelection penSelected(dc_, &pen);
            const CSelection brushSelected(dc_, &brush);
            const CPoint triangle[] = {{x + w - 5, h - 10}, {x + w - 5, h - 5}, {x + w - 10, h - 5}, {x + w - 5, h - 10}};
            dc_.Polygon(triangle, 4);
        }
        // Drawn clipped to the image's own rectangle.
        dc_.DrawText(record->name, CRect{x, 0, x + w, h},
                     orv::ui::kDtCenter | orv::ui::kDtVCenter | orv::ui::kDtSingleLine);
    }
    // Lets go of the bitmap begun, which can then be added to an image list.
    void End() { target_.Restore(); }
    // Lets go of the picture painted last, which may then be deleted.
    void LetGoOfPicture() {
        picture_.Restore();
        selected_ = nullptr;
    }

private:
    bool Select(const CFormBitmap* bitmap) {
        const HBITMAP handle = bitmap->GetSafeHandle();
        if (handle == selected_) return true;
        // In place of the picture before it: what the context held first goes back only when
        // the painter lets go of the picture (or goes).
        if (!picture_.SelectBitmap(handle)) return false;
        selected_ = handle;
        return true;
    }

    CClientDC client_;
    CDC dc_;        // the image painted
    CDC pictures_;  // the button's picture, copied from
    // Declared after the contexts, so that they go back before the contexts go.
    CSelection font_{dc_};
    CSelection target_{dc_};       // the bitmap begun
    CSelection picture_{pictures_};
    HBITMAP selected_ = nullptr;   // the picture pictures_ holds
    bool ready_ = false;
};

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
        pictureCache.Clear();  // their memory too
        if (!told) {
            told = true;
            AfxMessageBox(kNoImageMemory, orv::ui::kMbOk, 0);
        }
    }
}

bool COrvToolBarImpl::FillGroup(OrvToolBar* group, OrvToolBar* switchButton, bool pictures) {
    std::size_t count = switchButton != nullptr && group->type == kOrvTbGroup ? 1 : 0;
    for (const OrvToolBar* child : group->children) {
        if (IsShown(child)) ++count;
    }
    // Pictures come from the ones kept since an earlier group showed them, while their files
    // stay as they were.
    const CFormBitmap* bitmap = nullptr;
    std::string loadedPath = group->icon;
    imageWidth = imageHeight = 0;
    if (pictures) {
        bitmap = pictureCache.Get(group->icon);
        // Every image of a list has one size: the group's bitmap gives it, else the first of
        // its children's that can be read.
        const CFormBitmap* sized = bitmap;
        for (auto child = group->children.begin(); sized == nullptr && child != group->children.end(); ++child) {
            if (IsShown(*child)) sized = pictureCache.Get((*child)->icon);
        }
        if (sized != nullptr) {
            imageWidth = sized->GetWidth();
            imageHeight = sized->GetHeight();
        }
    }
    if (imageWidth <= 0 || imageHeight <= 0) imageWidth = imageHeight = kDefaultImageSize;
    // Every button holds an image of this size: the group as a whole must fit the budget.
    const auto bytes = static_cast<std::uint64_t>(imageWidth) * static_cast<std::uint64_t>(imageHeight) *
                       orv::toolbar::kImageBytesPerPixel * count;
    if (bytes > orv::toolbar::kImageBudgetBytes) return false;

    imageList.DeleteImageList();
    // Made at the group's size: a list grown a few images at a time copies itself each time.
    if (!imageList.Create(imageWidth, imageHeight, orv::ui::kIlcColor24 | orv::ui::kIlcMask,
                          static_cast<int>(std::max<std::size_t>(count, 1)), 8)) {
        return false;
    }

    // The buttons in their order, each with the record its image shows.
    std::vector<orv::ui::TbButton> buttons;
    std::vector<OrvToolBar*> painted;
    buttons.reserve(count);
    painted.reserve(count);
    auto addButton = [&](OrvToolBar* record, std::uint32_t id, std::int32_t style) {
        orv::ui::TbButton button;
        button.iBitmap = static_cast<std::int32_t>(buttons.size());
        button.idCommand = static_cast<std::int32_t>(id);
        button.fsState = orv::ui::kTbstateEnabled;
        button.fsStyle = static_cast<std::uint8_t>(style & 0xff);
        button.iString = -1;
        buttons.push_back(button);
        painted.push_back(record);
    };
    const bool withSwitch = switchButton != nullptr && group->type == kOrvTbGroup;
    if (withSwitch) addButton(group, switchButton->id, group->style);
    std::vector<std::pair<OrvToolBar*, int>> shown;  // each shown child and its position
    shown.reserve(count);
    for (OrvToolBar* child : group->children) {
        if (!IsShown(child)) continue;
        shown.emplace_back(child, static_cast<int>(buttons.size()));
        addButton(child, child->id, child->style);
    }

    // The images are painted side by side into strips, each added to the list in one call:
    // under the window system a bitmap made and added per image costs several times the
    // painting. An image under 10 pixels a side gets a strip of its own, so that its
    // drop-down triangle, which then reaches past its left edge, stays clipped to it.
    const std::size_t perStrip =
        imageWidth >= 10 && imageHeight >= 10 ? static_cast<std::size_t>(std::max(kMaxStripWidth / imageWidth, 1)) : 1;
    ImagePainter painter(WindowOf(toolBarWnd), captionFont.get());
    for (std::size_t first = 0; first < painted.size(); first += perStrip) {
        const std::size_t n = std::min(perStrip, painted.size() - first);
        CBitmap strip;
        if (!painter.Begin(&strip, imageWidth * static_cast<int>(n), imageHeight)) return false;
        for (std::size_t k = 0; k < n; ++k) {
            OrvToolBar* record = painted[first + k];
            const bool isSwitch = withSwitch && first + k == 0;
            if (pictures && !isSwitch && record->icon != loadedPath) {
                painter.LetGoOfPicture();  // the one painted last may be pushed out
                bitmap = pictureCache.Get(record->icon);
                loadedPath = record->icon;
            }
            painter.Paint(bitmap, record, imageWidth * static_cast<int>(k), imageWidth, imageHeight);
        }
        painter.End();
        if (imageList.Add(&strip, kMaskColor) != static_cast<int>(first)) return false;
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
        const CToolBar::Box kind = place->type == kOrvTbTrEdit     ? CToolBar::Box::Screen
                                   : place->type == kOrvTbUrlEdit  ? CToolBar::Box::Address
                                   : place->type == kOrvTbUserInfo ? CToolBar::Box::Account
                                                                   : CToolBar::Box::Code;
        // Hosts find the box by this property; the old box's window is gone.
        orv::ui::RemoveProp(toolBarWnd->GetSafeHwnd(), kOrvToolBarBoxProps[static_cast<int>(kind)]);
        toolBarWnd->SetButtonInfo(position, group->id, place->style, place->width);
        CRect item;
        toolBarWnd->SendMessage(orv::ui::kTbGetItemRect, static_cast<WPARAM>(position),
                                reinterpret_cast<LPARAM>(&item));
        CRect rect = item;
        rect.right += place->rightShift;
        rect.bottom = rect.top + kListHeight;
        if (!box->Create(place->createStyle, rect, toolBarWnd->GetSafeHwnd(), place->id)) continue;
        orv::ui::SetProp(toolBarWnd->GetSafeHwnd(), kOrvToolBarBoxProps[static_cast<int>(kind)], box->GetSafeHwnd());
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

    ImagePainter painter(WindowOf(toolBarWnd), font);
    if (!painter.Begin(target, w, h)) return;
    painter.Paint(bitmap, record, 0, w, h);
    painter.End();
}
