// What follows a property write once the glue has stored the converted value in its field:
// appending the new point, moving the current curve or line, copying styles and colours into
// it, running the Action command, and the notification the sprites get.
#pragma once

#include "graph_effect.h"
#include "graph_properties.h"
#include "graph_property.h"

namespace plotmark {

// The further effect of writing `property`, whose value is already in its field. `drawn` is
// the module-wide flag that a full draw sets when it finishes: redraw notifications go out
// only while it is set. Writing MouseMove always asks the sprites to start tracking. The
// member's ChangedFlag is the glue's: it is set by every write, refused ones included.
// After a caption or LineEquation write the buffer's last byte is forced to NUL, so a text
// stored without its terminator still reads as at most 79 characters.
Effect afterWrite(GraphProperties& properties, GraphProperty property, bool drawn);

// Reading MouseMove returns the stored value and clears it.
int32_t takeMouseMove(GraphProperties& properties);

} // namespace plotmark
