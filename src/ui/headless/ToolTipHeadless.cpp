// The headless tooltip window: the tools it holds, kept where the real control keeps them
// (behind its window), so what a component added is read back the same way on both back ends.
#include <memory>
#include <vector>

#include "ui/ToolTip.h"
#include "ui/headless/HeadlessSystem.h"

namespace {

constexpr char kToolTipClass[] = "tooltips_class32";
// The object that made the window: a later window at the same address is never taken for it.
constexpr char kObjectProp[] = "orv.tooltip.object";

constexpr unsigned kTtmActivate = 0x0401;
constexpr unsigned kTtmGetToolCount = 0x040D;

struct ToolTipState {
    std::vector<CToolTipCtrl::Tool> tools;
    bool active = true;
};

// The window procedure: the messages the tooltip answers with numbers.
struct ToolTipProc {
    std::shared_ptr<ToolTipState> state;
    LRESULT operator()(unsigned message, WPARAM wParam, LPARAM) const {
        if (message == kTtmGetToolCount) return static_cast<LRESULT>(state->tools.size());
        if (message == kTtmActivate) state->active = wParam != 0;
        return 0;
    }
};

// The state behind a live tooltip window.
std::shared_ptr<ToolTipState> StateOf(HWND wnd) {
    if (!orv::headless::IsWindow(wnd) || wnd->className != kToolTipClass) return nullptr;
    const auto* proc = wnd->proc.target<ToolTipProc>();
    return proc != nullptr ? proc->state : nullptr;
}

// The same, when wnd is still the window this object made.
std::shared_ptr<ToolTipState> StateOf(HWND wnd, const CToolTipCtrl* object) {
    if (!orv::headless::IsWindow(wnd)) return nullptr;
    const auto it = wnd->props.find(kObjectProp);
    if (it == wnd->props.end() || it->second != object) return nullptr;
    return StateOf(wnd);
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

bool CToolTipCtrl::Create(HWND parent, unsigned style) {
    (void)style;
    if (hwnd_ != nullptr) return false;
    auto* wnd = new HWND__;
    wnd->className = kToolTipClass;
    // A popup's owner is the top-level window of the one it was created for.
    HWND top = orv::headless::IsWindow(parent) ? parent : nullptr;
    for (int guard = 0; guard < 1000 && top != nullptr && orv::headless::IsWindow(top->parent); ++guard) {
        top = top->parent;
    }
    wnd->owner = top;
    wnd->props[kObjectProp] = this;
    wnd->proc = ToolTipProc{std::make_shared<ToolTipState>()};
    orv::headless::GetSystem().windows.insert(wnd);
    hwnd_ = wnd;
    return true;
}

bool CToolTipCtrl::DestroyWindow() {
    HWND wnd = hwnd_;
    hwnd_ = nullptr;
    // Gone already when the toolbar it was set on was destroyed first.
    if (StateOf(wnd, this) == nullptr) return false;
    orv::headless::GetSystem().windows.erase(wnd);
    delete wnd;
    return true;
}

bool CToolTipCtrl::AddTool(HWND wnd, const std::string& text, const CRect& rect, std::uintptr_t id,
                           Relay relay) {
    (void)relay;  // no mouse moves headless: nothing learns of them either way
    const auto state = StateOf(hwnd_, this);
    if (state == nullptr) return false;
    // The control keeps every tool added, even one with an identifier it already holds.
    state->tools.push_back({wnd, id, rect, text});
    return true;
}

bool CToolTipCtrl::RemoveTools() {
    const auto state = StateOf(hwnd_, this);
    if (state == nullptr) return false;
    state->tools.clear();
    return true;
}

bool CToolTipCtrl::Activate(bool active) {
    const auto state = StateOf(hwnd_, this);
    if (state == nullptr) return false;
    state->active = active;
    return true;
}

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::GetTools() const {
    return StateOf(hwnd_, this) != nullptr ? ToolsOf(hwnd_) : std::vector<Tool>{};
}

std::vector<CToolTipCtrl::Tool> CToolTipCtrl::ToolsOf(HWND tooltip) {
    const auto state = StateOf(tooltip);
    return state != nullptr ? state->tools : std::vector<Tool>{};
}
