// A control's handlers (selection and edit changes, painting, colours, Enter) run inside the
// window system's calls to a window procedure. Nothing may leave one: whatever a handler throws
// ends here and the message is answered as if the handler had not handled it.
#pragma once

#include <type_traits>

namespace orv::ui {

template <typename F>
auto RunHandler(F&& handler) noexcept -> decltype(handler()) {
    using Result = decltype(handler());
    try {
        return handler();
    } catch (...) {
        if constexpr (!std::is_void_v<Result>) return Result{};
    }
}

}  // namespace orv::ui
