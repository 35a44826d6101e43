#include "controls/HostServices.h"

#include "ui/Window.h"

IOrvHostServices* orv::controls::HostServicesOf(HWND anyWindow) {
    if (anyWindow == nullptr) return nullptr;
    const HWND main = orv::ui::GetRootOwner(anyWindow);
    if (main == nullptr) return nullptr;
    return static_cast<IOrvHostServices*>(orv::ui::GetProp(main, kOrvHostServicesProp));
}
