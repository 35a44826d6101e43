// COrvHotKeyImpl: the hot-key component.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvHotKeyTable.h"
#include "services/File.h"

class CXMLNode;

class COrvHotKeyImpl : public IOrvHotKey {
public:
    COrvHotKeyImpl() = default;
    COrvHotKeyImpl(const COrvHotKeyImpl&) = delete;
    COrvHotKeyImpl& operator=(const COrvHotKeyImpl&) = delete;

    void Load(std::string fileName) override;
    void Save(std::string path) override;
    void SetHost(IOrvHotKeyHost* hostObject) override { host = hostObject; }
    void SetMenu(IOrvMenu* mainMenu) override { menu = mainMenu; }
    std::int32_t HandleKey(std::int32_t keyCode) override;
    COrvHotKeyTable* GetHotKeyTable() override { return &table; }
    ~COrvHotKeyImpl() override;

private:
    // Adds the NODE children of the hot-key file's root element to the table.
    void ReadHotKeys(const CXMLNode& root);

    IOrvMenu* menu = nullptr;
    IOrvHotKeyHost* host = nullptr;
    COrvHotKeyTable table;
    std::string filePath;
    orv::file::UserFileGuard userFiles;  // the user's file, kept when it cannot be read
};
