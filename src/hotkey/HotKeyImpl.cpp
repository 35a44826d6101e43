#include "hotkey/HotKeyImpl.h"

#include "orvmenu/OrvMenu.h"
#include "orvmenu/Keyboard.h"
#include "ui/Window.h"

COrvHotKeyImpl::~COrvHotKeyImpl() {
    // The file is written back at every destruction after a Load, changed or not; the table's
    // unique_ptrs free the records.
    // A destructor lets nothing out: a save that runs out of memory leaves the old file.
    try {
        if (!filePath.empty() && userFiles.MayWrite(filePath)) Save(filePath);
    } catch (...) {
    }
}

std::int32_t COrvHotKeyImpl::HandleKey(std::int32_t keyCode) {
    // The state of the key message being processed: it cannot change during the walk.
    const bool ctrl = orv::ui::IsKeyDown(orv::ui::kVkControl);
    const bool shift = orv::ui::IsKeyDown(orv::ui::kVkShift);

    // The first record in the table's order that matches wins. Alt is never examined.
    for (const auto& entry : table) {
        const OrvHotKey& hotKey = *entry.record;
        switch (hotKey.modifier) {
            case kOrvHotKeyCtrl:
                if (!ctrl) continue;  // Shift may be down too
                break;
            case kOrvHotKeyShift:
                if (!shift) continue;  // Ctrl may be down too
                break;
            default:
                if (shift || ctrl) continue;
                break;
        }
        if (hotKey.keyCode != keyCode || hotKey.menuNode == nullptr || hotKey.menuNode->id == 0) {
            continue;
        }
        // Without a host there is no window to tell: the key is left to the host.
        if (host == nullptr) return 0;
        orv::ui::SendMessage(host->GetHotKeyWnd(), orv::kWmCommand, hotKey.menuNode->id, 0);
        return 1;
    }
    return 0;
}
