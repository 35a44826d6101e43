// The headless tooltip window: the tools it holds, kept where the real control keeps them
// (behind its window), so what a component added is read back the same way on both back ends.
#include <memory>
#include <vector>

#include "ui/ToolTip.h"
#include "ui/Window.h"
#include "ui/headless/HeadlessSystem.h"

namespace {

constexpr char kToolTipClass[] = "tooltips_class32";

struct ToolTipState {
    std::vector<CToolTipCtrl::Tool> tools;
    bool active = true;
};

// The window procedure: the messages the tooltip answers with numbers.
struct ToolTipProc {
    std::shared_ptr<ToolTipState> state;
    LRESULT operator()(unsigned message, WPARAM wParam, LPARAM) const {
        if (message == orv::ui::kTtmGetToolCount) return static_cast<LRESULT>(state->tools.size());
        if (message == orv::ui::kTtmActivate) state->active = wParam != 0;
        return 0;
    }
};

// The state behind a live tooltip window: its class procedure holds it.
std::shared_ptr<ToolTipState> StateOf(HWND wnd) {
    if (!orv::headless::IsWindow(wnd) || wnd->className != kToolTipClass) return nullptr;
    const auto& classProc = wnd->classProc ? wnd->classProc : wnd->proc;
    const auto* proc = classProc.target<ToolTipProc>();
    return proc != nullptr ? proc->state : nullptr;
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

bool CToolTipCtrl::Create(HWND parent, unsigned style) {
    if (GetSafeHwnd() != nullptr) return false;
    // A popup's owner is the top-level window of the one it was created for.
    HWND top = orv::headless::IsWindow(parent) ? parent : nullptr;
    for (int guard = 0; guard < 1000 && top != nullptr && orv::headless::IsWindow(top->parent); ++guard) {
        top = top->parent;
    }
    HWND wnd = orv::headless::CreateWindow(kToolTipClass, nullptr, top, 0, orv::ui::kWsPopup | style,
                                           ToolTipProc{std::make_shared<ToolTipState>()});
    if (Attach(wnd)) return true;
    orv::ui::DestroyWindow(wnd);
    return false;
}

bool CToolTipCtrl::AddTool(HWND wnd, const std::string& text, const CRect& rect, std::uintptr_t id,
                           Relay relay) {
    (void)relay;  // no mouse moves headless: nothing learns of them either way
    const auto state = StateOf(GetSafeHwnd());
    if (state == nullptr) return false;
    // The control keeps every tool added, even one with an identifier it already holds.
    // measured: 64-bit Wine, tests/ui_toolbar_test.cpp
    state->tools.push_back({wnd, id, rect, text});
    return true;
}

bool CToolTipCtrl::RemoveTools() {
    const auto state = StateOf(GetSafeHwnd());
    if (state == nullptr) return false;
    state->tools.clear();
    return true;
}

bool CToolTipCtrl::Activate(bool active) {
    const auto state = StateOf(GetSafeHwnd());
    if (state == nullptr) return false;
    state->active = active;
    return true;
}

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::GetTools() const { return ToolsOf(GetSafeHwnd()); }

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::ToolsOf(HWND tooltip) {
    const auto state = StateOf(tooltip);
    return state != nullptr ? state->tools : std::vector<Tool>{};
}
