// Least squares, the matrix inversion, line slopes and Pearson.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/fit.h"
#include "engine/line_points.h"

namespace plotmark {
namespace {

struct Fitted {
    FitStatus status;
    double intercept;
    double slope;
    double pearson;
};

Fitted fitLine(std::vector<float> x, std::vector<float> y) {
    double c[2] = {-1, -1};
    FitStatus status = polynomialFit(x, y, 1, c);
    return {status, c[0], c[1], pearson(x, y)};
}

TEST(LineFit, ExactRisingPoints) {
    Fitted f = fitLine({0, 1, 2}, {1, 3, 5});
    EXPECT_EQ(f.status, FitStatus::Done);
    EXPECT_NEAR(f.slope, 2.0, 1e-12);
    EXPECT_NEAR(f.intercept, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(f.pearson, 1.0);
}

TEST(LineFit, LevelPointsHaveSlopeZeroAndPearsonOne) {
    Fitted f = fitLine({0, 1, 2}, {1, 1, 1});
    EXPECT_NEAR(f.slope, 0.0, 1e-12);
    EXPECT_NEAR(f.intercept, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(f.pearson, 1.0);
}

TEST(LineFit, ScatteredPointsMatchTheTextbookValues) {
    Fitted f = fitLine({1, 2, 3, 4, 5}, {2, 4, 5, 4, 5});
    EXPECT_NEAR(f.slope, 0.6, 1e-12);
    EXPECT_NEAR(f.intercept, 2.2, 1e-12);
    EXPECT_NEAR(f.pearson, 0.7745966692, 1e-9);
    EXPECT_NEAR(fitLine({0, 1, 2}, {5, 3, 1}).pearson, -1.0, 1e-12);
}

TEST(LineFit, TooFewPointsLeaveZeroCoefficients) {
    Fitted f = fitLine({3}, {4});
    EXPECT_EQ(f.status, FitStatus::Done);
    EXPECT_EQ(f.slope, 0.0);
    EXPECT_EQ(f.intercept, 0.0);
    EXPECT_EQ(f.pearson, 0.0);
    double c[12];
    std::vector<float> x(20, 1.0f);
    EXPECT_EQ(polynomialFit(x, x, 11, c), FitStatus::Done);
    EXPECT_EQ(c[11], 0.0);
}

TEST(PolynomialFit, DegreeZeroIsTheMean) {
    std::vector<float> x = {5, 6, 7, 8};
    std::vector<float> y = {1, 2, 3, 6};
    double c[1];
    EXPECT_EQ(polynomialFit(x, y, 0, c), FitStatus::Done);
    EXPECT_DOUBLE_EQ(c[0], 3.0);
}

TEST(PolynomialFit, OneRepeatedXIsSingularAndLeavesNoCoefficients) {
    std::vector<float> x = {2, 2, 2};
    std::vector<float> y = {1, 2, 3};
    double c[2] = {7, 7};
    EXPECT_EQ(polynomialFit(x, y, 1, c), FitStatus::Singular);
    EXPECT_EQ(c[0], 0.0);
    EXPECT_EQ(c[1], 0.0);
    // An x that is not exact in binary escapes the exact zero pivot test; the fit is still
    // refused rather than giving a line through infinity.
    std::vector<float> tenth = {0.1f, 0.1f, 0.1f};
    FitStatus status = polynomialFit(tenth, y, 1, c);
    EXPECT_TRUE(status == FitStatus::Singular || (std::isfinite(c[0]) && std::isfinite(c[1])));
}

TEST(PolynomialFit, RecoversRandomPolynomialsOfDegreeOneToThree) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coefficient(-5, 5);
    std::uniform_int_distribution<int> degreeOf(1, 3);
    for (int trial = 0; trial < 200; ++trial) {
        int degree = degreeOf(random);
        double known[4] = {};
        for (int k = 0; k <= degree; ++k) {
            known[k] = coefficient(random);
        }
        // Small whole x and coefficients keep every y exact in single precision.
        std::vector<float> x;
        std::vector<float> y;
        for (int i = -6; i <= 6; ++i) {
            double v = 0;
            for (int k = degree; k >= 0; --k) {
                v = v * i + known[k];
            }
            x.push_back(static_cast<float>(i));
            y.push_back(static_cast<float>(v));
        }
        double c[4];
        ASSERT_EQ(polynomialFit(x, y, degree, c), FitStatus::Done);
        for (int k = 0; k <= degree; ++k) {
            EXPECT_NEAR(c[k], known[k], 1e-8) << "trial " << trial << " degree " << degree;
        }
    }
}

TEST(InvertMatrix, NeedsRowInterchangesAndUndoesThem) {
    // A zero on the diagonal forces a swap; the inverse must come out unpermuted.
    double a[9] = {0, 2, 1, 1, 0, 0, 3, 0, 1};
    const double original[9] = {0, 2, 1, 1, 0, 0, 3, 0, 1};
    ASSERT_TRUE(invertMatrix(a, 3));
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double sum = 0;
            for (int k = 0; k < 3; ++k) {
                sum += original[i * 3 + k] * a[k * 3 + j];
            }
            EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-12) << i << "," << j;
        }
    }
}

TEST(InvertMatrix, StopsAtTheFirstZeroPivot) {
    double a[4] = {1, 2, 2, 4};
    EXPECT_FALSE(invertMatrix(a, 2));
    for (double v : a) {
        EXPECT_TRUE(std::isfinite(v));
    }
    double big[4] = {};
    EXPECT_FALSE(invertMatrix(big, 12)); // beyond the fixed storage
}

LineRecord lineThrough(double x0, double y0, double x1, double y1) {
    LineRecord l{};
    defineLine(l, x0, y0, x1, y1, 0);
    return l;
}

TEST(SlopeIntercept, OrdinaryVerticalAndDegenerateLines) {
    SlopeIntercept s = slopeIntercept(lineThrough(0, 1, 2, 5));
    EXPECT_DOUBLE_EQ(s.slope, 2.0);
    EXPECT_DOUBLE_EQ(s.intercept, 1.0);
    s = slopeIntercept(lineThrough(1, 0, 1, 5));
    EXPECT_EQ(s.slope, 1e15);
    EXPECT_EQ(s.intercept, -1e15);
    s = slopeIntercept(lineThrough(3, 4, 3, 4));
    EXPECT_EQ(s.slope, 0.0);
    EXPECT_EQ(s.intercept, 4.0);
    LineRecord one{};
    one.count = 1;
    s = slopeIntercept(one);
    EXPECT_EQ(s.slope, 0.0);
    EXPECT_EQ(s.intercept, 0.0);
}

} // namespace
} // namespace plotmark
