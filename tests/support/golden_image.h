// Pixel-for-pixel comparison of the stage with a golden PNG in tests/golden/. With
// ZX_UPDATE_GOLDEN=1 the stage is written as the new golden image instead.
#pragma once

#include <string>

#include "zxhost/stage.h"

// Empty when the stage matches; otherwise what differs.
std::string compareWithGolden(const zxhost::Stage& stage, const std::string& name);
