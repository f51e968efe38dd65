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
// The keypad in night colours: movie art, not a module resource.
Canvas keypadixNightUp();
Canvas keypadixNightDown();

Canvas glidebarLeftArrowUp();
Canvas glidebarLeftArrowDown();
Canvas glidebarRightArrowUp();
Canvas glidebarRightArrowDown();
Canvas glidebarBar();
Canvas glidebarThumbUp();
Canvas glidebarThumbDown();
Canvas glidebarDownArrowUp();
Canvas glidebarDownArrowDown();
Canvas glidebarUpArrowUp();
Canvas glidebarUpArrowDown();
Canvas glidebarVerticalBar();
Canvas glidebarVerticalThumbUp();
Canvas glidebarVerticalThumbDown();
Canvas glidebarThumbnail();

Canvas dialgaugeThumbnail();
Canvas plotmarkThumbnail();
Canvas gridcellThumbnail();

} // namespace bitmaps
