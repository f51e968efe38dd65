// Least squares: a polynomial of degree 0 to 10 through points, solved from the normal
// equations by Gauss-Jordan inversion with row pivoting; the slope and intercept of a line
// given by two points; the Pearson coefficient of a curve.
#pragma once

#include <span>

#include "graph_properties.h"

namespace plotmark {

inline constexpr int kMaxFitDegree = 10;
inline constexpr int kMaxMatrixSize = kMaxFitDegree + 1;

enum class FitStatus {
    Done,
    // A pivot was exactly zero (the caller shows "Singular Matrix", caption "Curve Fit"), or
    // the coefficients came out not finite. The coefficients are not to be used.
    Singular,
};

// Fits y = c[0] + c[1] x + ... + c[m] x^m through the first n = min(x.size(), y.size())
// points. c[0..m] are cleared first (as far as c reaches); nothing more is computed unless
// m < n, m <= 10, n > 0 and c holds m + 1 entries, so too few points leave the coefficients
// zero and report Done.
FitStatus polynomialFit(std::span<const float> x, std::span<const float> y, int degree,
                        std::span<double> c);

// Inverts the k x k row-major matrix a in place (k <= kMaxMatrixSize, a.size() >= k * k).
// On ties for the pivot the last row of the largest magnitude wins. Stops at the first zero
// pivot and returns false; the matrix is then partly transformed.
bool invertMatrix(std::span<double> a, int k);

struct SlopeIntercept {
    double slope;
    double intercept;
};

// From the line's two points: 0/0 with fewer than two points; a line with |dx| below
// |dy| * 1e-15 is vertical and gets slope 1e15; two coinciding points give slope 0 and
// intercept y0. intercept = y0 - x0 * slope.
SlopeIntercept slopeIntercept(const LineRecord& line);

// Sxy / sqrt(Sxx * Syy) over the points; 0 with fewer than two points, 1 when Sxx * Syy is 0.
double pearson(std::span<const float> x, std::span<const float> y);
double pearson(const CurveRecord& curve);

} // namespace plotmark
