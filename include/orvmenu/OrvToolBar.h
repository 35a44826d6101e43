// The toolbar: groups of painted buttons for the screens a user works with, read from the
// user's toolbar file (seeded from "OrvUIInit.xml" the first time), one group shown at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvBase.h"

class CBitmap;
class CFile;
class CFont;
class CFormBitmap;
class CMenu;
class CToolBar;
class CXMLNode;
class OrvMenu;
struct IOrvMenu;

// Item types ("TYPE" in the toolbar file). 8 and 9 have no keyword.
enum OrvToolBarType : std::int32_t {
    kOrvTbNone = 0,
    kOrvTbNormal = 1,
    kOrvTbSep = 2,        // a separator line in the menus; a button like any other in the bar
    kOrvTbTrEdit = 3,     // hosts the screen-number box
    kOrvTbGroup = 4,      // a group of buttons; one group is shown at a time
    kOrvTbButton = 5,
    kOrvTbGroupBtn = 6,   // the group switch button, shown in front of the selected group
    kOrvTbFolder = 7,
    kOrvTbUrlEdit = 10,   // hosts the web address box
    kOrvTbCodeCombo = 11, // hosts the code box
    kOrvTbUserInfo = 12,  // hosts the account box
    kOrvTbCtiWindow = 13,
};

// Button styles ("STYLE"), by the toolbar control's button style values.
enum OrvToolBarStyle : std::int32_t {
    kOrvTbStyleButton = 0,
    kOrvTbStyleSep = 1,
    kOrvTbStyleCheck = 2,
    kOrvTbStyleGroup = 4,
    kOrvTbStyleCheckGroup = 6,
};

// One record serves as the toolbar's root and as each of its items.
class OrvToolBar {
public:
    std::string trCode;             // the screen the item opens, empty when none
    std::string name;               // caption
    std::string icon;               // full path of the button bitmap
    std::uint32_t id = 0;           // command identifier; the root has none
    OrvMenu* menuNode = nullptr;    // the main menu's node for trCode, not owned
    std::int32_t type = kOrvTbNone;
    std::int32_t style = kOrvTbStyleButton;
    OrvToolBar* parent = nullptr;   // not owned; null for the root
    std::string prop;
    std::string value;              // the web address box writes the address here
    std::string toolTip;
    std::vector<OrvToolBar*> children;  // owned, in file order
    std::int32_t lastAct = 0;       // 1: the checked / last used item
};

// The toolbar component. Call SetFileName, SetToolBarWnd and SetMenu, then Load. The main
// menu component and the toolbar window must outlive the toolbar.
struct IOrvToolBar : IOrvBase {
    virtual void SetFileName(std::string fileName) = 0;
    virtual void SetToolBarWnd(CToolBar* wnd) = 0;
    virtual void SetMenu(IOrvMenu* menu) = 0;
    // Fills menu from record's children: sub-menus for items with children, "(code)name" labels.
    virtual void BuildContextMenu(CMenu* menu, OrvToolBar* record) = 0;
    // Fills menu from record's children, one level, names only.
    virtual void BuildPlainMenu(CMenu* menu, OrvToolBar* record) = 0;
    virtual void Reload() = 0;
    virtual OrvToolBar* GetItem(std::uint32_t id) = 0;
    virtual void SelectGroup(OrvToolBar* record) = 0;
    virtual std::int32_t GetMinSize() = 0;
    virtual std::int32_t GetBreak() = 0;
    virtual void AddRecentScreen(OrvMenu* node) = 0;
    virtual void FocusScreenInput() = 0;
    virtual OrvToolBar* GetRoot() = 0;
    // Writes the toolbar file into file, which the caller opened for writing and closes.
    virtual void Save(CFile* file) = 0;
    virtual void SaveNode(CFile* file, OrvToolBar* record, std::int32_t level) = 0;
    // Writes the toolbar file at GetFilePath(); a save that fails tells the user and leaves
    // the file on disk as it was.
    virtual void SaveFile() = 0;
    virtual std::uint32_t GetNextId() = 0;
    virtual void SetItem(std::uint32_t id, OrvToolBar* record) = 0;
    virtual void SetNextId(OrvToolBar* record) = 0;
    virtual void SetLastAct(std::uint32_t id) = 0;
    virtual OrvToolBar* GetLastAct() = 0;
    virtual std::string GetFilePath() = 0;
    virtual CToolBar* GetToolBarWnd() = 0;
    virtual void SetupToolTips() = 0;
    virtual void DeleteNode(OrvToolBar* record) = 0;
    virtual void SetWndWordB(std::int32_t value) = 0;
    virtual std::int32_t IsContextMenuOn() = 0;
    virtual void SetWndWordA(std::int32_t value) = 0;
    virtual void SetUserInfoMode(std::int32_t mode) = 0;
    virtual void SelectAccount(std::string account) = 0;
    // The host's account record: six strings, the account first.
    virtual void UpdateAccountInfo(const std::vector<std::string>* info) = 0;
    virtual ~IOrvToolBar() = default;
    virtual void ParseNode(const CXMLNode& node, OrvToolBar* parent) = 0;
    virtual void Load() = 0;
    virtual void BuildToolBar(CToolBar* wnd, OrvToolBar* root, std::int32_t groupIndex) = 0;
    virtual void PaintButtonImage(CFont* font, CFormBitmap* bitmap, CBitmap* target,
                                  OrvToolBar* record) = 0;
};
