#include "services/Numbers.h"

namespace orv::text {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Skips white space and a sign; true when the sign was '-'.
bool SkipSpaceAndSign(std::string_view text, std::size_t& i) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    return negative;
}

}  // namespace

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::int32_t AtoI(std::string_view text) {
    std::size_t i = 0;
    const bool negative = SkipSpaceAndSign(text, i);
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX + std::int64_t{1}) value = INT32_MAX + std::int64_t{1};
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<std::int32_t>(value);
}

bool ParseHex(std::string_view text, std::uint32_t& value) {
    std::size_t i = 0;
    const bool negative = SkipSpaceAndSign(text, i);
    if (i + 2 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && HexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    if (i >= text.size() || HexDigit(text[i]) < 0) return false;
    std::uint32_t v = 0;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) v = v * 16u + static_cast<std::uint32_t>(HexDigit(text[i]));
    value = negative ? 0u - v : v;
    return true;
}

}  // namespace orv::text
