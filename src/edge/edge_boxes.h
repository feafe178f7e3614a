// Small helpers the Edge sections share: the newest spin, whole-number boxes, writes of figures
// that moved and captions built on the stack.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "forms/convert.h"
#include "forms/form.h"

class Frm7tch;

namespace edge {

// The figure boxes of the drawn three list (5), the drawn five lists (8) and the five-number
// progression (6) on "TCh", in that order; listBoxes gives them, found once per window.
inline constexpr int ListBoxes[] = {274, 275, 272, 273, 276, 278, 279, 280, 283, 284, 281, 282, 277,
                                    223, 224, 225, 226, 227, 228};
forms::Control* const* listBoxes(Frm7tch& f);

// One or two plain digits, as the history rows hold their spins; -1 for any other text.
inline int shortDigits(std::string_view t) {
    if (t.empty() || t.size() > 2) return -1;
    const unsigned d0 = static_cast<unsigned>(static_cast<unsigned char>(t[0]) - '0');
    if (d0 > 9) return -1;
    if (t.size() == 1) return static_cast<int>(d0);
    const unsigned d1 = static_cast<unsigned>(static_cast<unsigned char>(t[1]) - '0');
    return d1 <= 9 ? static_cast<int>(d0 * 10 + d1) : -1;
}

// The spin of a history row, 0..36; nullopt for an empty row or anything else.
inline std::optional<int> spinIn(const forms::Control& row) {
    const std::string& t = row.text();
    if (t.empty()) return std::nullopt;
    if (const int d = shortDigits(t); d >= 0) return d <= 36 ? std::optional<int>(d) : std::nullopt;
    auto n = forms::toInt(t);
    if (!n || *n < 0 || *n > 36) return std::nullopt;
    return *n;
}

// An optional "-" and at most 15 digits, read into v; false for anything else.
inline bool plainDigits(std::string_view t, int64_t& v) {
    // Typed limits and counts are one or two digits nearly always.
    if (t.size() == 2) {
        const unsigned d0 = static_cast<unsigned>(static_cast<unsigned char>(t[0]) - '0');
        const unsigned d1 = static_cast<unsigned>(static_cast<unsigned char>(t[1]) - '0');
        if (d0 <= 9 && d1 <= 9) {
            v = d0 * 10 + d1;
            return true;
        }
    }
    bool neg = !t.empty() && t[0] == '-';
    size_t i = neg ? 1 : 0;
    if (i == t.size() || t.size() - i > 15) return false;
    int64_t x = 0;
    for (; i < t.size(); ++i) {
        unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i]) - '0');
        if (d > 9) return false;
        x = x * 10 + static_cast<int64_t>(d);
    }
    v = neg ? -x : x;
    return true;
}

// The whole number a short decimal text rounds to, halves to even, as forms::toInt gives it
// ("12,34" 12, "12,5" 12, "13,5" 14); texts of another shape go to forms::toInt itself.
inline std::optional<int32_t> roundedWhole(std::string_view t) {
    const size_t comma = t.find(',');
    if (comma == std::string_view::npos) return forms::toInt(t);
    int64_t whole = 0;
    const std::string_view frac = t.substr(comma + 1);
    // At most 15 digits in all, so that the double the general conversion reads rounds alike.
    const size_t digits = comma - (t[0] == '-' ? 1 : 0) + frac.size();
    if (!plainDigits(t.substr(0, comma), whole) || frac.empty() || digits > 15) return forms::toInt(t);
    int first = -1;
    bool restNonZero = false;
    for (char c : frac) {
        const unsigned d = static_cast<unsigned>(static_cast<unsigned char>(c) - '0');
        if (d > 9) return forms::toInt(t);
        if (first < 0) first = static_cast<int>(d);
        else restNonZero = restNonZero || d != 0;
    }
    const bool neg = t[0] == '-';
    int64_t mag = neg ? -whole : whole;
    if (first > 5 || (first == 5 && (restNonZero || mag % 2 != 0))) ++mag;
    const int64_t v = neg ? -mag : mag;
    if (v < INT32_MIN || v > INT32_MAX) return forms::toInt(t);
    return static_cast<int32_t>(v);
}

// A typed limit of digits only ("-" allowed): short ones are read in place, longer ones by the
// one conversion; nullopt for anything else ("", "2,5", letters).
inline std::optional<int64_t> digitsLimit(std::string_view t) {
    if (int64_t v = 0; plainDigits(t, v)) return v;
    if (forms::isWholeNumberText(t)) return forms::toInt64(t);
    return std::nullopt;
}

// A typed box's number: plain digits are read in place, anything else by the one conversion.
inline std::optional<double> numberIn(std::string_view t) {
    int64_t v = 0;
    if (plainDigits(t, v)) return static_cast<double>(v);
    return forms::toDouble(t);
}

// A typed box holding a whole number ("49", "-3", "10,0"); nullopt for "49,5", "" or letters.
inline std::optional<int64_t> wholeNumber(std::string_view t) {
    int64_t v = 0;
    if (plainDigits(t, v)) return v;
    auto d = forms::toDouble(t);
    if (!d || !std::isfinite(*d) || *d != std::trunc(*d) || std::fabs(*d) > 9.0e15) return std::nullopt;
    return static_cast<int64_t>(*d);
}

// A figure that moved since the last spin; boxes start with the text of the start values.
inline void showMoved(forms::Control& c, int64_t before, int64_t after) {
    if (before != after) c.setNumber(after);
}

// A caption built on the stack and written once; a text longer than the buffer moves to the heap.
class Line {
public:
    void add(std::string_view t) {
        if (!spilled_ && t.size() <= sizeof(buf_) - n_) {
            char* p = buf_ + n_;
            const size_t k = t.size();
            if (k <= 2) {  // a spin or a separator: no library call
                if (k > 0) p[0] = t[0];
                if (k > 1) p[1] = t[1];
            } else {
                std::memcpy(p, t.data(), k);
            }
            n_ += k;
            return;
        }
        spill(t);
    }
    void add(char c) {
        if (!spilled_ && n_ < sizeof(buf_)) buf_[n_++] = c;
        else spill(std::string_view(&c, 1));
    }
    // A number as the one conversion writes it; an empty variable adds nothing.
    void add(const forms::Var& v) {
        if (v.empty()) return;
        if (!spilled_ && sizeof(buf_) - n_ >= forms::NumTextMax) {
            n_ += forms::numTextTo(buf_ + n_, v.value());  // straight into the line
            return;
        }
        char b[forms::NumTextMax];
        add(std::string_view(b, forms::numTextTo(b, v.value())));
    }
    void add(int64_t v) {
        if (!spilled_ && sizeof(buf_) - n_ >= forms::NumTextMax) {
            n_ += forms::numTextTo(buf_ + n_, v);
            return;
        }
        char b[forms::NumTextMax];
        add(std::string_view(b, forms::numTextTo(b, v)));
    }
    bool empty() const { return n_ == 0 && !spilled_; }
    std::string_view view() const { return spilled_ ? std::string_view(big_) : std::string_view(buf_, n_); }

private:
    void spill(std::string_view t) {
        if (!spilled_) big_.assign(buf_, n_);
        spilled_ = true;
        big_.append(t);
    }

    char buf_[160];
    size_t n_ = 0;
    bool spilled_ = false;
    std::string big_;
};

}  // namespace edge
