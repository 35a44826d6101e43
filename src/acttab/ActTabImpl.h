// COrvActTabImpl: the action tab bar component, a thin layer over the host's tab control.
//
// It reads the style file (whether the bar is used, its font and colours), hands font and
// colours to the control when it makes the control create its window, and forwards the host's
// tab operations. It keeps its own copies of font and colours, so colours set before the
// control exists are not lost.
#pragma once

#include <cstdint>
#include <string>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvActTab.h"
#include "orvmenu/OrvActTabBar.h"

class CXMLNode;

class COrvActTabImpl : public IOrvActTab {
public:
    COrvActTabImpl() = default;
    COrvActTabImpl(const COrvActTabImpl&) = delete;
    COrvActTabImpl& operator=(const COrvActTabImpl&) = delete;
    ~COrvActTabImpl() override = default;  // the control is the host's: never touched here

    std::intptr_t SetHostData(std::intptr_t data) override;
    // Reads the style file from the data directory. With hostWnd 0: the USE flag (1 or 0),
    // the control untouched. Otherwise the control is configured and created, and the result
    // is 1 whatever USE says (0 when the host attached no control). A file that cannot be
    // read: a message box and 0, the control untouched.
    std::int32_t LoadActTab(std::string fileName, std::intptr_t hostWnd) override;
    COrvActTabBar* SetActTabBar(COrvActTabBar* bar) override;
    void InsertTabItem(OrvActTabItem* item, std::int32_t index) override;
    void DeleteTabItem(OrvActTabItem* item, std::int32_t index) override;
    void ChangeTabItem(OrvActTabItem* item, std::int32_t index) override;
    void SelectTabItem(OrvActTabItem* item, std::int32_t index) override;
    void SetTabParam(std::uint32_t param) override;
    std::uint32_t GetTabParam() override;
    std::int32_t MoveTabItem(HWND wnd, std::int32_t index) override;
    void RedrawActTab() override;
    void DeleteTabItems() override;
    void SetBarField(std::int32_t value) override;
    std::int32_t GetBarField() override;
    void SetNorForeColor(CFormColor color) override;
    void SetNorBackColor(CFormColor color) override;
    void SetSelForeColor(CFormColor color) override;
    void SetSelBackColor(CFormColor color) override;

private:
    // Applies the style elements below root (ActTabStyleFile.cpp).
    void ApplyStyle(const CXMLNode& root);

    std::intptr_t hostData = 0;  // the host's; never read here
    COrvActTabBar* tabBar = nullptr;
    CFormColor norForeColor;
    CFormColor selForeColor;
    CFormColor norBackColor;
    CFormColor selBackColor;
    CFormFont formFont;
    std::int32_t useActTab = 0;
    std::uint32_t tabParam = 0;
};
