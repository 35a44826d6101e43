// A host's services on its main window, as a host hands them to the library: user codes of
// user tab groups and layouts, and the market-data table of accounts.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orvmenu/OrvHostServices.h"
#include "orvmenu/OrvMenu.h"
#include "orvmenu/HostWindow.h"
#include "ui/Window.h"
#include "testsupport/RecordingWindow.h"

namespace orv::test {

class FakeHostServices final : public IOrvHostServices, public CUserCodeMgr {
public:
    explicit FakeHostServices(orv::test::RecordingWindow& main) : main_(main) {
        orv::ui::SetProp(main_.GetHwnd(), kOrvHostServicesProp, static_cast<IOrvHostServices*>(this));
    }
    ~FakeHostServices() override { orv::ui::RemoveProp(main_.GetHwnd(), kOrvHostServicesProp); }

    CUserCodeMgr* GetUserCodeMgr() override { return this; }
    const OrvMarketTable* GetMarketData(std::string name) override {
        return name == "account" ? &accounts_ : nullptr;
    }

    std::int32_t GetUsedTRCode(std::string code, std::int32_t flags) override {
        asked.push_back(code + "/" + std::to_string(flags));
        return groups.count(code) + layouts_.count(code) != 0 ? 1 : 0;
    }
    OrvMenu* GetUserTabGrpItem(std::string code) override {
        // Asked right after the user code was sent: the window copied its text during the call.
        const auto& received = main_.Messages();
        if (!received.empty() && received.back().message == orv::kWmUserCode) codesSent.push_back(received.back().text);
        return groups.count(code) != 0 ? &groupNode_ : nullptr;
    }
    std::string GetUserTabGrpName(std::string code) override { return groups.at(code); }
    CUserLayoutItem* GetLayoutGrpItem(std::string code) override {
        const auto it = layouts_.find(code);
        return it != layouts_.end() ? it->second.get() : nullptr;
    }

    void AddLayout(const std::string& code, const std::string& name) {
        layouts_[code] = std::make_unique<Layout>(name);
    }
    // An account with its fields; null fields: a null field map.
    void AddAccount(const std::string& account, const std::map<std::string, std::string>* fields) {
        if (fields == nullptr) {
            accounts_[account] = nullptr;
            return;
        }
        fieldMaps_.push_back(std::make_unique<OrvMarketFields>(*fields));
        accounts_[account] = fieldMaps_.back().get();
    }

    std::map<std::string, std::string> groups;  // user tab group codes and names
    std::vector<std::string> asked;             // "code/flags" of each GetUsedTRCode
    std::vector<std::string> codesSent;         // the text each 0x07F2 carried

private:
    class Layout final : public CUserLayoutItem {
    public:
        explicit Layout(std::string name) : name_(std::move(name)) {}
        std::string GetUserLayoutItemName() override { return name_; }

    private:
        std::string name_;
    };

    orv::test::RecordingWindow& main_;
    OrvMenu groupNode_;
    std::map<std::string, std::unique_ptr<Layout>> layouts_;
    OrvMarketTable accounts_;
    std::vector<std::unique_ptr<OrvMarketFields>> fieldMaps_;
};

}  // namespace orv::test
