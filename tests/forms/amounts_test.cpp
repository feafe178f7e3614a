#include "forms/amounts.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Amounts, StayAtTheEndsOfTheRangeInsteadOfWrapping) {
    struct Case {
        const char* what;
        int64_t got, want;
    };
    const Case cases[] = {
        {"add", satAdd(5, -7), -2},
        {"add past the top", satAdd(AmountMax - 1, 5), AmountMax},
        {"add past the bottom", satAdd(AmountMin + 1, -5), AmountMin},
        {"sub", satSub(5, 7), -2},
        {"a loss booked at the bottom stays there", satSub(AmountMin, 3), AmountMin},
        {"a loss of a negative stake at the top", satSub(AmountMax, -3), AmountMax},
        {"sub of the lowest", satSub(0, AmountMin), AmountMax},
        {"mul", satMul(-99999, 36), -3599964},
        {"mul past the top", satMul(AmountMax / 2, 3), AmountMax},
        {"mul past the bottom", satMul(AmountMax / 2, -3), AmountMin},
        {"two negatives", satMul(AmountMin, -1), AmountMax},
        {"neg", satNeg(7), -7},
        {"neg of the lowest", satNeg(AmountMin), AmountMax},
        {"narrow", satNarrow(int64_t{1} << 40), INT32_MAX},
        {"narrow below", satNarrow(-(int64_t{1} << 40)), INT32_MIN},
        {"narrow within", satNarrow(-12), -12},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}
