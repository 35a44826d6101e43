#include "HostServices.h"

#include <cctype>
#include <fstream>
#include <ostream>
#include <sstream>

#include "orvmenu/CodePage.h"
#include "testsupport/Files.h"

namespace orvhost {
namespace {

// The user's saved layouts, as a terminal keeps them beside its windows.
struct SampleLayout {
    const char* code;
    const char* name;  // UTF-8
};
constexpr SampleLayout kLayouts[] = {
    {"L001", "盤中看盤"},
    {"L002", "收盤檢討"},
    {"L003", "期權對照"},
};

constexpr const char* kAccountFields[] = {"Name", "Phone", "CellPhone", "Name2", "Phone2", "CellPhone2"};

std::vector<std::string> SplitBars(const std::string& line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, '|')) parts.push_back(part);
    if (!line.empty() && line.back() == '|') parts.emplace_back();
    return parts;
}

}  // namespace

std::string SampleHostServices::Key(const std::string& code) {
    std::string key = code;
    while (!key.empty() && key.back() == ' ') key.pop_back();
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

void SampleHostServices::Load(const std::string& userTabGrpFile, const std::string& accountFile, std::ostream& out) {
    for (const SampleLayout& l : kLayouts) {
        layouts_[Key(l.code)] = std::make_unique<Layout>(orv::cp950::FromUtf8(l.name));
        layoutCodes_[Key(l.code)] = l.code;
    }

    std::vector<std::map<std::string, std::string>> groups;
    if (orv::test::ReadChildElements(userTabGrpFile, "TABGRP", groups)) {
        for (auto& attributes : groups) {
            auto group = std::make_unique<OrvMenu>();
            group->name = attributes["NAME"];
            group->trCode = attributes["TRCODE"];
            if (!group->trCode.empty()) groups_.emplace(Key(group->trCode), std::move(group));
        }
    } else {
        out << "user codes: no user tab groups read from " << userTabGrpFile << "\n";
    }

    std::ifstream in(accountFile);
    if (!in) {
        out << "accounts: none, " << accountFile << " cannot be read\n";
        return;
    }
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> parts = SplitBars(orv::cp950::FromUtf8(line));
        if (parts.empty() || parts[0].empty()) continue;
        auto fields = std::make_unique<OrvMarketFields>();
        for (std::size_t i = 0; i < std::size(kAccountFields) && i + 1 < parts.size(); ++i) {
            (*fields)[kAccountFields[i]] = parts[i + 1];
        }
        accounts_[parts[0]] = fields.get();
        fields_.push_back(std::move(fields));
    }
}

const OrvMarketTable* SampleHostServices::GetMarketData(std::string name) {
    return name == "account" ? &accounts_ : nullptr;
}

std::int32_t SampleHostServices::GetUsedTRCode(std::string code, std::int32_t) {
    const std::string key = Key(code);
    return groups_.count(key) + layouts_.count(key) != 0 ? 1 : 0;
}

OrvMenu* SampleHostServices::GetUserTabGrpItem(std::string code) {
    const auto it = groups_.find(Key(code));
    return it != groups_.end() ? it->second.get() : nullptr;
}

std::string SampleHostServices::GetUserTabGrpName(std::string code) {
    const OrvMenu* group = GetUserTabGrpItem(code);
    return group != nullptr ? group->name : std::string();
}

CUserLayoutItem* SampleHostServices::GetLayoutGrpItem(std::string code) {
    const auto it = layouts_.find(Key(code));
    return it != layouts_.end() ? it->second.get() : nullptr;
}

std::vector<std::string> SampleHostServices::Describe() const {
    std::vector<std::string> lines;
    for (const auto& [key, group] : groups_) lines.push_back(group->trCode + " " + group->name);
    for (const auto& [key, layout] : layouts_) lines.push_back(layoutCodes_.at(key) + " " + layout->GetUserLayoutItemName());
    return lines;
}

}  // namespace orvhost
