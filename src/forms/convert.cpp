#include "forms/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace forms {

namespace {

bool isSep(char c) { return c == ',' || c == '.'; }

// Powers of ten that a double holds exactly.
constexpr double Pow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A decimal text of at most 15 digits is an exact integer over an exact power of ten; their
// quotient is the correctly rounded value, the same as strtod's.
std::optional<double> shortDecimal(std::string_view t) {
    size_t i = 0;
    const bool neg = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) i = 1;
    int64_t m = 0;
    int digits = 0, decimals = -1;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) return std::nullopt;
            m = m * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
        } else if (isSep(c) && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    const double v = static_cast<double>(m) / Pow10[decimals < 0 ? 0 : decimals];
    return neg ? -v : v;
}

}  // namespace

bool isNumeric(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int digits = 0, seps = 0;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (isSep(c)) {
            if (++seps > 1) return false;
        } else {
            return false;
        }
    }
    return digits > 0;
}

std::optional<double> toDouble(std::string_view t) {
    // Whole numbers are by far the most common text: read them without the C library.
    if (!t.empty() && t.size() <= 16) {
        size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
        int64_t v = 0;
        bool digits = i < t.size();
        for (size_t k = i; k < t.size() && digits; ++k) {
            if (t[k] < '0' || t[k] > '9') digits = false;
            else v = v * 10 + (t[k] - '0');
        }
        if (digits) return static_cast<double>(t[0] == '-' ? -v : v);
    }
    if (auto v = shortDecimal(t)) return v;
    if (!isNumeric(t)) return std::nullopt;
    // Longer decimal texts (shares, averages) are read every spin: from_chars gives strtod's correctly
    // rounded value without its cost; only what it cannot represent goes to strtod.
    char buf[32];
    const size_t skip = t[0] == '+' ? 1 : 0;
    if (t.size() - skip <= sizeof buf) {
        size_t n = 0;
        for (size_t i = skip; i < t.size(); ++i) buf[n++] = t[i] == ',' ? '.' : t[i];
        double v = 0;
        const auto r = std::from_chars(buf, buf + n, v);
        if (r.ec == std::errc() && r.ptr == buf + n) return v;
    }
    std::string s(t);
    for (char& c : s)
        if (c == ',') c = '.';
    return std::strtod(s.c_str(), nullptr);
}

double roundEven(double x) { return std::nearbyint(x); }

double roundTo(double x, int decimals) {
    if (decimals <= 0) return roundEven(x);
    const double scale = decimals <= 22 ? Pow10[decimals] : std::pow(10.0, decimals);
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    // Far from a half, representation noise cannot change the nearest whole number.
    const double frac = scaled - std::floor(scaled);
    if (std::fabs(frac - 0.5) > 1e-9 * (1 + std::fabs(scaled))) return roundEven(scaled) / scale;
    // Strip representation noise (2.675 is 2.67499999...) before deciding a half.
    char buf[64];
    char* end = std::to_chars(buf, buf + sizeof buf, scaled, std::chars_format::general, 15).ptr;
    double clean = scaled;
    std::from_chars(buf, end, clean);
    return roundEven(clean) / scale;
}

