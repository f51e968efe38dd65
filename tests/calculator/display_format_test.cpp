#include "engine/display_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using zx::calculator::formatDisplay;
using zx::calculator::kDisplayCapacity;
using zx::calculator::shortenExponent;

namespace {

std::string shortened(std::string text) {
    shortenExponent(text);
    return text;
}

} // namespace

TEST(DisplayFormat, SevenSignificantDigitsAfterASignPosition) {
    EXPECT_EQ(formatDisplay(14.0), " 14");
    EXPECT_EQ(formatDisplay(-2.5), "-2.5");
    EXPECT_EQ(formatDisplay(0.0), " 0");
    EXPECT_EQ(formatDisplay(1234567.0), " 1234567");
    EXPECT_EQ(formatDisplay(12345678.0), " 1.234568E+7");
    EXPECT_EQ(formatDisplay(1234567000.0), " 1.234567E+9");
    EXPECT_EQ(formatDisplay(-1.5e-20), "-1.5E-20");
    EXPECT_EQ(formatDisplay(1e150), " 1E+150");
}

TEST(DisplayFormat, BothExponentWidthsShortenAlike) {
    // Three-digit exponents as the Windows C library writes them, two-digit ones as others do.
    EXPECT_EQ(shortened(" 1.234567E+009"), " 1.234567E+9");
    EXPECT_EQ(shortened(" 1.234567E+09"), " 1.234567E+9");
    EXPECT_EQ(shortened("-2.5E-015"), "-2.5E-15");
    EXPECT_EQ(shortened("-2.5E-15"), "-2.5E-15");
    EXPECT_EQ(shortened(" 1.5E+005"), " 1.5E+5");
    EXPECT_EQ(shortened(" 1.5E+05"), " 1.5E+5");
    EXPECT_EQ(shortened(" 1E+100"), " 1E+100");
    // Six characters or fewer stay as they are, so a bare power of ten keeps two digits.
    EXPECT_EQ(shortened(" 1E+007"), " 1E+07");
    EXPECT_EQ(shortened(" 1E+07"), " 1E+07");
    EXPECT_EQ(shortened("-1E-005"), "-1E-05");
}

TEST(DisplayFormat, TextsWithoutExponentAreLeftAlone) {
    EXPECT_EQ(shortened(" 1000000"), " 1000000");
    EXPECT_EQ(shortened("-0.0001"), "-0.0001");
    EXPECT_EQ(shortened(""), "");
    EXPECT_EQ(shortened(" 10"), " 10");
}

TEST(DisplayFormat, BeyondTheLargestOrNotFiniteIsAnError) {
    EXPECT_FALSE(formatDisplay(1.0000001e150));
    EXPECT_FALSE(formatDisplay(-1e151));
    EXPECT_FALSE(formatDisplay(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(formatDisplay(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(formatDisplay(std::numeric_limits<double>::quiet_NaN()));
}

TEST(DisplayFormat, NeverLongerThanTheDisplay) {
    for (double v : {-1.2345678e-300, -9.9999999e149, 1.2345678e-100, -0.00012345678,
                     std::numeric_limits<double>::denorm_min(), -1e-320}) {
        const auto text = formatDisplay(v);
        ASSERT_TRUE(text);
        EXPECT_LE(text->size(), kDisplayCapacity) << *text;
    }
}
