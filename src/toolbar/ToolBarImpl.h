// COrvToolBarImpl: the toolbar component.
//
// Reads the user's toolbar file into a tree of OrvToolBar records (ToolBarReader.cpp), fills the
// host's toolbar window with the buttons of one group and paints their images
// (ToolBarLayout.cpp), serves the host's menus, check marks and tooltips (ToolBarImpl.cpp) and
// writes the tree back (ToolBarWriter.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "controls/ComboBoxAccount.h"
#include "controls/ComboBoxCode.h"
#include "controls/ComboBoxTR.h"
#include "controls/ComboBoxURL.h"
#include "orvmenu/OrvToolBar.h"
#include "services/File.h"
#include "toolbar/ToolBarPictures.h"
#include "ui/Gdi.h"
#include "ui/ImageList.h"
#include "ui/ToolTip.h"

namespace orv::toolbar {
// What the shown group's images may cost together: every button holds one image at the
// group's image size, counted at 4 bytes a pixel.
constexpr std::uint64_t kImageBytesPerPixel = 4;
constexpr std::uint64_t kImageBudgetBytes = 64ull * 1024 * 1024;
// Whether a picture's path, after ".." and symbolic links, lies inside the image folder.
bool IsInImageFolder(const std::string& path);
// The toolbar's button highlight and shadow colour: the base moved 42 per channel away from its
// brightness (a bright colour darker, a dark one lighter), each channel wrapping as 8 bits.
orv::Color SchemeColor(orv::Color base);
}  // namespace orv::toolbar

class COrvToolBarImpl : public IOrvToolBar {
public:
    COrvToolBarImpl() = default;
    COrvToolBarImpl(const COrvToolBarImpl&) = delete;
    COrvToolBarImpl& operator=(const COrvToolBarImpl&) = delete;
    ~COrvToolBarImpl() override;

    void SetFileName(std::string fileName) override;
    void SetToolBarWnd(CToolBar* wnd) override { toolBarWnd = wnd; }
    void SetMenu(IOrvMenu* mainMenu) override { menu = mainMenu; }
    void BuildContextMenu(CMenu* target, OrvToolBar* record) override;
    void BuildPlainMenu(CMenu* target, OrvToolBar* record) override;
    void Reload() override { Load(); }
    OrvToolBar* GetItem(std::uint32_t id) override;
    void SelectGroup(OrvToolBar* record) override;
    std::int32_t GetMinSize() override { return minSize; }
    std::int32_t GetBreak() override { return breakValue; }
    void AddRecentScreen(OrvMenu* node) override;
    void FocusScreenInput() override;
    OrvToolBar* GetRoot() override { return root; }
    void Save(CFile* file) override;
    void SaveNode(CFile* file, OrvToolBar* record, std::int32_t level) override;
    void SaveFile() override;
    std::uint32_t GetNextId() override { return nextId; }
    void SetItem(std::uint32_t id, OrvToolBar* record) override;
    void SetNextId(OrvToolBar* record) override;
    void SetLastAct(std::uint32_t id) override;
    OrvToolBar* GetLastAct() override { return GetItem(lastActId); }
    std::string GetFilePath() override { return filePath; }
    CToolBar* GetToolBarWnd() override { return toolBarWnd; }
    void SetupToolTips() override;
    void DeleteNode(OrvToolBar* record) override;
    void SetWndWordB(std::int32_t value) override;
    std::int32_t IsContextMenuOn() override { return contextMenuOn; }
    void SetWndWordA(std::int32_t value) override;
    void SetUserInfoMode(std::int32_t mode) override { userInfoMode = mode; }
    void SelectAccount(std::string account) override;
    void UpdateAccountInfo(const std::vector<std::string>* info) override;
    void ParseNode(const CXMLNode& node, OrvToolBar* parent) override;
    void Load() override;
    void BuildToolBar(CToolBar* wnd, OrvToolBar* rootRecord, std::int32_t groupIndex) override;
    void PaintButtonImage(CFont* font, CFormBitmap* bitmap, CBitmap* target,
                          OrvToolBar* record) override;

    // The command identifier the process gives the next toolbar item.
    static std::uint32_t PeekNextCommandId();

    // The boxes standing on the toolbar, or null. Hosts find their windows with CToolBar::GetBox.
    CComboBoxTR* GetTrCombo() const { return trCombo.get(); }
    CComboBoxURL* GetUrlCombo() const { return urlCombo.get(); }
    CComboBoxCode* GetCodeCombo() const { return codeCombo.get(); }
    CComboBoxAccount* GetAccountCombo() const { return accountCombo.get(); }

private:
    // Reads one NODE element's attributes into a new item.
    void ReadItem(const CXMLNode& element, OrvToolBar* item);
    // Seeds a missing user file from the default definition; false when that has no toolbar.
    bool SeedFromDefault();
    // Frees the tree and forgets its items, the buttons and their images (a second load).
    void Release();
    // Removes every button of the toolbar window.
    void DeleteButtons();
    // Puts the boxes of the shown box items of a group over placeholder separators.
    void PlaceBoxes(OrvToolBar* group, const std::vector<std::pair<OrvToolBar*, int>>& shown);
    // Whether a child of the shown group gets a button: screens the user may not open do not.
    bool IsShown(const OrvToolBar* item);
    // Fills the toolbar window with the group's buttons, painted with their pictures or with
    // captions only. False when memory, the image budget or a toolkit call fell short: the
    // caller then clears what was made.
    bool FillGroup(OrvToolBar* group, OrvToolBar* switchButton, bool pictures);

    std::string filePath;
    CToolBar* toolBarWnd = nullptr;
    OrvToolBar* root = nullptr;
    IOrvMenu* menu = nullptr;
    std::int32_t minSize = 0;
    std::int32_t breakValue = 0;
    CToolTipCtrl toolTipCtrl;
    HWND toolTipBar = nullptr;  // the toolbar window the tooltip window was made for
    CImageList imageList;
    std::uint32_t nextId = 9900;
    std::uint32_t lastActId = 0;
    std::int32_t contextMenuOn = 0;
    std::unordered_map<std::uint16_t, OrvToolBar*> itemMap;  // by the low 16 bits of the id
    std::int32_t userInfoMode = 1;
    // The boxes over the shown group's box items; each lives until the next group that has
    // its kind, or until the component goes.
    std::unique_ptr<CComboBoxTR> trCombo;
    std::unique_ptr<CComboBoxURL> urlCombo;
    std::unique_ptr<CComboBoxCode> codeCombo;
    std::unique_ptr<CComboBoxAccount> accountCombo;

    // The caption font; the boxes placed on the toolbar draw with it, so it lives with them.
    std::unique_ptr<CFont> captionFont;
    // The size of the shown group's images: every button image is painted at this size, so
    // each button keeps exactly one image of the list.
    int imageWidth = 0;
    int imageHeight = 0;
    // The button pictures read so far, read again when their files change.
    orv::toolbar::Pictures pictureCache;
    orv::file::UserFileGuard userFiles;  // the user's toolbar file, kept when it cannot be read
};
