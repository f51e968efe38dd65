#include "draw_plan.h"

#include "thumb_placement.h"

namespace zx::slider {

DrawPlan planDraw(const DrawInput& input) {
    DrawPlan plan;
    const PartLayout layout = layoutParts(input.sprite, input.sizes);
    // The track for the thumb about to be drawn, so that the very first draw already places
    // it right and a replaced thumb picture of another size never overshoots the arrows.
    const Size& thumb = input.sizes.thumb;
    const int64_t track = trackLength(
        layout, layout.orientation == Orientation::kHorizontal ? thumb.width : thumb.height);

    plan.shownValue = input.values.value;
    if (input.activePart > kPartNone) {
        StepInput step;
        step.part = input.activePart;
        step.drawn = input.previous;
        step.track = track;
        step.cursor = input.cursor;
        step.grabOffset = input.grabOffset;
        plan.newValue = steppedValue(input.values, step);
        if (plan.newValue) {
            plan.shownValue = *plan.newValue;
        }
    }
    plan.drawn.layout = layout;
    plan.drawn.thumb = placeThumb(layout, input.sprite, thumb, plan.shownValue,
                                  input.values.minimum, input.values.maximum);
    return plan;
}

} // namespace zx::slider
