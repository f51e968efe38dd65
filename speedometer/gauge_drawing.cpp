// The gauge's Draw: the framed background, the speed bar from the left edge, small ticks
// down a third of the height, big ticks down two thirds with their labels centred under
// them on the bottom edge. Every property is read through the member's GetProp, as a
// script would see it.
#include <cstdio>

#include "engine/speed_bar.h"
#include "engine/tick_marks.h"
#include "gauge_block.h"
#include "zxplugin/gdi_guards.h"
#include "zxplugin/kind_support.h"

namespace dialgauge {
namespace {

namespace sp = zx::speedometer;

constexpr zx::MemberProperty<int32_t> kXMin{"XMin"};
constexpr zx::MemberProperty<int32_t> kXMax{"XMax"};
constexpr zx::MemberProperty<int32_t> kXSpeed{"XSpeed"};
constexpr zx::MemberProperty<int32_t> kSmallTickSpace{"SmallTickSpace"};
constexpr zx::MemberProperty<int32_t> kBigTickSpace{"BigTickSpace"};
constexpr zx::MemberProperty<uint32_t> kTickColor{"TickColor"};
constexpr zx::MemberProperty<uint32_t> kTextColor{"TextColor"};
constexpr zx::MemberProperty<uint32_t> kSpeedColor{"SpeedColor"};
constexpr zx::MemberProperty<uint32_t> kBackColor{"BackColor"};
constexpr zx::MemberProperty<double> kYSpeed{"YSpeed"};

struct Reading {
    sp::GaugeScale scale;
    int32_t xSpeed = 0;
    uint32_t tickColor = 0;
    uint32_t textColor = 0;
    uint32_t speedColor = 0;
    uint32_t backColor = 0;
    double ySpeed = 0.0;
};

// All ten properties, or the first failing read's result.
zx::Result readGauge(zx::ActorRecord& actor, Reading& r) {
    zx::Result result = kXMin.read(actor, &r.scale.xMin);
    const auto next = [&](auto& property, auto* out) {
        if (result == zx::kOk) {
            result = property.read(actor, out);
        }
    };
    next(kXMax, &r.scale.xMax);
    next(kXSpeed, &r.xSpeed);
    next(kSmallTickSpace, &r.scale.smallTickSpace);
    next(kBigTickSpace, &r.scale.bigTickSpace);
    next(kTickColor, &r.tickColor);
    next(kTextColor, &r.textColor);
    next(kSpeedColor, &r.speedColor);
    next(kBackColor, &r.backColor);
    next(kYSpeed, &r.ySpeed);
    return result;
}

void drawTicks(HDC dc, const std::vector<sp::TickMark>& ticks) {
    for (const sp::TickMark& tick : ticks) {
        MoveToEx(dc, tick.x, tick.top, nullptr);
        LineTo(dc, tick.x, tick.end);
    }
}

void drawLabels(HDC dc, const std::vector<sp::TickMark>& ticks, int32_t bottom) {
    for (const sp::TickMark& tick : ticks) {
        char text[16];
        const int length = std::snprintf(text, sizeof text, "%d", static_cast<int>(tick.label));
        TextOutA(dc, tick.x, bottom, text, length);
    }
}

} // namespace

zx::Result drawGauge(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                     zx::DrawContext*) {
    Reading r;
    const zx::Result result = readGauge(actor, r);
    if (result != zx::kOk) {
        return result;
    }
    const sp::Rect gauge{record.words[1], record.words[0], record.words[3], record.words[2]};
    zx::ScopedRop2 rop(dc, R2_COPYPEN);

    {
        zx::Selection pen(dc, GetStockObject(BLACK_PEN));
        zx::GdiObject<HBRUSH> back(CreateSolidBrush(r.backColor));
        zx::Selection brush(dc, back.get());
        Rectangle(dc, gauge.left, gauge.top, gauge.right, gauge.bottom);
    }

    if (const auto bar = sp::speedBar(gauge, r.ySpeed, r.scale.xMin, r.scale.xMax)) {
        zx::Selection pen(dc, GetStockObject(NULL_PEN));
        zx::GdiObject<HBRUSH> speed(CreateSolidBrush(r.speedColor));
        zx::Selection brush(dc, speed.get());
        Rectangle(dc, bar->left, bar->top, bar->right, bar->bottom);
    }

    zx::GdiObject<HPEN> tickPen(CreatePen(PS_SOLID, 1, r.tickColor));
    zx::Selection pen(dc, tickPen.get());
    drawTicks(dc, sp::smallTicks(gauge, r.scale));

    zx::GdiObject<HFONT> font(CreateFontA(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    zx::Selection selectedFont(dc, font ? static_cast<HGDIOBJ>(font.get())
                                        : GetStockObject(SYSTEM_FONT));
    zx::ScopedBkMode transparent(dc, TRANSPARENT);
    zx::ScopedTextAlign align(dc, TA_CENTER | TA_BOTTOM);
    zx::ScopedTextColor ink(dc, r.textColor);
    const std::vector<sp::TickMark> big = sp::bigTicks(gauge, r.scale);
    drawTicks(dc, big);
    drawLabels(dc, big, gauge.bottom);
    return zx::kOk;
}

} // namespace dialgauge
