// Hot keys: key combinations bound to screens.
#pragma once

#include <cstdint>
#include <string>

#include "orvmenu/OrvBase.h"
#include "orvmenu/OrvWinTypes.h"

class OrvMenu;
struct IOrvMenu;
class COrvHotKeyTable;  // orvmenu/OrvHotKeyTable.h

// The host object that names the window receiving hot-key commands.
struct IOrvHotKeyHost {
    virtual HWND GetHotKeyWnd() = 0;
protected:
    ~IOrvHotKeyHost() = default;
};

// The hot-key component. Call SetMenu before Load and SetHost before the first HandleKey.
struct IOrvHotKey : IOrvBase {
    virtual void Load(std::string fileName) = 0;
    virtual void Save(std::string path) = 0;
    virtual void SetHost(IOrvHotKeyHost* host) = 0;
    virtual void SetMenu(IOrvMenu* menu) = 0;
    virtual std::int32_t HandleKey(std::int32_t keyCode) = 0;
    virtual COrvHotKeyTable* GetHotKeyTable() = 0;
    virtual ~IOrvHotKey() = default;
};
