// Number texts at every range boundary, exponent trimming and line equations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/line_equation.h"
#include "engine/number_text.h"

namespace plotmark {
namespace {

TEST(NumberText, TheListedExamples) {
    EXPECT_EQ(numberText(1234567), "1.2e+6");
    EXPECT_EQ(numberText(0.00005), "5.0e-5");
    EXPECT_EQ(numberText(1e-16), "0.0");
    EXPECT_EQ(numberText(-0.05), "-0.050");
    EXPECT_EQ(numberText(0.05), "0.0500");
    EXPECT_EQ(numberText(-500000), "-500000");
    EXPECT_EQ(numberText(0), "0.0");
    EXPECT_EQ(numberText(-0.0), "0.0");
}

TEST(NumberText, TickLabelsOfTheDefaultGraph) {
    EXPECT_EQ(numberText(5), "5.00");
    EXPECT_EQ(numberText(10), "10.0");
    EXPECT_EQ(numberText(20), "20.0");
}

struct Boundary {
    double value;
    const char* text;
};

TEST(NumberText, PositiveRangesOnBothSidesOfEachBoundary) {
    const Boundary cases[] = {
        {999999, "999999"}, {999999.5, "1.0e+6"}, {99, "99.0"},          {99.5, "100"},
        {9, "9.00"},        {9.01, "9.0"},        {0.9, "0.900"},        {0.91, "0.91"},
        {0.09, "0.0900"},   {0.091, "0.091"},     {0.0009, "9.0e-4"},    {0.00091, "0.0009"},
        {1e-15, "1.0e-15"}, {9.9e-16, "0.0"},     {1.5e100, "1.5e+100"}, {2e-14, "2.0e-14"},
    };
    for (const Boundary& b : cases) {
        EXPECT_EQ(numberText(b.value), b.text) << b.value;
    }
}

TEST(NumberText, NegativeRangesSwitchOneDecadeLater) {
    const Boundary cases[] = {
        {-9.9e-16, "0.0"},      {-1e-15, "-1.0e-15"},
        {-0.0009, "-0.0009"},   {-0.00089, "-8.9e-4"},
        {-0.009, "-0.009"},     {-0.0089, "-0.0089"},
        {-0.9, "-0.90"},        {-0.89, "-0.890"},
        {-9, "-9.0"},           {-8.9, "-8.90"},
        {-99, "-99"},           {-98.9, "-98.9"},
        {-99999, "-99999"},     {-99998.7, "-99999"},
        {-999999, "-999999"},   {-123456.7, "-123457"},
        {-999998.6, "-999999"}, {-1000000, "-1.0e+6"},
        {-1234567, "-1.2e+6"},  {-99999.25, "-99999.2"},
    };
    for (const Boundary& b : cases) {
        EXPECT_EQ(numberText(b.value), b.text) << b.value;
    }
}

TEST(NumberText, ValuesThatAreNotNumbersStillGiveText) {
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_FALSE(numberText(std::numeric_limits<double>::quiet_NaN()).empty());
}

std::string trimmed(std::string text) {
    trimExponent(text);
    return text;
}

TEST(TrimExponent, TwoAndThreeDigitExponentsTrimAlike) {
    EXPECT_EQ(trimmed("1.2e+005"), "1.2e+5");
    EXPECT_EQ(trimmed("1.2e+05"), "1.2e+5");
    EXPECT_EQ(trimmed("-1.5e-005"), "-1.5e-5");
    EXPECT_EQ(trimmed("-1.5e-05"), "-1.5e-5");
    EXPECT_EQ(trimmed("1.0e+010"), "1.0e+10");
    EXPECT_EQ(trimmed("1.0e+10"), "1.0e+10");
    EXPECT_EQ(trimmed("1.0e+100"), "1.0e+100");
    EXPECT_EQ(trimmed("1.2e+6"), "1.2e+6");
    EXPECT_EQ(trimmed("1e+006"), "1e+006"); // six characters: never trimmed
    EXPECT_EQ(trimmed(""), "");
}

TEST(LineEquation, InterceptAboveWithinAndBelowTheTolerance) {
    EXPECT_EQ(lineEquation(2, 1, 1), "y = 2.00x + 1.00 ");
    EXPECT_EQ(lineEquation(2, 0.005, 1), "y = 2.00x ");
    EXPECT_EQ(lineEquation(2, -0.01, 1), "y = 2.00x ");
    EXPECT_EQ(lineEquation(2, -0.5, 1), "y = 2.00x - 0.500");
    EXPECT_EQ(lineEquation(2, 0.005, 0.1), "y = 2.00x + 0.0050 ");
}

TEST(LineEquation, ANegativeOrUndefinedDeltaYStillSignsTheIntercept) {
    EXPECT_EQ(lineEquation(1, -0.005, -1), "y = 1.00x ");
    EXPECT_EQ(lineEquation(1, -3, std::nan("")), "y = 1.00x - 3.00");
    EXPECT_EQ(lineEquation(1e15, -1e15, 1), "y = 1.0e+15x - 1.0e+15");
}

} // namespace
} // namespace plotmark
