#include "curve_points.h"

#include <algorithm>
#include <cmath>

namespace plotmark {

int pointCount(const CurveRecord& curve) {
    return std::clamp(curve.count, 0, kMaxCurvePoints);
}

double breakOrValue(double y) {
    // The comparison is written so that NaN fails it too.
    if (!(y >= -1e32 && y <= 1e32)) {
        return -1e32;
    }
    return y;
}

bool appendPoint(CurveRecord& curve, double x, double y, int32_t symbol) {
    int n = pointCount(curve);
    if (n >= kMaxCurvePoints) {
        return false;
    }
    float fx = static_cast<float>(x);
    if (!std::isfinite(fx)) {
        return false;
    }
    curve.x[n] = fx;
    curve.y[n] = static_cast<float>(breakOrValue(y));
    curve.symbol[n] = static_cast<int16_t>(symbol);
    curve.count = n + 1;
    return true;
}

bool removeLastPoint(CurveRecord& curve) {
    int n = pointCount(curve);
    if (n == 0) {
        return false;
    }
    curve.count = n - 1;
    return true;
}

void emptyCurve(CurveRecord& curve) {
    curve.count = 0;
}

bool compactCurve(CurveRecord& curve) {
    int n = pointCount(curve);
    int kept = 0;
    bool previousValid = false; // whether the last kept point was valid
    bool clean = true;
    for (int i = 0; i < n; ++i) {
        bool valid = isValidY(curve.y[i]);
        if (valid) {
            // A kept point before this one that is a break means a gap between valid points
            // (leading breaks are never kept).
            if (kept > 0 && !previousValid) {
                clean = false;
            }
        } else if (!previousValid) {
            continue;
        }
        curve.x[kept] = curve.x[i];
        curve.y[kept] = curve.y[i];
        curve.symbol[kept] = curve.symbol[i];
        ++kept;
        previousValid = valid;
    }
    if (kept > 0 && !previousValid) {
        --kept;
    }
    curve.count = kept;
    return clean;
}

} // namespace plotmark
