// The action tab bar: the tabs of the host's open screens.
#pragma once

#include <cstdint>
#include <string>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvActTabBar.h"
#include "orvmenu/OrvBase.h"
#include "orvmenu/OrvWinTypes.h"

// The action tab bar component: a layer over the host's tab control. Call SetActTabBar before
// LoadActTab with a window and before any tab operation.
struct IOrvActTab : IOrvBase {
    virtual std::intptr_t SetHostData(std::intptr_t data) = 0;
    virtual std::int32_t LoadActTab(std::string fileName, std::intptr_t hostWnd) = 0;
    virtual COrvActTabBar* SetActTabBar(COrvActTabBar* bar) = 0;
    virtual void InsertTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void DeleteTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void ChangeTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void SelectTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void SetTabParam(std::uint32_t param) = 0;
    virtual std::uint32_t GetTabParam() = 0;
    virtual std::int32_t MoveTabItem(HWND wnd, std::int32_t index) = 0;
    virtual void RedrawActTab() = 0;
    virtual void DeleteTabItems() = 0;
    virtual void SetBarField(std::int32_t value) = 0;
    virtual std::int32_t GetBarField() = 0;
    virtual void SetNorForeColor(CFormColor color) = 0;
    virtual void SetNorBackColor(CFormColor color) = 0;
    virtual void SetSelForeColor(CFormColor color) = 0;
    virtual void SetSelBackColor(CFormColor color) = 0;
    virtual ~IOrvActTab() = default;
};
