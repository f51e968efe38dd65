// The speed is held twice, as the integer XSpeed and the float YSpeed; writing either one
// sets the other.
#pragma once

#include <cstdint>

namespace zx::speedometer {

// XSpeed for a YSpeed: YSpeed + 0.5 cut towards zero (42.5 gives 43, -42.5 gives -42).
// Beyond the 32-bit range it saturates; NaN gives 0.
int32_t xSpeedFromYSpeed(double ySpeed);

// YSpeed for an XSpeed: the same number (7 gives 7.0).
double ySpeedFromXSpeed(int32_t xSpeed);

} // namespace zx::speedometer
