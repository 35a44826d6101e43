#include "controls/ComboBoxAccount.h"

#include "controls/CodeTable.h"
#include "ui/Window.h"

namespace {

constexpr std::size_t kPartLength = 7;  // each of the two parts of an account shown

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string Trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string Field(const OrvMarketFields& fields, const char* name) {
    const auto it = fields.find(name);
    return it != fields.end() ? Trim(it->second) : std::string();
}

}  // namespace

std::string FormatAccountLabel(std::string account, const AccountInfo* info) {
    // The first character (the market) is not shown; a short account gives what it has.
    const std::string head = account.size() > 1 ? account.substr(1, kPartLength) : std::string();
    const std::string tail = account.size() > kPartLength ? account.substr(account.size() - kPartLength) : account;
    std::string label = Trim(head) + "-" + Trim(tail);
    if (info == nullptr) return label;
    return label + " " + info->name + ": " + info->phone + " / " + info->cellPhone + "  " + info->name2 + ": " +
           info->phone2 + " / " + info->cellPhone2;
}

CComboBoxAccount::~CComboBoxAccount() { ClearAccounts(); }

void CComboBoxAccount::LoadAccounts() {
    CCodeTable::SetMainWindow(GetSafeHwnd() != nullptr ? orv::ui::GetRootOwner(GetSafeHwnd()) : nullptr);
    if (const OrvMarketTable* table = CCodeTable::GetMarketData("account")) {
        for (const auto& [account, fields] : *table) {
            if (fields == nullptr) continue;
            auto info = std::make_unique<AccountInfo>();
            info->name = Field(*fields, "Name");
            info->phone = Field(*fields, "Phone");
            info->cellPhone = Field(*fields, "CellPhone");
            info->name2 = Field(*fields, "Name2");
            info->phone2 = Field(*fields, "Phone2");
            info->cellPhone2 = Field(*fields, "CellPhone2");
            // Two accounts alike in their first 15 characters: the first loaded stays.
            accounts.emplace(account.substr(0, kKeyLength), std::move(info));
        }
    }
    FillList();
    SetCurSel(-1);
}

void CComboBoxAccount::FillList() {
    // The list is emptied first: entries left from before an update would show the account's
    // old contact data, and choosing one would select an entry no account points at any more.
    for (int count = GetCount(); count > 0; --count) DeleteString(count - 1);
    for (const auto& [account, info] : accounts) {
        if (info == nullptr) continue;
        info->index = AddString(FormatAccountLabel(account, info.get()));
    }
}

void CComboBoxAccount::UpdateAccountInfo(const std::vector<std::string>* info) {
    const std::string current = AccountOfIndex(GetCurSel());
    if (info == nullptr || info->size() != kUpdateFields) return;
    const std::vector<std::string>& v = *info;
    // Taken as the host gives them: not trimmed, the key not shortened.
    auto record = std::make_unique<AccountInfo>();
    record->phone = v[1];
    record->cellPhone = v[2];
    record->name2 = v[3];
    record->phone2 = v[4];
    record->cellPhone2 = v[5];
    auto& slot = accounts[v[0]];
    if (slot != nullptr) {
        // The host's record carries no contact name: the loaded one stays.
        record->index = slot->index;
        record->name = slot->name;
    }
    slot = std::move(record);
    FillList();
    SelectAccount(current);
}

void CComboBoxAccount::SelectAccount(std::string account) { SetCurSel(IndexOfAccount(account)); }

std::int32_t CComboBoxAccount::IndexOfAccount(std::string account) const {
    const auto it = accounts.find(account);
    return it != accounts.end() && it->second != nullptr ? it->second->index : -1;
}

std::string CComboBoxAccount::AccountOfIndex(std::int32_t index) const {
    for (const auto& [account, info] : accounts) {
        if (info != nullptr && info->index == index) return account;
    }
    return {};
}

void CComboBoxAccount::ClearAccounts() { accounts.clear(); }

bool CComboBoxAccount::OnSelChange() {
    orv::ui::SetFocus(orv::ui::GetRootOwner(GetSafeHwnd()));
    return true;
}
