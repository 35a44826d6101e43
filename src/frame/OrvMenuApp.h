// COrvMenuApp: the library's one application object, alive while the library is loaded.
#pragma once

class COrvMenuApp {
public:
    // Tunes the host process for the terminal: a larger working set, high priority.
    COrvMenuApp();
    COrvMenuApp(const COrvMenuApp&) = delete;
    COrvMenuApp& operator=(const COrvMenuApp&) = delete;
};
