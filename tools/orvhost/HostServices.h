// orvhost's services for the library, put on its main window (orvmenu/OrvHostServices.h):
// user codes of the user tab groups and of a sample list of layouts, and the accounts.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orvmenu/OrvHostServices.h"
#include "orvmenu/OrvMenu.h"

namespace orvhost {

class SampleHostServices final : public IOrvHostServices, public CUserCodeMgr {
public:
    // The user tab groups' codes and names from the user's tab group file, the accounts from
    // the account file ("account|name|phone|cell phone|name 2|phone 2|cell phone 2" a line,
    // UTF-8, "#" comments). A file that cannot be read leaves its part empty and says so.
    void Load(const std::string& userTabGrpFile, const std::string& accountFile, std::ostream& out);

    CUserCodeMgr* GetUserCodeMgr() override { return this; }
    const OrvMarketTable* GetMarketData(std::string name) override;

    // Codes are matched ignoring letter case and blanks at the end, so "G01" typed with a
    // blank (four characters, which the box looks up) opens the group.
    std::int32_t GetUsedTRCode(std::string code, std::int32_t flags) override;
    OrvMenu* GetUserTabGrpItem(std::string code) override;
    std::string GetUserTabGrpName(std::string code) override;
    CUserLayoutItem* GetLayoutGrpItem(std::string code) override;

    // What the user can type, for printing: "code name" in the terminal's code page.
    std::vector<std::string> Describe() const;

private:
    class Layout final : public CUserLayoutItem {
    public:
        explicit Layout(std::string name) : name_(std::move(name)) {}
        std::string GetUserLayoutItemName() override { return name_; }

    private:
        std::string name_;
    };

    static std::string Key(const std::string& code);

    std::map<std::string, std::unique_ptr<OrvMenu>> groups_;  // by key; trCode and name
    std::map<std::string, std::unique_ptr<Layout>> layouts_;
    std::map<std::string, std::string> layoutCodes_;          // key to the code as written
    OrvMarketTable accounts_;
    std::vector<std::unique_ptr<OrvMarketFields>> fields_;
};

}  // namespace orvhost
