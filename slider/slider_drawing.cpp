// The slider's Draw: the arrows at the ends, the bar stretched between them, then the thumb
// where the value puts it. While a part is active each draw first applies one step of it
// and stores the new value, so a held arrow or a drag moves the slider once per redraw.
#include "engine/draw_plan.h"
#include "slider_block.h"
#include "slider_sprite_state.h"
#include "zxplugin/gdi_guards.h"

namespace glidebar {
namespace {

namespace sl = zx::slider;

// The pictures drawn for each part: the pressed look for the active arrow or thumb.
struct PartPictures {
    const zx::Picture* firstArrow;
    const zx::Picture* secondArrow;
    const zx::Picture* bar;
    const zx::Picture* thumb;
};

PartPictures picturesFor(const SliderBlock& b, sl::Orientation orientation, int32_t active) {
    const bool across = orientation == sl::Orientation::kHorizontal;
    const auto pick = [&](PartPicture normal, PartPicture pressed, int32_t part) {
        return &b.parts[active == part ? pressed : normal];
    };
    return PartPictures{
        pick(across ? kLeftArrowUp : kDownArrowUp, across ? kLeftArrowDown : kDownArrowDown,
             sl::kPartFirstArrow),
        pick(across ? kRightArrowUp : kUpArrowUp, across ? kRightArrowDown : kUpArrowDown,
             sl::kPartSecondArrow),
        &b.parts[across ? kSliderBar : kVSliderBar],
        pick(across ? kThumbUp : kVThumbUp, across ? kThumbDown : kVThumbDown, sl::kPartThumb),
    };
}

sl::Size sizeOf(const zx::Picture* picture) {
    const RECT r = zx::pictureRect(*picture);
    return sl::Size{r.right - r.left, r.bottom - r.top};
}

// The cursor in the client coordinates of the window it was over at the press, which for a
// press on the stage are the coordinates the parts were placed in.
sl::Point cursorIn(HWND window) {
    POINT p{0, 0};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return sl::Point{static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)};
}

void drawPart(zx::DrawContext* context, const zx::Picture* picture, const sl::Rect& r,
              const zx::DrawRecord& record) {
    zx::drawPicture(context, *picture, zx::HostRect{r.top, r.left, r.bottom, r.right}, record);
}

} // namespace

zx::Result drawSlider(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                      zx::DrawContext* context) {
    sl::SliderValues values;
    int32_t active = 0;
    zx::Result result = kValue.read(actor, &values.value);
    if (result == zx::kOk) {
        result = kXMaximum.read(actor, &values.maximum);
    }
    if (result == zx::kOk) {
        result = kXMinimum.read(actor, &values.minimum);
    }
    if (result == zx::kOk) {
        result = kActiveComponent.read(actor, &active);
    }
    if (result != zx::kOk) {
        return result;
    }
    const SliderBlock& b = zx::blockOf<SliderBlock>(*zx::linkedAsset(actor));
    values.smallStep = b.smallStep;
    values.largeStep = b.largeStep;
    SpriteState& state = SpriteStateOf::of(actor);

    sl::DrawInput input;
    input.sprite = sl::Rect{record.words[1], record.words[0], record.words[3], record.words[2]};
    const PartPictures pictures = picturesFor(b, sl::orientationOf(input.sprite), active);
    input.sizes = sl::PartSizes{sizeOf(pictures.firstArrow), sizeOf(pictures.secondArrow),
                                sizeOf(pictures.bar), sizeOf(pictures.thumb)};
    input.values = values;
    input.activePart = active;
    input.previous = state.drawn;
    input.grabOffset = state.grabOffset;
    if (active > sl::kPartNone) {
        input.cursor = cursorIn(state.window);
    }
    const sl::DrawPlan plan = sl::planDraw(input);
    if (plan.newValue) {
        // Through SetProp, as a script would; the frame clears ChangedFlag after this Draw.
        kValue.write(actor, *plan.newValue);
    }

    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    zx::ClipToRect clip(dc, input.sprite.left, input.sprite.top, input.sprite.right - 1,
                        input.sprite.bottom - 1);
    drawPart(context, pictures.firstArrow, plan.drawn.layout.firstArrow, record);
    drawPart(context, pictures.secondArrow, plan.drawn.layout.secondArrow, record);
    drawPart(context, pictures.bar, plan.drawn.layout.bar, record);
    drawPart(context, pictures.thumb, plan.drawn.thumb, record);
    state.drawn = plan.drawn;
    return zx::kOk;
}

} // namespace glidebar
