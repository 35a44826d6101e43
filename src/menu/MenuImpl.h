// COrvMenuImpl: the main menu component.
//
// Reads the catalogue of screens into a tree of OrvMenu nodes, keeps two lookup maps into it
// (TR code, and the low 16 bits of the command identifier), filters entries by the user's
// grades and fills the host's menu with what the user may see.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "orvmenu/OrvMenu.h"

class COrvMenuImpl : public IOrvMenu {
public:
    COrvMenuImpl() = default;
    COrvMenuImpl(const COrvMenuImpl&) = delete;
    COrvMenuImpl& operator=(const COrvMenuImpl&) = delete;
    ~COrvMenuImpl() override;

    void SetMenuFile(std::string fileName) override;
    void LoadMenu() override;
    OrvMenu* GetMenuByID(std::uint32_t id) override;
    OrvMenu* GetMenuByTRCode(std::string trCode) override;
    void SetMainMenu(CMenu* menu) override;
    void SetUserInfo(const OrvUserInfo* info, std::int32_t showDerivatives) override;
    void SetShow8000(std::int32_t show) override;
    OrvMenu* GetRootMenu() override;
    std::int32_t IsMenuVisible(const OrvMenu* node) override;
    std::int32_t IsTRCode9100To9200(std::string trCode) override;
    std::int32_t IsSpecialGrade() override;
    std::int32_t IsTRCode9501To9899(std::string trCode) override;
    void LoadScreenSet() override;
    void DeleteMenuNode(OrvMenu* node) override;
    void BuildMenu(CMenu* menu, OrvMenu* parent, unsigned position) override;
    void ParseMenuNode(const CXMLNode& element, OrvMenu* parent) override;
    void LoadMenuFile() override;
    void ParseScreenSet(const CXMLNode& element) override;

    // The next command identifier the process will give a menu node.
    static std::uint32_t PeekNextMenuId();

private:
    OrvMenu* ReadEntry(const CXMLNode& element, const std::string& formDir);

    std::string filePath_;
    OrvMenu* root_ = nullptr;
    std::uint32_t gradeMask_ = 0;
    std::array<std::uint32_t, 3> userWords_{};
    std::unordered_map<std::string, OrvMenu*> trCodeMap_;
    std::unordered_map<std::uint16_t, OrvMenu*> idMap_;
    CMenu* mainMenu_ = nullptr;
    std::int32_t userInfoSet_ = 0;
    std::int32_t showDerivatives_ = 0;
    // A host that never calls SetShow8000 does not get screen 8000 in its menu.
    std::int32_t show8000_ = 0;
};
