// The resource art of each deliverable, drawn in code.
#pragma once

#include "canvas.h"

namespace bitmaps {

Canvas tallydiscThumbnail();

Canvas formulonUnchangedUp();
Canvas formulonUnchangedDown();
Canvas formulonIndependentUp();
Canvas formulonIndependentDown();
Canvas formulonThumbnail();

Canvas keypadixUp();
Canvas keypadixDown();
Canvas keypadixThumbnail();

} // namespace bitmaps
