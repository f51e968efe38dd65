// Pixel-for-pixel comparison of the stage with a golden PNG in tests/golden/. With
// ZX_UPDATE_GOLDEN=1 the stage is written as the new golden image instead.
#pragma once

#include <string>

#include "zxhost/stage.h"

// Empty when the stage matches; otherwise what differs.
std::string compareWithGolden(const zxhost::Stage& stage, const std::string& name);
// The same for the bitmap selected into a DC (a dialog painted off screen); `name` may hold a
// folder below tests/golden/ ("dialogs/formulon").
std::string compareDcWithGolden(HDC dc, const std::string& name);
