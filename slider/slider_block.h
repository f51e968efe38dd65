// The slider's PropertyBlock with its fourteen part pictures, and the pieces of the kind that
// the declaration in glidebar_kind.cpp hands to the frame.
#pragma once

#include <cstdint>

#include "zxplugin/kind.h"
#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace glidebar {

// The part pictures in the order they are loaded. "Up" is a part's normal look, "Down" its
// pressed look; the horizontal slider uses the first seven, the vertical one the rest.
enum PartPicture : int {
    kLeftArrowDown,
    kLeftArrowUp,
    kRightArrowDown,
    kRightArrowUp,
    kSliderBar,
    kThumbDown,
    kThumbUp,
    kDownArrowDown,
    kDownArrowUp,
    kUpArrowDown,
    kUpArrowUp,
    kVSliderBar,
    kVThumbDown,
    kVThumbUp,
    kPartPictureCount,
};

struct PartPictureInfo {
    const char* name; // as "ReplaceMedia" names it
    int32_t bitmapId;
};
// Indexed by PartPicture.
extern const PartPictureInfo kPartPictures[kPartPictureCount];

struct SliderBlock {
    int32_t activeComponent;
    double xMinimum;
    double xMaximum;
    double value;
    double smallStep;
    double largeStep;
    zx::Picture parts[kPartPictureCount];
};

// The sprite (slider_drawing.cpp, slider_events.cpp).
zx::Result drawSlider(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                      zx::DrawContext* context);
zx::Result handleSliderEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                             int32_t* handled);

// "ReplaceMedia" (replace_media.cpp).
zx::Result replaceMedia(zx::CommandCall& call);

} // namespace glidebar
