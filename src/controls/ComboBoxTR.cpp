#include "controls/ComboBoxTR.h"

#include "controls/CtrlCommon.h"
#include "controls/HostServices.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/OrvHostServices.h"
#include "orvmenu/OrvMenu.h"
#include "services/CodePage.h"
#include "orvmenu/MessageBox.h"
#include "ui/Window.h"

namespace {

constexpr int kBackColor = 52;
constexpr int kTextColor = 54;
constexpr std::size_t kCodeLength = 4;  // a screen's code; this many characters open it
constexpr int kKeptBeforeInsert = 10;   // entries from this index on are dropped before an insert
constexpr char kNotFound[] = "找不到畫面編號";

}  // namespace

CComboBoxTR::CComboBoxTR() { backBrush.CreateSolidBrush(CFormColor::GetFormColor(kBackColor)); }

CComboBoxTR::~CComboBoxTR() {
    toolTip.DestroyWindow();
    backBrush.DeleteObject();
}

HWND CComboBoxTR::MainWindow() const {
    return GetSafeHwnd() != nullptr ? orv::ui::GetRootOwner(GetSafeHwnd()) : nullptr;
}

void CComboBoxTR::SetToolTip(std::string text, CRect rect) {
    toolTip.DestroyWindow();
    if (text.empty()) return;
    if (!toolTip.Create(GetSafeHwnd(), orv::ui::kWsPopup | orv::ui::kTtsNoPrefix | orv::ui::kTtsAlwaysTip)) return;
    orv::ui::SendMessage(toolTip.GetSafeHwnd(), orv::ui::kTtmActivate, 1, 0);
    toolTip.AddTool(GetSafeHwnd(), text, rect, 1);
}

void CComboBoxTR::ShowNotFound(const std::string& code) {
    AfxMessageBox(CFmtString::GetCodePageString(kNotFound, "CHT") + " " + code, orv::ui::kMbOk);
}

void CComboBoxTR::OpenScreen(std::string code) {
    if (menu == nullptr) return;
    OrvMenu* node = menu->GetMenuByTRCode(code);
    if (node == nullptr) {
        OpenUserCode(code);
        return;
    }
    if (node->disp != 0 && menu->IsMenuVisible(node) != 0) {
        orv::ui::SendMessage(MainWindow(), orv::kWmCommand, node->id, 0);
        AddRecentScreen(node);
        return;
    }
    // A screen the user may not open is not named: it reads as not found.
    SetWindowText("");
    ShowNotFound(code);
}

void CComboBoxTR::AddRecentScreen(OrvMenu* node) {
    if (menu == nullptr || node == nullptr) return;
    const std::string entry = node->trCode + " " + node->name;
    const int found = FindString(-1, entry);
    if (found >= 0) DeleteString(found);
    // Counts every entry, user codes too; at exactly ten nothing stands at index 10, so the
    // list grows to eleven and stays there.
    if (GetCount() >= kKeptBeforeInsert) DeleteString(kKeptBeforeInsert);
    InsertString(0, entry);
    SetWindowText("");
}

void CComboBoxTR::OpenUserCode(std::string code) {
    std::string entry = code + " ";
    IOrvHostServices* services = orv::controls::HostServicesOf(GetSafeHwnd());
    CUserCodeMgr* codes = services != nullptr ? services->GetUserCodeMgr() : nullptr;
    if (codes != nullptr && codes->GetUsedTRCode(code, 0) != 0) {
        // The text lives for the duration of the call only, as the host expects.
        orv::ui::SendMessage(MainWindow(), orv::kWmUserCode, 0, reinterpret_cast<LPARAM>(code.c_str()));
        if (codes->GetUserTabGrpItem(code) != nullptr) {
            entry += codes->GetUserTabGrpName(code);
        } else if (CUserLayoutItem* layout = codes->GetLayoutGrpItem(code)) {
            entry += layout->GetUserLayoutItemName();
        }
    } else {
        ShowNotFound(code);
    }
    // Also after the not-found message: the user sees what was typed at the top of the list.
    InsertString(0, entry);
    SetWindowText("");
}

bool CComboBoxTR::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0) return true;
    std::string text = GetLBText(selected);
    if (text.size() > kMaxEntryText) text.resize(kMaxEntryText);
    if (text.size() >= kCodeLength) OpenScreen(text.substr(0, kCodeLength));
    return true;
}

bool CComboBoxTR::OnEditChange() {
    const std::string text = GetWindowText();
    if (text.size() >= kCodeLength) OpenScreen(text);
    return true;
}

bool CComboBoxTR::OnEditReturn() {
    const std::string text = GetWindowText();
    if (text.size() < kCodeLength) return false;  // the key goes on to the field
    OpenScreen(text);
    return true;
}

bool CComboBoxTR::PreTranslateMessage(const orv::controls::BoxMessage& msg) {
    if (toolTip.GetSafeHwnd() != nullptr) {
        orv::ui::SendMessage(toolTip.GetSafeHwnd(), orv::ui::kTtmRelayEvent, 0, reinterpret_cast<LPARAM>(&msg));
    }
    if (orv::controls::IsReturnKeyDown(msg)) return OnEditReturn();
    return false;
}

void* CComboBoxTR::OnCtlColor(CDC& dc, unsigned kind, void* defaultBrush) {
    if (kind != orv::ui::kCtlColorEdit && kind != orv::ui::kCtlColorListBox) return defaultBrush;
    dc.SetTextColor(CFormColor::GetFormColor(kTextColor));
    dc.SetBkMode(orv::ui::kTransparent);
    backBrush.DeleteObject();
    backBrush.CreateSolidBrush(CFormColor::GetFormColor(kBackColor));
    return backBrush.GetSafeHandle();
}

bool CComboBoxTR::OnPaint(CDC& dc) {
    // A combo box draws its edge inside its client area (the window system drops WS_BORDER
    // from combo boxes), so the client rectangle is the window's own size.
    const CRect window = GetWindowRect();
    const CRect client{0, 0, window.Width(), window.Height()};
    const int w = orv::ui::GetSystemMetrics(orv::ui::kSmCxHThumb);
    CtrlCommon::DrawTriangle(&dc, CRect{client.right - w - 1, client.top, client.right, client.bottom}, 1, 1);
    return true;
}

bool CComboBoxTR::OnNcPaint(CDC& dc) {
    const CRect window = GetWindowRect();
    dc.FillSolidRect(CRect{0, 0, window.Width(), window.Height()}, CFormColor::GetFormColor(kBackColor));
    return true;
}
