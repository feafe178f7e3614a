#include "fast/elim.h"

#include <vector>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "routines/wheel.h"

namespace fast {

std::string pairText(int64_t position) {
    if (position < 1 || position > 18) return {};
    const auto& pair = routines::OppositePairs[static_cast<size_t>(position - 1)];
    return forms::numText(pair[0]) + "," + forms::numText(pair[1]);
}

Elimination elimnbrs(int64_t val1, std::string_view s) {
    const std::vector<std::string> items = forms::split(s, "|");
    if (items.size() < 4) return {};
    const auto a = forms::toInt64(items[1]);
    const auto b = forms::toInt64(items[3]);
    if (!a || !b) return {};
    const int64_t p = routines::oppositePairIndex(val1);
    auto forward = [p](int64_t d) -> std::optional<std::string> {
        // No distance outside -18..36 can land on a pair; testing first keeps p + d in range.
        if (d < -18 || d > 36) return std::nullopt;
        int64_t q = p + d;
        if (q > 18) q -= 18;
        if (q < 1 || q > 18) return std::nullopt;
        return pairText(q);
    };
    return {forward(*a), forward(*b)};
}

std::optional<int64_t> calcwin(std::string_view s1, std::string_view s2, std::string_view s3) {
    const std::vector<std::string> items = forms::split(s1, ",");
    const auto stake = forms::toInt64(s3);
    if (items.size() < 4 || !stake) return std::nullopt;
    for (size_t i = 0; i < 4; ++i)
        if (items[i] == s2) return forms::satMul(-33, *stake);
    return forms::satMul(36 - 33, *stake);
}

}  // namespace fast
