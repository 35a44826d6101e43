// The main menu: the terminal's catalogue of screens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvBase.h"

class CMenu;
class CXMLNode;

// Entry kinds of a menu node ("TYPE" in the definition file).
enum OrvMenuType : std::int32_t {
    kOrvMenuNone = 0,
    kOrvMenuForm = 1,
    kOrvMenuDll = 2,
    kOrvMenuSeparator = 3,
    kOrvMenuFunc = 4,
    kOrvMenuExec = 5,
    kOrvMenuShell = 6,
    kOrvMenuWForm = 7,
    kOrvMenuFormDlg = 8,
};

// One entry of the catalogue. Owned by the main menu component; a node owns its children.
class OrvMenu {
public:
    std::int32_t disp = 0;         // 1: shown in the menu
    std::int32_t multi = 1;        // kept for the host
    std::uint32_t grade = 0;       // grades allowed to see the entry
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    std::int32_t reserved3 = 0;
    std::int32_t type = kOrvMenuNone;
    std::uint32_t id = 0;          // command identifier; the root's stays 0
    std::int32_t tabGroup = 0;     // kept for the host
    std::string file;              // FORM and FORMDLG: full path of the form file
    std::string trCode;
    std::string name;
    std::string icon;              // kept for the host
    std::vector<OrvMenu*> children;
    std::int32_t userTabGroup = 0; // id of the user tab group holding the screen, 0 = none
    std::int32_t hitCount = 1;     // kept for the host
    std::int32_t openCount = 0;    // how often the user opened the screen
};

// The user's grades, as the host's login gives them. The menu uses gradeMask only.
struct OrvUserInfo {
    std::uint32_t gradeMask = 0;
    std::uint32_t info1 = 0;
    std::uint32_t info2 = 0;
    std::uint32_t info3 = 0;
};

// Grade mask layout: three independent 10-bit groups and one special grade.
namespace orv::grade {
constexpr std::uint32_t kGroup1 = 0x000003ffu;
constexpr std::uint32_t kGroup2 = 0x000ffc00u;
constexpr std::uint32_t kGroup3 = 0x3ff00000u;
constexpr std::uint32_t kSpecial = 0x40000000u;
}  // namespace orv::grade

// The main menu component. Call SetMenuFile, SetMainMenu, SetUserInfo and SetShow8000, then
// LoadMenu. Nodes stay valid until the component is destroyed.
struct IOrvMenu : IOrvBase {
    virtual void SetMenuFile(std::string fileName) = 0;
    virtual void LoadMenu() = 0;
    virtual OrvMenu* GetMenuByID(std::uint32_t id) = 0;
    virtual OrvMenu* GetMenuByTRCode(std::string trCode) = 0;
    virtual void SetMainMenu(CMenu* menu) = 0;
    virtual void SetUserInfo(const OrvUserInfo* info, std::int32_t showDerivatives) = 0;
    virtual void SetShow8000(std::int32_t show) = 0;
    virtual OrvMenu* GetRootMenu() = 0;
    virtual std::int32_t IsMenuVisible(const OrvMenu* node) = 0;
    virtual std::int32_t IsTRCode9100To9200(std::string trCode) = 0;
    virtual std::int32_t IsSpecialGrade() = 0;
    virtual std::int32_t IsTRCode9501To9899(std::string trCode) = 0;
    virtual void LoadScreenSet() = 0;
    virtual ~IOrvMenu() = default;
    virtual void DeleteMenuNode(OrvMenu* node) = 0;
    virtual void BuildMenu(CMenu* menu, OrvMenu* parent, unsigned position) = 0;
    virtual void ParseMenuNode(const CXMLNode& element, OrvMenu* parent) = 0;
    virtual void LoadMenuFile() = 0;
    virtual void ParseScreenSet(const CXMLNode& element) = 0;
};
