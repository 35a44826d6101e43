// CUserTabGrp: the groups of screens the user makes, kept in a file of the user's own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "services/File.h"
#include "tabgroup/TabGrpImpl.h"

class CFile;
class OrvMenu;

class CUserTabGrp : public COrvTabGrpImpl {
public:
    CUserTabGrp() = default;

    std::int32_t LoadTabGrp(std::string fileName) override;
    COrvTabGrpItem* GetTabGrp(std::int32_t) override { return nullptr; }  // fixed groups only
    void SaveUserTabGrp() override;
    void AddUserTabGrp(std::string groupCode, std::string name) override;
    void DeleteUserTabGrp(std::int32_t id) override;
    void AddUserTabGrpItem(std::string trCode, std::int32_t id) override;
    void DeleteUserTabGrpItem(std::string trCode, std::int32_t id) override;
    COrvTabGrpItem* GetUserTabGrp(std::int32_t id) override { return FindGroup(id); }
    std::int32_t FindUserTabGrp(std::string groupCode) override;
    std::vector<std::uint32_t>* GetUserTabGrpOrder() override { return &groupOrder; }
    std::int32_t IsUserTabGrpCode(std::string groupCode) override;
    std::int32_t SwapUserTabGrpItem(std::string trCodeA, std::string trCodeB,
                                    std::int32_t id) override;
    ~CUserTabGrp() override;

    // The file's reader and writer, called through the virtual table by LoadTabGrp and
    // SaveUserTabGrp.
    virtual void ParseUserTabGrp(const CXMLNode& root);
    virtual void WriteUserTabGrp(CFile& file);

private:
    // The screen's menu node; null when the menu does not know the code or no menu was given.
    OrvMenu* FindScreen(const std::string& trCode) const;
    // Stores a group and marks its members' menu nodes. A group of an id already held replaces
    // the earlier one in place, so groupOrder and groups keep holding the same ids, once each.
    void StoreGroup(std::unique_ptr<CUserTabGrpItem> group);

    std::vector<std::uint32_t> groupOrder;  // ids in display and file order
    orv::file::UserFileGuard userFiles;     // the user's file, kept when it cannot be read
};
