#include "testsupport/Contrast.h"

#include <algorithm>
#include <cmath>

namespace orv::test {

double ContrastRatio(orv::Color a, orv::Color b) {
    const auto luminance = [](orv::Color c) {
        const auto channel = [](unsigned v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xffu) + 0.7152 * channel((c >> 8) & 0xffu) + 0.0722 * channel((c >> 16) & 0xffu);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace orv::test
