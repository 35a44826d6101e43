#include "services/Process.h"
#include "services/win32/Win32.h"

namespace orv::process {

void TuneForTerminal() {
    HANDLE self = ::GetCurrentProcess();
    SIZE_T minimum = 0;
    SIZE_T maximum = 0;
    // Results are not tested: a process that may not change them runs as it was.
    ::GetProcessWorkingSetSize(self, &minimum, &maximum);
    ::SetProcessWorkingSetSize(self, maximum, maximum * 10);
    ::SetPriorityClass(self, HIGH_PRIORITY_CLASS);  // 0x80
}

}  // namespace orv::process
