#include "fit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "curve_points.h"

namespace plotmark {

namespace {

// The row-major matrix entry (i, j) of a k x k matrix.
double& at(std::span<double> a, int k, int i, int j) {
    return a[static_cast<std::size_t>(i * k + j)];
}

void swapRows(std::span<double> a, int k, int r1, int r2) {
    for (int j = 0; j < k; ++j) {
        std::swap(at(a, k, r1, j), at(a, k, r2, j));
    }
}

void swapColumns(std::span<double> a, int k, int c1, int c2) {
    for (int i = 0; i < k; ++i) {
        std::swap(at(a, k, i, c1), at(a, k, i, c2));
    }
}

} // namespace

bool invertMatrix(std::span<double> a, int k) {
    if (k <= 0 || k > kMaxMatrixSize || a.size() < static_cast<std::size_t>(k * k)) {
        return k == 0;
    }
    int perm[kMaxMatrixSize];
    for (int i = 0; i < k; ++i) {
        perm[i] = i;
    }
    for (int v = 0; v < k; ++v) {
        // The largest magnitude in column v at or below the diagonal; ">=" lets the last of
        // equal rows win.
        int best = v;
        double bestMagnitude = -1.0;
        for (int i = v; i < k; ++i) {
            double magnitude = std::fabs(at(a, k, i, v));
            if (magnitude >= bestMagnitude) {
                bestMagnitude = magnitude;
                best = i;
            }
        }
        if (best != v) {
            swapRows(a, k, v, best);
            std::swap(perm[v], perm[best]);
        }
        double pivot = at(a, k, v, v);
        if (pivot == 0.0) {
            // Going on would divide by zero and fill the matrix with infinities.
            return false;
        }
        at(a, k, v, v) = 1.0;
        for (int j = 0; j < k; ++j) {
            at(a, k, v, j) /= pivot;
        }
        for (int w = 0; w < k; ++w) {
            if (w == v) {
                continue;
            }
            double f = at(a, k, w, v);
            at(a, k, w, v) = 0.0;
            for (int j = 0; j < k; ++j) {
                at(a, k, w, j) -= f * at(a, k, v, j);
            }
        }
    }
    // The row interchanges become column interchanges of the inverse, undone in order.
    for (int i = 0; i < k; ++i) {
        if (perm[i] == i) {
            continue;
        }
        for (int j = i + 1; j < k; ++j) {
            if (perm[j] == i) {
                perm[j] = perm[i];
                swapColumns(a, k, i, j);
                break;
            }
        }
    }
    return true;
}

FitStatus polynomialFit(std::span<const float> x, std::span<const float> y, int m,
                        std::span<double> c) {
    if (m >= 0) {
        std::fill(c.begin(), c.begin() + std::min<std::size_t>(c.size(), m + 1u), 0.0);
    }
    int n = static_cast<int>(std::min(x.size(), y.size()));
    if (m < 0 || m >= n || m > kMaxFitDegree || c.size() < static_cast<std::size_t>(m + 1)) {
        return FitStatus::Done;
    }
    const int k = m + 1;
    double r[kMaxMatrixSize] = {};
    double p[2 * kMaxFitDegree + 1];
    double storage[kMaxMatrixSize * kMaxMatrixSize] = {};
    std::span<double> a(storage, static_cast<std::size_t>(k * k));
    for (int point = 0; point < n; ++point) {
        double xv = x[point];
        double yv = y[point];
        p[0] = 1.0;
        for (int i = 1; i <= 2 * m; ++i) {
            p[i] = xv * p[i - 1];
        }
        for (int i = 0; i < k; ++i) {
            r[i] += yv * p[i];
            for (int j = 0; j < k; ++j) {
                at(a, k, i, j) += p[i + j];
            }
        }
    }
    double result[kMaxMatrixSize];
    if (m == 0) {
        result[0] = r[0] / a[0];
    } else {
        if (!invertMatrix(a, k)) {
            return FitStatus::Singular;
        }
        for (int i = 0; i < k; ++i) {
            double sum = 0.0;
            for (int j = 0; j < k; ++j) {
                sum += at(a, k, i, j) * r[j];
            }
            result[i] = sum;
        }
    }
    // A nearly singular system (all x equal but not exactly representable, powers beyond the
    // double range) can escape the exact zero test; its coefficients are no fit either.
    for (int i = 0; i < k; ++i) {
        if (!std::isfinite(result[i])) {
            return FitStatus::Singular;
        }
    }
    std::copy(result, result + k, c.begin());
    return FitStatus::Done;
}

SlopeIntercept slopeIntercept(const LineRecord& line) {
    if (line.count < kLinePoints) {
        return {0.0, 0.0};
    }
    double x0 = line.x[0];
    double y0 = line.y[0];
    double dx = static_cast<double>(line.x[1]) - x0;
    double dy = static_cast<double>(line.y[1]) - y0;
    double slope;
    if (dx == 0.0 && dy == 0.0) {
        // One point defines no direction: a level line through it rather than 0/0.
        slope = 0.0;
    } else if (std::fabs(dx) < std::fabs(dy) * 1e-15) {
        slope = 1e15;
    } else {
        slope = dy / dx;
    }
    return {slope, y0 - x0 * slope};
}

double pearson(std::span<const float> x, std::span<const float> y) {
    std::size_t n = std::min(x.size(), y.size());
    if (n < 2) {
        return 0.0;
    }
    double sumX = 0.0;
    double sumY = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sumX += x[i];
        sumY += y[i];
    }
    double meanX = sumX / static_cast<double>(n);
    double meanY = sumY / static_cast<double>(n);
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double dx = x[i] - meanX;
        double dy = y[i] - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    double product = sxx * syy;
    if (product == 0.0) {
        return 1.0;
    }
    return sxy / std::sqrt(product);
}

double pearson(const CurveRecord& curve) {
    auto n = static_cast<std::size_t>(pointCount(curve));
    return pearson(std::span<const float>(curve.x, n), std::span<const float>(curve.y, n));
}

} // namespace plotmark
