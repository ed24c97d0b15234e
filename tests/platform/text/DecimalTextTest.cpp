#include "platform/text/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(DecimalTextTest, ReadsTheLeadingNumberWithPointOrComma) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"12,5", 12.5},     {"  1000.5 Hz", 1000.5},
                          {"1000,5", 1000.5}, {"-0,25", -0.25},
                          {"+7", 7.0},        {",5", 0.5},
                          {"3.", 3.0},        {"1e3", 1000.0},
                          {"2,5E-1x", 0.25},  {"4e", 4.0},
                          {"1,2,3", 1.2},     {"", 0.0},
                          {"abc", 0.0},       {"-", 0.0},
                          {".", 0.0},         {"nan", 0.0},
                          {"inf", 0.0},       {"0x10", 0.0},
                          {"1e-400", 0.0},    {"0.00001e-320", 0.0}};
    for (const Case& c : cases)
        EXPECT_EQ(DecimalText::ToDouble(c.text), c.value) << c.text;
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(DecimalText::ToDouble("1e400"), inf);
    EXPECT_EQ(DecimalText::ToDouble("-1e999999999999"), -inf);
    EXPECT_EQ(DecimalText::ToDouble("1e12"), 1e12);
}

} // namespace
