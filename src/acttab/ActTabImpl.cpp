#include "acttab/ActTabImpl.h"

#include "orvmenu/EnvMgr.h"
#include "services/XMLParser.h"
#include "orvmenu/MessageBox.h"

std::intptr_t COrvActTabImpl::SetHostData(std::intptr_t data) {
    hostData = data;
    return data;
}

std::int32_t COrvActTabImpl::LoadActTab(std::string fileName, std::intptr_t hostWnd) {
    CXMLParser parser;
    if (!parser.Open(CEnvMgr::GetDataDir() + "\\" + fileName, 1)) {
        // The user sees the host's name for the file, not the folder it was looked for in.
        AfxMessageBox(fileName + "File open error", orv::ui::kMbOk, 0);
        return 0;
    }
    ApplyStyle(parser.GetRoot());
    if (hostWnd == 0) return useActTab;

    // A host that never attached its control gets nothing created rather than a fault.
    if (!tabBar) return 0;
    // The control creates its window from what it holds when CreateTabCtrl comes, so
    // everything is handed over first, the colours in the order the control expects them.
    tabBar->creationWnd = hostWnd;
    tabBar->creationParam = tabParam;
    tabBar->SetFormFont(formFont);
    tabBar->SetSelBackColor(selBackColor);
    tabBar->SetSelForeColor(selForeColor);
    tabBar->SetNorBackColor(norBackColor);
    tabBar->SetNorForeColor(norForeColor);
    tabBar->CreateTabCtrl();
    return 1;
}

COrvActTabBar* COrvActTabImpl::SetActTabBar(COrvActTabBar* bar) {
    tabBar = bar;
    return bar;
}

// The tab operations need the control; before the host attached one they do nothing.

void COrvActTabImpl::InsertTabItem(OrvActTabItem* item, std::int32_t index) {
    if (tabBar) tabBar->InsertTabItem(item, index);
}

void COrvActTabImpl::DeleteTabItem(OrvActTabItem* item, std::int32_t index) {
    if (tabBar) tabBar->DeleteTabItem(item, index);
}

// The control finds these tabs by their record; the host's position is not passed on.
void COrvActTabImpl::ChangeTabItem(OrvActTabItem* item, std::int32_t /*index*/) {
    if (tabBar) tabBar->ChangeTabItem(item, -1);
}

void COrvActTabImpl::SelectTabItem(OrvActTabItem* item, std::int32_t /*index*/) {
    if (tabBar) tabBar->SelectTabItem(item, -1);
}

void COrvActTabImpl::SetTabParam(std::uint32_t param) { tabParam = param; }

std::uint32_t COrvActTabImpl::GetTabParam() { return tabParam; }

std::int32_t COrvActTabImpl::MoveTabItem(HWND wnd, std::int32_t index) {
    return tabBar ? tabBar->MoveTabItem(wnd, index) : -1;
}

void COrvActTabImpl::RedrawActTab() {
    if (tabBar) tabBar->RedrawActTab();
}

void COrvActTabImpl::DeleteTabItems() {
    if (tabBar) tabBar->DeleteTabItems();
}

void COrvActTabImpl::SetBarField(std::int32_t value) {
    if (tabBar) tabBar->barField = value;
}

std::int32_t COrvActTabImpl::GetBarField() { return tabBar ? tabBar->barField : 0; }

// Colours are kept here as well, so one set before the control exists reaches it at load.

void COrvActTabImpl::SetNorForeColor(CFormColor color) {
    norForeColor = color;
    if (tabBar) tabBar->SetNorForeColor(color);
}

void COrvActTabImpl::SetNorBackColor(CFormColor color) {
    norBackColor = color;
    if (tabBar) tabBar->SetNorBackColor(color);
}

void COrvActTabImpl::SetSelForeColor(CFormColor color) {
    selForeColor = color;
    if (tabBar) tabBar->SetSelForeColor(color);
}

void COrvActTabImpl::SetSelBackColor(CFormColor color) {
    selBackColor = color;
    if (tabBar) tabBar->SetSelBackColor(color);
}
