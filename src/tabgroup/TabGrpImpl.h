// COrvTabGrpImpl: the fixed tab groups, read from a data file and looked up by number.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "orvmenu/OrvTabGrp.h"

class CXMLNode;

class COrvTabGrpImpl : public IOrvTabGrp {
public:
    COrvTabGrpImpl() = default;
    COrvTabGrpImpl(const COrvTabGrpImpl&) = delete;
    COrvTabGrpImpl& operator=(const COrvTabGrpImpl&) = delete;

    IOrvMenu* SetMenu(IOrvMenu* mainMenu) override;
    std::int32_t LoadTabGrp(std::string fileName) override;
    COrvTabGrpItem* GetTabGrp(std::int32_t id) override;
    // Operations of the user groups: a fixed component has none.
    void SaveUserTabGrp() override {}
    void AddUserTabGrp(std::string, std::string) override {}
    void DeleteUserTabGrp(std::int32_t) override {}
    void AddUserTabGrpItem(std::string, std::int32_t) override {}
    void DeleteUserTabGrpItem(std::string, std::int32_t) override {}
    COrvTabGrpItem* GetUserTabGrp(std::int32_t) override { return nullptr; }
    std::int32_t FindUserTabGrp(std::string) override { return 0; }
    std::vector<std::uint32_t>* GetUserTabGrpOrder() override { return nullptr; }
    std::int32_t IsUserTabGrpCode(std::string) override { return 0; }
    std::int32_t SwapUserTabGrpItem(std::string, std::string, std::int32_t) override { return 0; }
    ~COrvTabGrpImpl() override = default;

protected:
    using GroupMap = std::unordered_map<std::int32_t, std::unique_ptr<COrvTabGrpItem>>;

    // The record of id, or null; ids below 1 are never looked up.
    COrvTabGrpItem* FindGroup(std::int32_t id) const;

    IOrvMenu* menu = nullptr;  // not owned; the fixed groups never use it
    GroupMap groups;           // owns its records; one per id
    std::string savePath;      // the user groups' file; empty for fixed groups

private:
    void ReadGroups(const CXMLNode& root);
};
