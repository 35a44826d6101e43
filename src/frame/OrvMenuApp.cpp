#include "frame/OrvMenuApp.h"

#include "services/Process.h"

COrvMenuApp::COrvMenuApp() {
    // A trading terminal keeps its screens resident and responsive: the working set grows to
    // ten times its old ceiling and the process runs at high priority. Failures are silent.
    orv::process::TuneForTerminal();
}

// Constructed when the library is loaded, before any factory can be called.
COrvMenuApp theApp;
