// Where a dialog's parts lie in pixels: template dialog units turned into pixels, and the
// window around the client area (a 3-pixel modal frame and an 18-pixel caption bar, the
// classic metrics).
#pragma once

#include <windef.h>

namespace zxw32::user {

// Dialog units of an 8-point "MS Sans Serif" template: 6 x 13 pixel base units. Computed in
// 64 bits and held to the LONG range, so a template with huge coordinates gives a far-off
// window instead of an overflow.
LONG clampedLong(int64_t v);
LONG unitsX(LONG x);
LONG unitsY(LONG y);
RECT pixels(const RECT& units);

inline constexpr int kFrameWidth = 3;     // the modal frame on every side
inline constexpr int kCaptionHeight = 18; // the caption bar with its line below

// The client area's top-left corner in window coordinates.
POINT clientOrigin();
// The whole window's size for a client area of this size, held to the int range.
SIZE windowSize(LONG clientWidth, LONG clientHeight);

} // namespace zxw32::user
