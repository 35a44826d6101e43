#include "orvmenu/FormFont.h"

#include <charconv>
#include <iterator>
#include <string_view>

#include "services/Numbers.h"
#include <utility>

namespace {

using orv::text::Trim;

// A decimal field within [low, high]; blanks around it allowed, a leading minus sign too.
bool ParseField(std::string_view field, std::int32_t low, std::int32_t high,
                std::int32_t& value) {
    field = Trim(field);
    if (field.empty()) return false;
    std::int32_t parsed = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (error != std::errc() || end != field.data() + field.size()) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

}  // namespace

bool CFormFont::fromString(const std::string& text) {
    // Fields are applied to a copy, so text that fails anywhere leaves the font as it was.
    CFormFont font = *this;
    struct Field {
        std::int32_t CFormFont::*member;
        std::int32_t low, high;
    };
    static constexpr Field kFields[] = {
        {&CFormFont::width, -1000, 1000},
        {&CFormFont::height, -1000, 1000},
        {&CFormFont::weight, 0, 1000},
        {&CFormFont::italic, 0, 255},
        {&CFormFont::underline, 0, 255},
        {&CFormFont::strikeOut, 0, 255},
    };

    // Split into at most seven fields; an eighth means the text is not in this form.
    std::string_view fields[7];
    std::size_t count = 0;
    for (std::string_view rest = text;;) {
        if (count == std::size(fields)) return false;
        const auto comma = rest.find(',');
        fields[count++] = rest.substr(0, comma);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }

    const std::string_view face = Trim(fields[0]);
    if (face.empty() || face.size() > kMaxFaceName) return false;
    font.faceName.assign(face);
    for (std::size_t i = 1; i < count; ++i) {
        const Field& field = kFields[i - 1];
        if (!ParseField(fields[i], field.low, field.high, font.*field.member)) return false;
    }

    // The window system reads the three flags as true or false.
    for (auto flag : {&CFormFont::italic, &CFormFont::underline, &CFormFont::strikeOut})
        font.*flag = font.*flag != 0 ? 1 : 0;
    *this = std::move(font);
    return true;
}

std::string CFormFont::toString() const {
    std::string text = faceName;
    for (std::int32_t value : {width, height, weight, italic, underline, strikeOut}) {
        text += ',';
        text += std::to_string(value);
    }
    return text;
}
