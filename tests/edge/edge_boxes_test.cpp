// Decimal texts read in place must round exactly as the general conversion does.
#include <gtest/gtest.h>

#include <string>

#include "edge/edge_boxes.h"

TEST(RoundedWhole, AgreesWithTheGeneralConversion) {
    for (int64_t h = -100000; h <= 100000; h += 7) {  // hundredths as the HGF list writes them
        const std::string t = forms::numText(static_cast<double>(h) / 100.0);
        ASSERT_EQ(edge::roundedWhole(t), forms::toInt(t)) << t;
    }
    for (const char* t : {"12,5", "13,5", "-12,5", "-13,5", "0,5", "-0,5", "1,5", "2,50", "2,500001", "0012,5",
                          "12,", ",5", "-,5", "1,2,3", "12,5a", " 12,5", "+12,5", "", "-", "abc", "2147483647,4",
                          "2147483647,6", "-2147483648,5", "99999999999,5", "123456789,49999999999999",
                          "1234567,12345678", "12345678,1234567"})
        EXPECT_EQ(edge::roundedWhole(t), forms::toInt(t)) << t;
}

// History rows and typed boxes of one or two digits are read in place; they must read as the
// general conversion reads them, and anything else must be left to it.
TEST(ShortTexts, ReadAsTheGeneralConversionReadsThem) {
    struct Case {
        const char* text;
        int digits;  // what shortDigits gives
    };
    for (const Case& c : {Case{"0", 0}, {"5", 5}, {"05", 5}, {"36", 36}, {"37", 37}, {"99", 99}, {"-1", -1},
                          {"-0", -1}, {"3,0", -1}, {"x", -1}, {"1x", -1}, {"x1", -1}, {" 5", -1}, {"", -1},
                          {"100", -1}}) {
        EXPECT_EQ(edge::shortDigits(c.text), c.digits) << c.text;
        if (c.digits >= 0) {
            EXPECT_EQ(forms::toInt(c.text), c.digits) << c.text;
        }
        int64_t v = -7;
        if (edge::plainDigits(c.text, v)) {
            EXPECT_EQ(v, forms::toInt64(c.text)) << c.text;
        }
    }
}
