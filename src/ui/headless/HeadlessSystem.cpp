#include "ui/headless/HeadlessSystem.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace orv::headless {

System& GetSystem() {
    static System system;
    return system;
}

HWND CreateWindow(const std::string& className, HWND parent, HWND owner, unsigned id, unsigned style,
                  std::function<LRESULT(unsigned, WPARAM, LPARAM)> proc) {
    auto* wnd = new HWND__;
    wnd->className = className;
    wnd->parent = parent;
    wnd->owner = owner;
    wnd->id = id;
    wnd->style = style;
    wnd->proc = std::move(proc);
    GetSystem().windows.insert(wnd);
    return wnd;
}

namespace {

// The subclass running on each window, innermost last: DefSubclassProc goes on below it.
struct Frame {
    HWND wnd;
    std::uint64_t order;
};
// Lives as long as the process: a window that an object of static storage owns is destroyed at
// exit, after the thread's own storage has gone.
std::vector<Frame>& Frames() {
    static auto* frames = new std::vector<Frame>;
    return *frames;
}
std::uint64_t nextOrder = 1;

// The subclasses installed before `below`, newest first, then the window's own procedure.
LRESULT RunChain(HWND wnd, std::uint64_t below, unsigned message, WPARAM wParam, LPARAM lParam) {
    const HWND__::Subclass* next = nullptr;
    for (const auto& subclass : wnd->subclasses) {
        if (subclass.order < below && (next == nullptr || subclass.order > next->order)) next = &subclass;
    }
    if (next == nullptr) return wnd->classProc ? wnd->classProc(message, wParam, lParam) : 0;
    const auto proc = next->proc;  // stays while it runs, even if it removes itself
    std::vector<Frame>& frames = Frames();
    frames.push_back({wnd, next->order});
    LRESULT result = 0;
    bool answered = false;
    try {
        answered = (*proc)(wnd, message, wParam, lParam, result);
    } catch (...) {
        frames.pop_back();
        throw;
    }
    const std::uint64_t order = frames.back().order;
    frames.pop_back();
    return answered ? result : RunChain(wnd, order, message, wParam, lParam);
}

}  // namespace

bool SetWindowSubclass(HWND wnd, std::uintptr_t id, SubclassProc proc) {
    if (!IsWindow(wnd) || !proc) return false;
    for (auto& subclass : wnd->subclasses) {
        if (subclass.id == id) {
            subclass.proc = std::make_shared<const SubclassProc>(std::move(proc));
            return true;
        }
    }
    if (wnd->subclasses.empty() && !wnd->classProc) {
        // The chain goes in front of what proc was; proc stays the entry the system calls.
        wnd->classProc = std::move(wnd->proc);
        wnd->proc = [wnd](unsigned message, WPARAM wParam, LPARAM lParam) {
            return RunChain(wnd, std::numeric_limits<std::uint64_t>::max(), message, wParam, lParam);
        };
    }
    wnd->subclasses.push_back({nextOrder++, id, std::make_shared<const SubclassProc>(std::move(proc))});
    return true;
}

bool RemoveWindowSubclass(HWND wnd, std::uintptr_t id) {
    if (wnd == nullptr) return false;
    auto& list = wnd->subclasses;
    const auto it = std::find_if(list.begin(), list.end(), [id](const auto& s) { return s.id == id; });
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

LRESULT DefSubclassProc(HWND wnd, unsigned message, WPARAM wParam, LPARAM lParam) {
    const std::vector<Frame>& frames = Frames();
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
        if (frame->wnd == wnd) return RunChain(wnd, frame->order, message, wParam, lParam);
    }
    return RunChain(wnd, std::numeric_limits<std::uint64_t>::max(), message, wParam, lParam);
}

}  // namespace orv::headless
