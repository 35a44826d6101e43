// The test-support library headless: it reads the headless window system's state, as a tool
// reads the window system's on Windows.
#include <cstddef>
#include <cstdint>

#include "orvmenu/Wnd.h"

#include "testsupport/ComboDriver.h"
#include "testsupport/Drawing.h"
#include "testsupport/Handles.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"
#include "ui/headless/GdiHeadless.h"
#include "ui/headless/HeadlessSystem.h"

namespace orv::test {

using orv::headless::GetSystem;

WindowObjectCounts CountWindowObjects() {
    WindowObjectCounts counts;
    for (const HWND__* wnd : GetSystem().windows) {
        if (wnd->props.count(orv::wnd::kObjectProp) != 0) ++counts.objects;
        const auto hooks = wnd->props.find(orv::wnd::kHookCountProp);
        if (hooks != wnd->props.end()) counts.hooks += static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(hooks->second));
    }
    return counts;
}

HandleCounts CountHandles() {
    const auto& system = GetSystem();
    return {static_cast<unsigned>(system.menus.size() + system.windows.size()),
            static_cast<unsigned>(system.gdiObjects.size())};
}

// --- DrawText ------------------------------------------------------------------------------------

namespace {

DrawTextRecorder* current = nullptr;
orv::headless::DrawTextProc replaced = nullptr;

int RecordingDrawText(void* hdc, const std::string& text, const CRect& rect, unsigned format) {
    using namespace orv::headless;
    if (const auto* dc = Lookup<GdiDc>(hdc, GdiKind::Dc); dc != nullptr && current != nullptr) {
        current->Add({text, rect, format, dc->textColor, dc->bkMode, dc->font->font.faceName});
    }
    return replaced(hdc, text, rect, format);
}

}  // namespace

DrawTextRecorder::DrawTextRecorder() {
    if (current != nullptr) return;
    current = this;
    replaced = GetSystem().drawText;
    GetSystem().drawText = &RecordingDrawText;
    active_ = true;
}

DrawTextRecorder::~DrawTextRecorder() {
    if (!active_) return;
    GetSystem().drawText = replaced;
    current = nullptr;
}

DrawTextRecorder* DrawTextRecorder::Current() { return current; }

orv::Color BitmapPixel(const CBitmap& bitmap, int x, int y) {
    using namespace orv::headless;
    const auto* bits = Lookup<GdiBitmap>(bitmap.GetSafeHandle(), GdiKind::Bitmap);
    if (bits == nullptr || bits->stock || x < 0 || y < 0 || x >= bits->width || y >= bits->height) {
        return 0xFFFFFFFF;
    }
    return bits->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bits->width) +
                        static_cast<std::size_t>(x)];
}

}  // namespace orv::test

// --- combo boxes ---------------------------------------------------------------------------------

namespace orv::test::combo {

namespace {

using orv::ui::kCbsDropDownList;
using orv::ui::kCbsTypeMask;
using orv::ui::kVkDown;
using orv::ui::kWmChar;
using orv::ui::kWmPaint;

bool IsEx(HWND box) { return box->className == "ComboBoxEx32"; }

}  // namespace

void TypeChar(CComboBox& box, char c) {
    box.SendMessage(kWmChar, static_cast<unsigned char>(c), 1);
}

void PressReturn(CComboBox& box) { box.SendMessage(orv::ui::kWmKeyDown, orv::ui::kVkReturn, 1); }

void Choose(CComboBox& box, int index) {
    HWND wnd = box.GetSafeHwnd();
    if (!orv::headless::IsWindow(wnd) || index < 0 || index >= box.GetCount()) return;
    if (IsEx(wnd)) {
        // The entry before it, then the down-arrow key: the control moves to the entry and tells
        // its parent, as on a user's choice. The extended box has no inner box headless.
        box.SendMessage(orv::ui::kCbSetCurSel, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(index - 1)), 0);
        box.SendMessage(orv::ui::kWmKeyDown, kVkDown, 1);
        return;
    }
    // As on Windows: the entry is selected, then the parent is told what the control tells it
    // on a choice made with the keyboard.
    box.SendMessage(orv::ui::kCbSetCurSel, static_cast<std::uintptr_t>(index), 0);
    if (!orv::headless::IsWindow(wnd)) return;
    HWND parent = wnd->parent;
    const auto id = static_cast<std::uintptr_t>(wnd->id & 0xFFFFu);
    const auto from = reinterpret_cast<std::intptr_t>(wnd);
    if ((wnd->style & kCbsTypeMask) == kCbsDropDownList) {
        orv::ui::SendMessage(parent, orv::kWmCommand, (std::uintptr_t{orv::ui::kCbnSelEndOk} << 16) | id, from);
    }
    orv::ui::SendMessage(parent, orv::kWmCommand, (std::uintptr_t{orv::ui::kCbnSelChange} << 16) | id, from);
}

void Paint(CComboBox& box) { box.SendMessage(kWmPaint, 0, 0); }

orv::Color WindowPixel(CComboBox& box, int x, int y) {
    HWND wnd = box.GetSafeHwnd();
    if (!orv::headless::IsWindow(wnd)) return 0xFFFFFFFFu;
    const CRect rect = box.GetWindowRect();
    const int width = rect.Width();
    const int height = rect.Height();
    if (x < 0 || y < 0 || x >= width || y >= height ||
        wnd->surface.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return 0xFFFFFFFFu;
    }
    return wnd->surface[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

}  // namespace orv::test::combo
