#include "engine/display_format.h"

#include <limits>

#include <gtest/gtest.h>

using namespace zx::calculator;

TEST(DisplayFormat, SevenDigitsAfterASignPosition) {
    EXPECT_EQ(formatDisplay(14.0), " 14");
    EXPECT_EQ(formatDisplay(-2.5), "-2.5");
    EXPECT_EQ(formatDisplay(12345678.0), " 1.234568E+7");
    EXPECT_EQ(formatDisplay(-1.5e-20), "-1.5E-20");
    EXPECT_EQ(formatDisplay(1e150), " 1E+150");
    EXPECT_EQ(formatDisplay(1e-5), " 1E-05"); // six characters keep both exponent digits
}

TEST(DisplayFormat, BothExponentWidthsShortenAlike) {
    // Three-digit exponents as the Windows C library writes them, two digits as others do.
    const std::pair<const char*, const char*> cases[] = {
        {" 1.234567E+009", " 1.234567E+9"},
        {" 1.234567E+09", " 1.234567E+9"},
        {"-2.5E-015", "-2.5E-15"},
        {"-2.5E-15", "-2.5E-15"},
        {" 1E+007", " 1E+07"},
        {" 1E+07", " 1E+07"},
        {" 1E+100", " 1E+100"},
        {" 1000000", " 1000000"},
        {"-0.0001", "-0.0001"},
        {"", ""},
    };
    for (const auto& [raw, expected] : cases) {
        std::string text = raw;
        shortenExponent(text);
        EXPECT_EQ(text, expected) << raw;
    }
}

TEST(DisplayFormat, BeyondTheLargestOrNotFiniteIsAnError) {
    for (double v :
         {1.0000001e150, -1e151, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(formatDisplay(v)) << v;
    }
}
