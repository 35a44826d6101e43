// Which entries a user may see, and the TR-code ranges the host asks about.
#include "menu/MenuImpl.h"
#include "services/CodePage.h"
#include "services/Numbers.h"

namespace {

// Names of derivatives markets, hidden from users without derivatives rights, in the order
// they are tested.
struct DerivativesWords {
    std::string futuresOptions = CFmtString::GetCodePageString("期權", "CHT");
    std::string futures = CFmtString::GetCodePageString("期貨", "CHT");
    std::string options = CFmtString::GetCodePageString("選擇權", "CHT");
};

const DerivativesWords& Words() {
    static const DerivativesWords words;
    return words;
}

bool LeadingNumberIn(const std::string& trCode, std::int32_t low, std::int32_t high) {
    if (trCode.empty()) return false;
    const std::int32_t n = orv::text::AtoI(trCode);
    return n >= low && n <= high;
}

}  // namespace

std::int32_t COrvMenuImpl::IsMenuVisible(const OrvMenu* node) {
    using namespace orv::grade;
    if (node == nullptr) return 0;
    if (show8000_ == 0 && node->trCode == "8000") return 0;
    const std::uint32_t m = gradeMask_ & node->grade;
    if (gradeMask_ == kSpecial && m != 0) return 1;
    if ((m & kGroup1) == 0 || (m & kGroup2) == 0 || (m & kGroup3) == 0) return 0;
    if (showDerivatives_ != 0) return 1;
    const DerivativesWords& w = Words();
    for (const std::string* word : {&w.futuresOptions, &w.futures, &w.options}) {
        if (orv::cp950::Find(node->name, *word) != std::string::npos) return 0;
    }
    return 1;
}

std::int32_t COrvMenuImpl::IsTRCode9100To9200(std::string trCode) {
    return LeadingNumberIn(trCode, 9100, 9200) ? 1 : 0;
}

std::int32_t COrvMenuImpl::IsTRCode9501To9899(std::string trCode) {
    return LeadingNumberIn(trCode, 9501, 9899) ? 1 : 0;
}

std::int32_t COrvMenuImpl::IsSpecialGrade() { return gradeMask_ == orv::grade::kSpecial ? 1 : 0; }
