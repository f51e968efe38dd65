// The resource art of each deliverable, drawn in code.
#pragma once

#include "canvas.h"

namespace bitmaps {

Canvas tallydiscThumbnail();

} // namespace bitmaps
