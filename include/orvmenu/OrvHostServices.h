// What the host hands the library that no component interface carries: its user code manager
// (user tab groups and user layouts opened by a code typed into the toolbar's screen-number box)
// and its market-data tables (the accounts listed in the toolbar's account box).
//
// The host implements IOrvHostServices and puts a pointer to it on its main window as the
// window property named kOrvHostServicesProp (SetPropA(mainWnd, kOrvHostServicesProp, services)).
// It sets the property before it loads a toolbar and removes it (RemovePropA) after it has
// destroyed the toolbars; the object must live in between. The library finds the property on
// the root owner of the window a box lives in, so the toolbar window must be a child (or owned
// window) of that main window. Without the property, codes that the menu does not know are
// reported as not found and the account box stays empty.
#pragma once

#include <cstdint>
#include <map>
#include <string>

class OrvMenu;

// The name of the window property on the host's main window.
inline constexpr char kOrvHostServicesProp[] = "OrvMenu.HostServices";

// One of the user's saved layouts.
class CUserLayoutItem {
public:
    virtual ~CUserLayoutItem() = default;
    virtual std::string GetUserLayoutItemName() = 0;  // code page 950
};

// The host's user codes: codes of user tab groups and user layouts.
class CUserCodeMgr {
public:
    virtual ~CUserCodeMgr() = default;
    // Nonzero when code is a user code that can be opened; the library passes 0 as flags.
    virtual std::int32_t GetUsedTRCode(std::string code, std::int32_t flags) = 0;
    // A node standing for the user tab group of that code, or null; not owned by the library.
    virtual OrvMenu* GetUserTabGrpItem(std::string code) = 0;
    virtual std::string GetUserTabGrpName(std::string code) = 0;
    // The user layout of that code, or null; not owned by the library.
    virtual CUserLayoutItem* GetLayoutGrpItem(std::string code) = 0;
};

// A market-data table: key (for "account", the account string) to its fields (field name to
// value, for example "Name", "Phone"). A null field map is skipped.
using OrvMarketFields = std::map<std::string, std::string>;
using OrvMarketTable = std::map<std::string, OrvMarketFields*>;

class IOrvHostServices {
public:
    virtual ~IOrvHostServices() = default;
    // The user code manager, or null when the host has none.
    virtual CUserCodeMgr* GetUserCodeMgr() = 0;
    // The table of that name ("account"), or null; the host owns it, the library only reads.
    virtual const OrvMarketTable* GetMarketData(std::string name) = 0;
};
