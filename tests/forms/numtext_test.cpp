// The fast number-to-text conversion against the printf rule it replaced, on a few million
// values of every shape a system can produce.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <random>
#include <string>

#include "forms/convert.h"

namespace {

// The earlier conversion, kept here as the reference.
std::string referenceText(double x) {
    if (x == 0) return "0";
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    if (x == std::trunc(x) && std::fabs(x) < 1e15) return std::to_string(static_cast<int64_t>(x));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    std::string s(buf);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

}  // namespace

TEST(NumText, MatchesTheReferenceOnMillionsOfValues) {
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int64_t> whole(-1'000'000'000, 1'000'000'000);
    std::uniform_int_distribution<int> small(1, 1000);
    std::uniform_int_distribution<int> decimals(0, 6);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> power(-30, 30);
    int mismatches = 0;
    for (int i = 0; i < 2'000'000 && mismatches < 5; ++i) {
        double x;
        switch (i % 6) {
            case 0: x = static_cast<double>(whole(rng)); break;                  // counts, results
            case 1: x = static_cast<double>(small(rng)) / small(rng); break;      // ratios, averages
            case 2: x = forms::roundTo(unit(rng) * 1000, decimals(rng)); break;  // rounded figures
            case 3: x = unit(rng) * std::pow(10.0, power(rng)); break;           // any magnitude
            case 4: x = static_cast<double>(whole(rng)) * 1e7 + 0.5; break;      // near the 1e15 edge
            default: {                                                           // any finite bits
                const uint64_t bits = rng();
                std::memcpy(&x, &bits, sizeof x);
                if (!std::isfinite(x)) x = 1.5;
            }
        }
        const std::string want = referenceText(x);
        const std::string got = forms::numText(x);
        if (got != want) {
            ++mismatches;
            ADD_FAILURE() << "x=" << x << " got " << got << " want " << want;
        }
    }
    std::uniform_int_distribution<int64_t> any(INT64_MIN, INT64_MAX);
    for (int i = 0; i < 200'000; ++i) {
        const int64_t v = any(rng);
        ASSERT_EQ(forms::numText(v), std::to_string(v));
    }
    for (double x : {-0.0, 1e15, 1e-5, -1e300, double(NAN), -double(INFINITY)}) EXPECT_EQ(forms::numText(x), referenceText(x));
}

TEST(NumText, RoundingMatchesThePrintfReference) {
    auto reference = [](double x, int d) {
        const double scale = std::pow(10.0, d);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", x * scale);
        return std::nearbyint(std::strtod(buf, nullptr)) / scale;
    };
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> value(-10000.0, 10000.0);
    std::uniform_int_distribution<int> decimals(1, 6);
    for (int i = 0; i < 500'000; ++i) {
        const double x = forms::roundTo(value(rng), 7);  // many exact halves after rounding again
        const int d = decimals(rng);
        ASSERT_EQ(forms::roundTo(x, d), reference(x, d)) << x << " " << d;
    }
}

TEST(NumText, ReadingDecimalsMatchesStrtod) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<int64_t> mantissa(0, 999'999'999'999'999);
    std::uniform_int_distribution<int> decimals(0, 15), sign(0, 2), sep(0, 1);
    for (int i = 0; i < 500'000; ++i) {
        std::string digits = std::to_string(mantissa(rng) >> (i % 40));
        const int d = std::min<int>(decimals(rng), static_cast<int>(digits.size()));
        const int sg = sign(rng);
        std::string text = sg == 1 ? "-" : sg == 2 ? "+" : "";
        text += digits.substr(0, digits.size() - d);
        if (d) {
            text += sep(rng) ? ',' : '.';
            text += digits.substr(digits.size() - d);
        }
        std::string c = text;
        std::replace(c.begin(), c.end(), ',', '.');
        const auto got = forms::toDouble(text);
        ASSERT_TRUE(got) << text;
        ASSERT_EQ(*got, std::strtod(c.c_str(), nullptr)) << text;
    }
}
