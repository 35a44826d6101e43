#include "controls/CodeTable.h"

#include "controls/HostServices.h"

namespace {
// Only a window handle is kept, never the services: the host may take them away at any time,
// and the property is read again on every request.
HWND g_mainWnd = nullptr;
}  // namespace

void CCodeTable::SetMainWindow(HWND mainWnd) { g_mainWnd = mainWnd; }

const OrvMarketTable* CCodeTable::GetMarketData(const std::string& name) {
    IOrvHostServices* services = orv::controls::HostServicesOf(g_mainWnd);
    return services != nullptr ? services->GetMarketData(name) : nullptr;
}
