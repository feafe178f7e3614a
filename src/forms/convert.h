// The text and number rules every window and system shares. They never throw: a conversion
// that cannot be made says so in its result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Optional sign, digits, at most one decimal separator ("," or "."), at least one digit.
bool isNumeric(std::string_view t);

// The value of a numeric text; nullopt for anything isNumeric rejects.
std::optional<double> toDouble(std::string_view t);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double roundEven(double x);

// Round(x, d): to d decimals, halves to even.
double roundTo(double x, int decimals);

// Whole-number conversion of a text, halves to even; nullopt when not numeric or out of range.
std::optional<int32_t> toIntSlow(std::string_view t);
inline std::optional<int32_t> toInt(std::string_view t) {
    // Spins and counts: short whole numbers, read in place; one and two digits most of all.
    if (t.size() == 1 || t.size() == 2) {
        const unsigned d0 = static_cast<unsigned char>(t[0]) - static_cast<unsigned>('0');
        const unsigned d1 = t.size() == 2 ? static_cast<unsigned char>(t[1]) - static_cast<unsigned>('0') : 0;
        if (d0 <= 9 && d1 <= 9) return static_cast<int32_t>(t.size() == 1 ? d0 : d0 * 10 + d1);
    }
    if (!t.empty() && t.size() <= 9) {
        size_t i = t[0] == '-' ? 1 : 0;
        if (i < t.size()) {
            int32_t v = 0;
            for (; i < t.size(); ++i) {
                unsigned d = static_cast<unsigned char>(t[i]) - '0';
                if (d > 9) return toIntSlow(t);
                v = v * 10 + static_cast<int32_t>(d);
            }
            return t[0] == '-' ? -v : v;
        }
    }
    return toIntSlow(t);
}
std::optional<int64_t> toInt64(std::string_view t);

// Whole-number conversion of a double, halves to even; nullopt when out of range or not finite.
std::optional<int32_t> toInt(double x);

// Whole numbers as plain decimals, fractions with a decimal comma, at most 15 significant
// digits and no trailing zeros ("0,45", "33,3333333333333").
std::string numText(double x);
std::string numText(int64_t x);
// The same texts written into a caller's buffer of at least NumTextMax characters; returns the
// length. The spin path formats figures this way without building a string.
inline constexpr size_t NumTextMax = 32;
size_t numTextTo(char* out, double x);
size_t numTextTo(char* out, int64_t x);
inline std::string numText(int x) { return numText(static_cast<int64_t>(x)); }
inline std::string numText(long long x) { return numText(static_cast<int64_t>(x)); }

// Split("") gives no items; Split("a,,b", ",") gives three.
std::vector<std::string> split(std::string_view t, std::string_view delim);
// The same split into an existing list, reusing its storage (lists renewed on every spin).
void splitInto(std::string_view t, std::string_view delim, std::vector<std::string>& out);
std::string join(const std::vector<std::string>& items, std::string_view delim);

// A session variable that nothing has set yet shows as "" and counts as 0.
class Var {
public:
    Var() = default;
    Var(double v) : v_(v), empty_(false) {}  // NOLINT: plain assignment from numbers is intended
    Var(int v) : v_(v), empty_(false) {}      // NOLINT
    Var(int64_t v) : v_(static_cast<double>(v)), empty_(false) {}  // NOLINT

    bool empty() const { return empty_; }
    double value() const { return empty_ ? 0.0 : v_; }
    operator double() const { return value(); }  // NOLINT
    std::string text() const { return empty_ ? std::string() : numText(v_); }
    void clear() { empty_ = true; v_ = 0; }

    Var& operator+=(double d) { v_ = value() + d; empty_ = false; return *this; }
    Var& operator-=(double d) { v_ = value() - d; empty_ = false; return *this; }
    Var& operator++() { return *this += 1; }

private:
    double v_ = 0;
    bool empty_ = true;
};

}  // namespace forms

namespace forms {

// The entry box's stricter rule: an optional "-" and digits, nothing else ("05", "-1", "37").
bool isWholeNumberText(std::string_view t);

// The value of such a text of at most 18 digits, read in place (typed limits, counts and seeds on
// the spin path); nullopt for anything else ("", "-", "2,5", "+5", letters).
constexpr std::optional<int64_t> wholeNumberValue(std::string_view t) {
    const size_t first = !t.empty() && t[0] == '-' ? 1 : 0;
    if (t.size() == first || t.size() - first > 18) return std::nullopt;
    int64_t v = 0;
    for (size_t i = first; i < t.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(t[i]) - static_cast<unsigned>('0');
        if (d > 9) return std::nullopt;
        v = v * 10 + static_cast<int64_t>(d);
    }
    return first ? -v : v;
}

}  // namespace forms
