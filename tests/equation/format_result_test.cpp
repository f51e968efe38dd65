// Result texts in the "%.5g" form with a three-digit exponent.
#include <gtest/gtest.h>

#include "engine/number_format.h"

namespace zx::equation {
namespace {

TEST(FormatResult, PlainNumbersKeepFiveSignificantDigits) {
    EXPECT_EQ(FormatResult(0), "0");
    EXPECT_EQ(FormatResult(5), "5");
    EXPECT_EQ(FormatResult(-2.5), "-2.5");
    EXPECT_EQ(FormatResult(3.1415927), "3.1416");
    EXPECT_EQ(FormatResult(12345), "12345");
    EXPECT_EQ(FormatResult(0.0001), "0.0001");
    EXPECT_EQ(FormatResult(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatResult(99999.4), "99999");
}

TEST(FormatResult, ExponentHasSignAndAtLeastThreeDigits) {
    EXPECT_EQ(FormatResult(1234567), "1.2346e+006");
    EXPECT_EQ(FormatResult(100000), "1e+005");
    EXPECT_EQ(FormatResult(99999.5), "1e+005"); // rounding moves into the exponent form
    EXPECT_EQ(FormatResult(0.00001234), "1.234e-005");
    EXPECT_EQ(FormatResult(-6.02e23), "-6.02e+023");
    EXPECT_EQ(FormatResult(1.5e-300), "1.5e-300");
    EXPECT_EQ(FormatResult(1e100), "1e+100");
}

} // namespace
} // namespace zx::equation
