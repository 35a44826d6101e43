// CComboBoxAccount: the toolbar's account box, listing the user's trading accounts with the
// contact names and telephone numbers recorded for each; the user chooses the current one.
// The accounts come from the market-data table "account"; the host refreshes one account's
// contact data and selects accounts through the toolbar.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/ComboBox.h"

// One account's display data.
struct AccountInfo {
    std::int32_t index = 0;  // its entry in the list, as the list gave it when it was added
    std::string name;
    std::string phone;
    std::string cellPhone;
    std::string name2;
    std::string phone2;
    std::string cellPhone2;
};

// The entry of an account: characters 2 to 8 of the account and its last 7, each trimmed,
// joined by a hyphen, then the contacts.
std::string FormatAccountLabel(std::string account, const AccountInfo* info);

class CComboBoxAccount : public CComboBox {
public:
    // Accounts are keyed by this many leading characters when loaded.
    static constexpr std::size_t kKeyLength = 15;
    // The host's account record: account, phone, cell phone, name 2, phone 2, cell phone 2.
    static constexpr std::size_t kUpdateFields = 6;

    ~CComboBoxAccount() override;

    void LoadAccounts();
    void UpdateAccountInfo(const std::vector<std::string>* info);
    void SelectAccount(std::string account);
    std::int32_t IndexOfAccount(std::string account) const;
    std::string AccountOfIndex(std::int32_t index) const;
    void FillList();
    void ClearAccounts();

    // The user chose an account: the keyboard goes back to the main window, which reads the
    // choice when it wants it (the box tells nobody).
    bool OnSelChange() override;

private:
    std::map<std::string, std::unique_ptr<AccountInfo>> accounts;
};
