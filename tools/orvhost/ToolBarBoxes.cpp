#include "ToolBarBoxes.h"

#include <cstring>
#include <string>
#include <typeinfo>

#include "orvmenu/Wnd.h"
#include "ui/ComboBox.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "ui/headless/HeadlessSystem.h"
#endif

namespace orvhost {

#ifdef _WIN32
namespace {

constexpr int kScreenBoxId = 91000;
constexpr int kOtherBoxId = 91001;

}  // namespace

// A host finds its toolbar's child controls by the window system: control id, class and the
// drop-down kind tell the four boxes apart.
std::shared_ptr<CComboBox> FindToolBarBox(HWND toolBar, BoxKind kind) {
    if (toolBar == nullptr) return nullptr;
    for (HWND child = ::GetWindow(toolBar, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        ::GetClassNameA(child, name, static_cast<int>(sizeof name));
        const int id = ::GetDlgCtrlID(child);
        const auto dropKind = static_cast<unsigned>(::GetWindowLongPtrA(child, GWL_STYLE)) & 3u;
        const bool plain = std::strcmp(name, "ComboBox") == 0;
        bool match = false;
        switch (kind) {
        case BoxKind::Screen: match = plain && id == kScreenBoxId; break;
        case BoxKind::Address: match = std::strcmp(name, "ComboBoxEx32") == 0 && id == kOtherBoxId; break;
        case BoxKind::Account: match = plain && id == kOtherBoxId && dropKind == CBS_DROPDOWNLIST; break;
        case BoxKind::Code: match = plain && id == kOtherBoxId && dropKind == CBS_DROPDOWN; break;
        }
        // The window carries the box object the library made for it (the toolkit's mark).
        auto* box = match ? dynamic_cast<CComboBox*>(static_cast<CWnd*>(::GetPropA(child, orv::wnd::kObjectProp))) : nullptr;
        if (box != nullptr) return std::shared_ptr<CComboBox>(box, [](CComboBox*) {});
    }
    return nullptr;
}

#else

// Headless, the toolkit's windows can be inspected: each box window carries the box object the
// library made, which the toolkit's user actions call as the window system would.
std::shared_ptr<CComboBox> FindToolBarBox(HWND toolBar, BoxKind kind) {
    static constexpr const char* kClasses[] = {"CComboBoxTR", "CComboBoxURL", "CComboBoxAccount", "CComboBoxCode"};
    const char* wanted = kClasses[static_cast<int>(kind)];
    for (const HWND__* wnd : orv::headless::GetSystem().windows) {
        if (wnd->parent != toolBar) continue;
        const auto it = wnd->props.find(orv::wnd::kObjectProp);
        if (it == wnd->props.end() || it->second == nullptr) continue;
        auto* box = dynamic_cast<CComboBox*>(static_cast<CWnd*>(it->second));
        if (box == nullptr) continue;
        // The library's classes are not visible here; their names are.
        const std::string type = typeid(*box).name();
        const std::string name = wanted;
        if (type.size() >= name.size() && type.compare(type.size() - name.size(), name.size(), name) == 0) {
            return std::shared_ptr<CComboBox>(box, [](CComboBox*) {});
        }
    }
    return nullptr;
}

#endif

}  // namespace orvhost