std::optional<int32_t> toInt(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double r = roundEven(x);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int32_t> toIntSlow(std::string_view t) {
    auto d = toDouble(t);
    if (!d) return std::nullopt;
    return toInt(*d);
}

std::optional<int64_t> toInt64(std::string_view t) {
    // Whole numbers read in place; everything else goes through the decimal reading.
    if (!t.empty() && t.size() <= 18) {
        const size_t start = t[0] == '-' ? 1 : 0;
        int64_t v = 0;
        bool digits = start < t.size();
        for (size_t i = start; i < t.size() && digits; ++i) {
            const unsigned d = static_cast<unsigned char>(t[i]) - '0';
            if (d > 9) digits = false;
            else v = v * 10 + static_cast<int64_t>(d);
        }
        if (digits) return start ? -v : v;
    }
    auto d = toDouble(t);
    if (!d || !std::isfinite(*d)) return std::nullopt;
    double r = roundEven(*d);
    if (r < -9.2e18 || r > 9.2e18) return std::nullopt;
    return static_cast<int64_t>(r);
}

size_t numTextTo(char* out, int64_t x) {
    return static_cast<size_t>(std::to_chars(out, out + NumTextMax, x).ptr - out);
}

size_t numTextTo(char* out, double x) {
    const double ax = x < 0 ? -x : x;
    if (ax < 1e11) {  // also false for NaN
        // Whole numbers, and shares, averages and values with a few decimals: a double that is the
        // nearest one to q / 10^4 prints, at 15 significant digits, as exactly that decimal.
        const auto whole = static_cast<int64_t>(x);
        if (static_cast<double>(whole) == x) return numTextTo(out, whole);  // folds -0 too
        // Adding and taking away 2^52 rounds to the nearest whole number, halves to even, without
        // a library call.
        const double scaled = x * 1e4;
        constexpr double Shift = 4503599627370496.0;
        const double rounded = scaled < 0 ? (scaled - Shift) + Shift : (scaled + Shift) - Shift;
        const auto q = static_cast<int64_t>(rounded);
        if (static_cast<double>(q) / 1e4 == x) {
            char* p = out;
            uint64_t u = q < 0 ? static_cast<uint64_t>(-q) : static_cast<uint64_t>(q);
            if (q < 0) *p++ = '-';
            p = std::to_chars(p, out + NumTextMax, u / 10000).ptr;
            unsigned frac = static_cast<unsigned>(u % 10000);
            *p++ = ',';
            static constexpr unsigned Div[] = {1000, 100, 10, 1};
            for (unsigned k = 0; frac != 0; ++k) {
                *p++ = static_cast<char>('0' + frac / Div[k]);
                frac %= Div[k];
            }
            return static_cast<size_t>(p - out);
        }
    } else if (ax < 1e15 && x == std::trunc(x)) {
        return numTextTo(out, static_cast<int64_t>(x));
    }
    if (std::isnan(x)) return static_cast<size_t>(std::copy_n("NaN", 3, out) - out);
    if (std::isinf(x)) {
        if (x > 0) return static_cast<size_t>(std::copy_n("Inf", 3, out) - out);
        return static_cast<size_t>(std::copy_n("-Inf", 4, out) - out);
    }
    // 15 significant digits, shortest form: what "%.15G" writes, with the decimal comma.
    char* end = std::to_chars(out, out + NumTextMax, x, std::chars_format::general, 15).ptr;
    for (char* p = out; p != end; ++p) {
        if (*p == '.') *p = ',';
        else if (*p == 'e') *p = 'E';
    }
    return static_cast<size_t>(end - out);
}

std::string numText(int64_t x) {
    char buf[NumTextMax];
    return std::string(buf, numTextTo(buf, x));
}

std::string numText(double x) {
    char buf[NumTextMax];
    return std::string(buf, numTextTo(buf, x));
}

std::vector<std::string> split(std::string_view t, std::string_view delim) {
    std::vector<std::string> out;
    splitInto(t, delim, out);
    return out;
}

void splitInto(std::string_view t, std::string_view delim, std::vector<std::string>& out) {
    size_t n = 0;
    auto put = [&](std::string_view item) {
        if (n == out.size()) out.emplace_back(item);
        else if (out[n] != item) out[n].assign(item);  // keeps the item's storage
        ++n;
    };
    if (!t.empty()) {
        const char* begin = t.data();
        const char* start = begin;
        if (!delim.empty() && delim.size() <= t.size()) {
            // A plain scan: the lists split on every spin are short and their separators tiny.
            const char first = delim.front();
            const char* last = begin + (t.size() - delim.size());
            for (const char* q = begin; q <= last;) {
                if (*q == first && std::equal(delim.begin() + 1, delim.end(), q + 1)) {
                    put(std::string_view(start, static_cast<size_t>(q - start)));
                    q += delim.size();
                    start = q;
                } else {
                    ++q;
                }
            }
        }
        put(std::string_view(start, static_cast<size_t>(begin + t.size() - start)));
    }
    out.resize(n);
}

std::string join(const std::vector<std::string>& items, std::string_view delim) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += delim;
        out += items[i];
    }
    return out;
}

}  // namespace forms

namespace forms {

bool isWholeNumberText(std::string_view t) {
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    if (t.empty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace forms
