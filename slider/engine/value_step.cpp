#include "value_step.h"

#include <cmath>

#include "value_range.h"

namespace zx::slider {

namespace {

// The direction of the range: +1 when XMaximum lies above XMinimum (or equals it), -1 when
// the range is reversed. With a track it is the sign of the value per pixel.
double rangeSign(const SliderValues& v) {
    return v.maximum < v.minimum ? -1.0 : 1.0;
}

std::optional<double> smallStep(const SliderValues& v, int64_t track) {
    if (v.smallStep > 0.0) {
        return v.smallStep * rangeSign(v);
    }
    return valuePerPixel(v, track);
}

double largeStep(const SliderValues& v) {
    if (v.largeStep > 0.0) {
        return v.largeStep * rangeSign(v);
    }
    return (v.maximum - v.minimum) / 16.0;
}

std::optional<double> dragged(const SliderValues& v, const StepInput& s) {
    const std::optional<double> perPixel = valuePerPixel(v, s.track);
    if (!perPixel) {
        return std::nullopt;
    }
    const Rect& thumb = s.drawn.thumb;
    // Pixels the grabbed point of the thumb lies behind the cursor, towards XMaximum.
    const int64_t pixels = s.drawn.layout.orientation == Orientation::kHorizontal
                               ? int64_t{s.cursor.x} - thumb.left - s.grabOffset
                               : int64_t{thumb.top} + s.grabOffset - s.cursor.y;
    return v.value + static_cast<double>(pixels) * *perPixel;
}

std::optional<double> unclamped(const SliderValues& v, const StepInput& s) {
    switch (s.part) {
    case kPartThumb:
        return dragged(v, s);
    case kPartFirstArrow:
        if (auto step = smallStep(v, s.track)) {
            return v.value - *step;
        }
        return std::nullopt;
    case kPartSecondArrow:
        if (auto step = smallStep(v, s.track)) {
            return v.value + *step;
        }
        return std::nullopt;
    case kPartBarMinSide:
        if (cursorBeyondThumb(s.drawn, kPartBarMinSide, s.cursor)) {
            return v.value - largeStep(v);
        }
        return std::nullopt;
    case kPartBarMaxSide:
        if (cursorBeyondThumb(s.drawn, kPartBarMaxSide, s.cursor)) {
            return v.value + largeStep(v);
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<double> valuePerPixel(const SliderValues& values, int64_t track) {
    if (track <= 0) {
        return std::nullopt;
    }
    return (values.maximum - values.minimum) / static_cast<double>(track);
}

std::optional<double> steppedValue(const SliderValues& values, const StepInput& step) {
    const std::optional<double> moved = unclamped(values, step);
    if (!moved) {
        return std::nullopt;
    }
    const double kept = clampToRange(*moved, values.minimum, values.maximum);
    if (!std::isfinite(kept)) {
        return std::nullopt;
    }
    return kept;
}

} // namespace zx::slider
