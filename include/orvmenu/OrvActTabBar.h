// The host's tab control, as the action tab bar component uses it. The host's user-interface
// library implements it and owns every object; the component only calls it.
#pragma once

#include <cstdint>

#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "orvmenu/OrvWinTypes.h"

// A tab record, made and filled by the host. The component only passes its pointer through.
struct OrvActTabItem;

class COrvActTabBar {
public:
    virtual void InsertTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void DeleteTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void ChangeTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual void SelectTabItem(OrvActTabItem* item, std::int32_t index) = 0;
    virtual std::int32_t MoveTabItem(HWND wnd, std::int32_t index) = 0;
    virtual void RedrawActTab() = 0;
    virtual void DeleteTabItems() = 0;
    virtual void SetFormFont(CFormFont font) = 0;
    virtual void SetNorForeColor(CFormColor color) = 0;
    virtual void SetNorBackColor(CFormColor color) = 0;
    virtual void SetSelForeColor(CFormColor color) = 0;
    virtual void SetSelBackColor(CFormColor color) = 0;
    virtual std::int32_t CreateTabCtrl() = 0;

    std::intptr_t creationWnd = 0;    // the host window, set before CreateTabCtrl
    std::uint32_t creationParam = 0;  // the component's tab parameter, set before CreateTabCtrl
    std::int32_t barField = 0;        // the host's own value, set and read through the component

protected:
    ~COrvActTabBar() = default;
};
