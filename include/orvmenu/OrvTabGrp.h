// Tab groups: fixed groups of screens from a data file, and groups the user makes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvBase.h"

struct IOrvMenu;

// One tab group.
class COrvTabGrpItem {
public:
    virtual ~COrvTabGrpItem() = default;
    std::int32_t id = 0;
    std::string name;
    std::vector<std::string> trCodes;  // member screens, in order; duplicates stay
};

// One user tab group: a group with a code of its own, typed where a screen number is expected.
class CUserTabGrpItem : public COrvTabGrpItem {
public:
    std::string groupCode;
};

// Both tab group components. The fixed component answers only SetMenu, LoadTabGrp and
// GetTabGrp; the user component answers the rest and returns null from GetTabGrp.
struct IOrvTabGrp : IOrvBase {
    virtual IOrvMenu* SetMenu(IOrvMenu* menu) = 0;
    virtual std::int32_t LoadTabGrp(std::string fileName) = 0;
    virtual COrvTabGrpItem* GetTabGrp(std::int32_t id) = 0;
    virtual void SaveUserTabGrp() = 0;
    virtual void AddUserTabGrp(std::string groupCode, std::string name) = 0;
    virtual void DeleteUserTabGrp(std::int32_t id) = 0;
    virtual void AddUserTabGrpItem(std::string trCode, std::int32_t id) = 0;
    virtual void DeleteUserTabGrpItem(std::string trCode, std::int32_t id) = 0;
    virtual COrvTabGrpItem* GetUserTabGrp(std::int32_t id) = 0;
    virtual std::int32_t FindUserTabGrp(std::string groupCode) = 0;
    virtual std::vector<std::uint32_t>* GetUserTabGrpOrder() = 0;
    virtual std::int32_t IsUserTabGrpCode(std::string groupCode) = 0;
    virtual std::int32_t SwapUserTabGrpItem(std::string trCodeA, std::string trCodeB,
                                            std::int32_t id) = 0;
    virtual ~IOrvTabGrp() = default;
};
