// COrvHotKeyImpl: the hot-key component.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvmenu/OrvHotKey.h"
#include "orvmenu/OrvHotKeyTable.h"

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
    // False for a file this component must never write over (see Load).
    bool MayWrite(const std::string& path) const;

    IOrvMenu* menu = nullptr;
    IOrvHotKeyHost* host = nullptr;
    COrvHotKeyTable table;
    std::string filePath;
    // Files that could not be read and of which no copy could be kept: never written over.
    std::vector<std::string> neverWrite;  // native paths
};
