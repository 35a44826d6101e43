#include "services/CodePage.h"

namespace orv::cp950 {

std::size_t Find(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i)) {
        if (text.compare(i, needle.size(), needle) == 0) return i;
    }
    return std::string_view::npos;
}

}  // namespace orv::cp950

std::string CFmtString::GetCodePageString(std::string_view utf8, std::string_view codePage) {
    // The terminal runs in one code page; "CHT" names it. Any other name gets the same text, so
    // a caller's typo shows as a wrong name, not as lost text.
    (void)codePage;
    return orv::cp950::FromUtf8(utf8);
}
