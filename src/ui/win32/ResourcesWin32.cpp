#include "ui/Resources.h"
#include "ui/win32/Win32.h"

namespace orv::ui {

HandleCounts CountHandles() {
    HANDLE process = ::GetCurrentProcess();
    return {::GetGuiResources(process, GR_USEROBJECTS), ::GetGuiResources(process, GR_GDIOBJECTS)};
}

}  // namespace orv::ui
