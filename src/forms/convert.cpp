#include "forms/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace forms {

namespace {

bool isSep(char c) { return c == ',' || c == '.'; }

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
    if (!isNumeric(t)) return std::nullopt;
    // Decimal texts (shares, averages) are read every spin: from_chars gives strtod's correctly
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
    double scale = std::pow(10.0, decimals);
    double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
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
    if (x == 0) {  // also folds -0
        out[0] = '0';
        return 1;
    }
    if (std::isnan(x)) return static_cast<size_t>(std::copy_n("NaN", 3, out) - out);
    if (std::isinf(x)) {
        if (x > 0) return static_cast<size_t>(std::copy_n("Inf", 3, out) - out);
        return static_cast<size_t>(std::copy_n("-Inf", 4, out) - out);
    }
    if (x == std::trunc(x) && std::fabs(x) < 1e15) return numTextTo(out, static_cast<int64_t>(x));
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
