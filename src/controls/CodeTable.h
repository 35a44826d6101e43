// CCodeTable: the terminal's market-data tables, such as the user's accounts.
//
// The tables belong to the host, which hands them over with its services on its main window
// (orvmenu/OrvHostServices.h): a host cannot reach this module's code through the library's
// exports. A control names the main window it lives under before it reads.
#pragma once

#include <string>

#include "orvmenu/OrvHostServices.h"
#include "orvmenu/OrvWinTypes.h"

class CCodeTable {
public:
    // The table of that name from the registered main window's services; null when there is
    // no window, no services or no such table. Read it before the host can change it.
    static const OrvMarketTable* GetMarketData(const std::string& name);
    // The main window whose services hold the tables; null forgets it.
    static void SetMainWindow(HWND mainWnd);
};
