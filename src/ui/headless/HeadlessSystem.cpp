#include "ui/headless/HeadlessSystem.h"

namespace orv::headless {

System& GetSystem() {
    static System system;
    return system;
}

}  // namespace orv::headless

#include "ui/Resources.h"

namespace orv::ui {

HandleCounts CountHandles() {
    const auto& system = headless::GetSystem();
    return {static_cast<unsigned>(system.menus.size() + system.windows.size()),
            static_cast<unsigned>(system.gdiObjects.size())};
}

}  // namespace orv::ui
