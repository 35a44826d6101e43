// The components as the factories hand them to the host. Every operation a host calls runs
// inside a guard: whatever an operation throws (memory running out, the standard library's
// errors) ends at the guard, which answers what the operation answers when it has nothing:
// nothing, 0 or a null pointer. The component stays usable; an operation that tells the user
// about its own failures (loading, saving, building the toolbar) has done so before this.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "orvmenu/FormColor.h"
#include "orvmenu/OrvActTab.h"
#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/OrvTabGrp.h"
#include "orvmenu/OrvToolBar.h"

namespace orv::frame {

template <typename F>
auto Guard(F&& operation) noexcept -> decltype(operation()) {
    using Result = decltype(operation());
    try {
        return operation();
    } catch (...) {
        if constexpr (!std::is_void_v<Result>) return Result{};
    }
}

// Makes a component, or answers null as a failed factory does.
template <typename Component>
Component* Make() noexcept {
    try {
        return new Component;
    } catch (...) {
        return nullptr;
    }
}

template <typename Impl>
class GuardedMenu final : public Impl {
public:
    void SetMenuFile(std::string a1) override {
        Guard([&] { Impl::SetMenuFile(std::move(a1)); });
    }
    void LoadMenu() override {
        Guard([&] { Impl::LoadMenu(); });
    }
    OrvMenu* GetMenuByID(std::uint32_t a1) override {
        return Guard([&] { return Impl::GetMenuByID(a1); });
    }
    OrvMenu* GetMenuByTRCode(std::string a1) override {
        return Guard([&] { return Impl::GetMenuByTRCode(std::move(a1)); });
    }
    void SetMainMenu(CMenu* a1) override {
        Guard([&] { Impl::SetMainMenu(a1); });
    }
    void SetUserInfo(const OrvUserInfo* a1, std::int32_t a2) override {
        Guard([&] { Impl::SetUserInfo(a1, a2); });
    }
    void SetShow8000(std::int32_t a1) override {
        Guard([&] { Impl::SetShow8000(a1); });
    }
    OrvMenu* GetRootMenu() override {
        return Guard([&] { return Impl::GetRootMenu(); });
    }
    std::int32_t IsMenuVisible(const OrvMenu* a1) override {
        return Guard([&] { return Impl::IsMenuVisible(a1); });
    }
    std::int32_t IsTRCode9100To9200(std::string a1) override {
        return Guard([&] { return Impl::IsTRCode9100To9200(std::move(a1)); });
    }
    std::int32_t IsSpecialGrade() override {
        return Guard([&] { return Impl::IsSpecialGrade(); });
    }
    std::int32_t IsTRCode9501To9899(std::string a1) override {
        return Guard([&] { return Impl::IsTRCode9501To9899(std::move(a1)); });
    }
    void LoadScreenSet() override {
        Guard([&] { Impl::LoadScreenSet(); });
    }
    void DeleteMenuNode(OrvMenu* a1) override {
        Guard([&] { Impl::DeleteMenuNode(a1); });
    }
    void BuildMenu(CMenu* a1, OrvMenu* a2, unsigned a3) override {
        Guard([&] { Impl::BuildMenu(a1, a2, a3); });
    }
    void ParseMenuNode(const CXMLNode& a1, OrvMenu* a2) override {
        Guard([&] { Impl::ParseMenuNode(a1, a2); });
    }
    void LoadMenuFile() override {
        Guard([&] { Impl::LoadMenuFile(); });
    }
    void ParseScreenSet(const CXMLNode& a1) override {
        Guard([&] { Impl::ParseScreenSet(a1); });
    }
};

template <typename Impl>
class GuardedToolBar final : public Impl {
public:
    void SetFileName(std::string a1) override {
        Guard([&] { Impl::SetFileName(std::move(a1)); });
    }
    void SetToolBarWnd(CToolBar* a1) override {
        Guard([&] { Impl::SetToolBarWnd(a1); });
    }
    void SetMenu(IOrvMenu* a1) override {
        Guard([&] { Impl::SetMenu(a1); });
    }
    void BuildContextMenu(CMenu* a1, OrvToolBar* a2) override {
        Guard([&] { Impl::BuildContextMenu(a1, a2); });
    }
    void BuildPlainMenu(CMenu* a1, OrvToolBar* a2) override {
        Guard([&] { Impl::BuildPlainMenu(a1, a2); });
    }
    void Reload() override {
        Guard([&] { Impl::Reload(); });
    }
    OrvToolBar* GetItem(std::uint32_t a1) override {
        return Guard([&] { return Impl::GetItem(a1); });
    }
    void SelectGroup(OrvToolBar* a1) override {
        Guard([&] { Impl::SelectGroup(a1); });
    }
    std::int32_t GetMinSize() override {
        return Guard([&] { return Impl::GetMinSize(); });
    }
    std::int32_t GetBreak() override {
        return Guard([&] { return Impl::GetBreak(); });
    }
    void AddRecentScreen(OrvMenu* a1) override {
        Guard([&] { Impl::AddRecentScreen(a1); });
    }
    void FocusScreenInput() override {
        Guard([&] { Impl::FocusScreenInput(); });
    }
    OrvToolBar* GetRoot() override {
        return Guard([&] { return Impl::GetRoot(); });
    }
    void Save(CFile* a1) override {
        Guard([&] { Impl::Save(a1); });
    }
    void SaveNode(CFile* a1, OrvToolBar* a2, std::int32_t a3) override {
        Guard([&] { Impl::SaveNode(a1, a2, a3); });
    }
    void SaveFile() override {
        Guard([&] { Impl::SaveFile(); });
    }
    std::uint32_t GetNextId() override {
        return Guard([&] { return Impl::GetNextId(); });
    }
    void SetItem(std::uint32_t a1, OrvToolBar* a2) override {
        Guard([&] { Impl::SetItem(a1, a2); });
    }
    void SetNextId(OrvToolBar* a1) override {
        Guard([&] { Impl::SetNextId(a1); });
    }
    void SetLastAct(std::uint32_t a1) override {
        Guard([&] { Impl::SetLastAct(a1); });
    }
    OrvToolBar* GetLastAct() override {
        return Guard([&] { return Impl::GetLastAct(); });
    }
    std::string GetFilePath() override {
        return Guard([&] { return Impl::GetFilePath(); });
    }
    CToolBar* GetToolBarWnd() override {
        return Guard([&] { return Impl::GetToolBarWnd(); });
    }
    void SetupToolTips() override {
        Guard([&] { Impl::SetupToolTips(); });
    }
    void DeleteNode(OrvToolBar* a1) override {
        Guard([&] { Impl::DeleteNode(a1); });
    }
    void SetWndWordB(std::int32_t a1) override {
        Guard([&] { Impl::SetWndWordB(a1); });
    }
    std::int32_t IsContextMenuOn() override {
        return Guard([&] { return Impl::IsContextMenuOn(); });
    }
    void SetWndWordA(std::int32_t a1) override {
        Guard([&] { Impl::SetWndWordA(a1); });
    }
    void SetUserInfoMode(std::int32_t a1) override {
        Guard([&] { Impl::SetUserInfoMode(a1); });
    }
    void SelectAccount(std::string a1) override {
        Guard([&] { Impl::SelectAccount(std::move(a1)); });
    }
    void UpdateAccountInfo(const std::vector<std::string>* a1) override {
        Guard([&] { Impl::UpdateAccountInfo(a1); });
    }
    void ParseNode(const CXMLNode& a1, OrvToolBar* a2) override {
        Guard([&] { Impl::ParseNode(a1, a2); });
    }
    void Load() override {
        Guard([&] { Impl::Load(); });
    }
    void BuildToolBar(CToolBar* a1, OrvToolBar* a2, std::int32_t a3) override {
        Guard([&] { Impl::BuildToolBar(a1, a2, a3); });
    }
    void PaintButtonImage(CFont* a1, CFormBitmap* a2, CBitmap* a3, OrvToolBar* a4) override {
        Guard([&] { Impl::PaintButtonImage(a1, a2, a3, a4); });
    }
};

template <typename Impl>
class GuardedHotKey final : public Impl {
public:
    void Load(std::string a1) override {
        Guard([&] { Impl::Load(std::move(a1)); });
    }
    void Save(std::string a1) override {
        Guard([&] { Impl::Save(std::move(a1)); });
    }
    void SetHost(IOrvHotKeyHost* a1) override {
        Guard([&] { Impl::SetHost(a1); });
    }
    void SetMenu(IOrvMenu* a1) override {
        Guard([&] { Impl::SetMenu(a1); });
    }
    std::int32_t HandleKey(std::int32_t a1) override {
        return Guard([&] { return Impl::HandleKey(a1); });
    }
    COrvHotKeyTable* GetHotKeyTable() override {
        return Guard([&] { return Impl::GetHotKeyTable(); });
    }
};

template <typename Impl>
class GuardedActTab final : public Impl {
public:
    std::intptr_t SetHostData(std::intptr_t a1) override {
        return Guard([&] { return Impl::SetHostData(a1); });
    }
    std::int32_t LoadActTab(std::string a1, std::intptr_t a2) override {
        return Guard([&] { return Impl::LoadActTab(std::move(a1), a2); });
    }
    COrvActTabBar* SetActTabBar(COrvActTabBar* a1) override {
        return Guard([&] { return Impl::SetActTabBar(a1); });
    }
    void InsertTabItem(OrvActTabItem* a1, std::int32_t a2) override {
        Guard([&] { Impl::InsertTabItem(a1, a2); });
    }
    void DeleteTabItem(OrvActTabItem* a1, std::int32_t a2) override {
        Guard([&] { Impl::DeleteTabItem(a1, a2); });
    }
    void ChangeTabItem(OrvActTabItem* a1, std::int32_t a2) override {
        Guard([&] { Impl::ChangeTabItem(a1, a2); });
    }
    void SelectTabItem(OrvActTabItem* a1, std::int32_t a2) override {
        Guard([&] { Impl::SelectTabItem(a1, a2); });
    }
    void SetTabParam(std::uint32_t a1) override {
        Guard([&] { Impl::SetTabParam(a1); });
    }
    std::uint32_t GetTabParam() override {
        return Guard([&] { return Impl::GetTabParam(); });
    }
    std::int32_t MoveTabItem(HWND a1, std::int32_t a2) override {
        return Guard([&] { return Impl::MoveTabItem(a1, a2); });
    }
    void RedrawActTab() override {
        Guard([&] { Impl::RedrawActTab(); });
    }
    void DeleteTabItems() override {
        Guard([&] { Impl::DeleteTabItems(); });
    }
    void SetBarField(std::int32_t a1) override {
        Guard([&] { Impl::SetBarField(a1); });
    }
    std::int32_t GetBarField() override {
        return Guard([&] { return Impl::GetBarField(); });
    }
    void SetNorForeColor(CFormColor a1) override {
        Guard([&] { Impl::SetNorForeColor(std::move(a1)); });
    }
    void SetNorBackColor(CFormColor a1) override {
        Guard([&] { Impl::SetNorBackColor(std::move(a1)); });
    }
    void SetSelForeColor(CFormColor a1) override {
        Guard([&] { Impl::SetSelForeColor(std::move(a1)); });
    }
    void SetSelBackColor(CFormColor a1) override {
        Guard([&] { Impl::SetSelBackColor(std::move(a1)); });
    }
};

template <typename Impl>
class GuardedTabGrp final : public Impl {
public:
    IOrvMenu* SetMenu(IOrvMenu* a1) override {
        return Guard([&] { return Impl::SetMenu(a1); });
    }
    std::int32_t LoadTabGrp(std::string a1) override {
        return Guard([&] { return Impl::LoadTabGrp(std::move(a1)); });
    }
    COrvTabGrpItem* GetTabGrp(std::int32_t a1) override {
        return Guard([&] { return Impl::GetTabGrp(a1); });
    }
    void SaveUserTabGrp() override {
        Guard([&] { Impl::SaveUserTabGrp(); });
    }
    void AddUserTabGrp(std::string a1, std::string a2) override {
        Guard([&] { Impl::AddUserTabGrp(std::move(a1), std::move(a2)); });
    }
    void DeleteUserTabGrp(std::int32_t a1) override {
        Guard([&] { Impl::DeleteUserTabGrp(a1); });
    }
    void AddUserTabGrpItem(std::string a1, std::int32_t a2) override {
        Guard([&] { Impl::AddUserTabGrpItem(std::move(a1), a2); });
    }
    void DeleteUserTabGrpItem(std::string a1, std::int32_t a2) override {
        Guard([&] { Impl::DeleteUserTabGrpItem(std::move(a1), a2); });
    }
    COrvTabGrpItem* GetUserTabGrp(std::int32_t a1) override {
        return Guard([&] { return Impl::GetUserTabGrp(a1); });
    }
    std::int32_t FindUserTabGrp(std::string a1) override {
        return Guard([&] { return Impl::FindUserTabGrp(std::move(a1)); });
    }
    std::vector<std::uint32_t>* GetUserTabGrpOrder() override {
        return Guard([&] { return Impl::GetUserTabGrpOrder(); });
    }
    std::int32_t IsUserTabGrpCode(std::string a1) override {
        return Guard([&] { return Impl::IsUserTabGrpCode(std::move(a1)); });
    }
    std::int32_t SwapUserTabGrpItem(std::string a1, std::string a2, std::int32_t a3) override {
        return Guard([&] { return Impl::SwapUserTabGrpItem(std::move(a1), std::move(a2), a3); });
    }
};

}  // namespace orv::frame
