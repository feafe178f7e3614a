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

// The spin of a history row, 0..36; nullopt for an empty row or anything else.
inline std::optional<int> spinIn(const forms::Control& row) {
    const std::string& t = row.text();
    if (t.empty()) return std::nullopt;
    auto n = forms::toInt(t);
    if (!n || *n < 0 || *n > 36) return std::nullopt;
    return *n;
}

// A typed limit of digits only ("-" allowed); nullopt for anything else ("", "2,5", letters).
inline std::optional<int64_t> digitsLimit(std::string_view t) {
    if (auto v = forms::wholeNumberValue(t)) return v;
    if (forms::isWholeNumberText(t)) return forms::toInt64(t);
    return std::nullopt;
}

// A typed box holding a whole number ("49", "-3", "10,0"); nullopt for "49,5", "" or letters.
inline std::optional<int64_t> wholeNumber(std::string_view t) {
    if (auto v = forms::wholeNumberValue(t)) return v;
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
