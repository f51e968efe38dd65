#include "line_fit_command.h"

#include <span>

#include "curve_points.h"
#include "fit.h"
#include "line_points.h"

namespace plotmark {

std::optional<MessageBoxText> fitCurrentCurve(GraphProperties& p) {
    CurveRecord* curve = currentCurve(p);
    if (curve == nullptr) {
        return std::nullopt;
    }
    if (!compactCurve(*curve)) {
        return kInvalidPoints;
    }
    auto n = static_cast<std::size_t>(pointCount(*curve));
    std::span<const float> x(curve->x, n);
    std::span<const float> y(curve->y, n);
    double c[2];
    if (polynomialFit(x, y, 1, c) == FitStatus::Singular) {
        return kSingularMatrix;
    }
    if (LineRecord* line = currentLine(p)) {
        emptyLine(*line);
        defineLine(*line, p.xMinimum, c[1] * p.xMinimum + c[0], p.xMaximum,
                   c[1] * p.xMaximum + c[0], p.currentSymbol);
    }
    p.pearson = pearson(x, y);
    return std::nullopt;
}

} // namespace plotmark
