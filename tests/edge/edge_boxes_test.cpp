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
