// The realised face of a DC's selected font at the DC's device scale, and conversion of
// its pixel metrics back to logical units.
#pragma once

#include <memory>

#include "gdi/dc.h"

namespace w32::gdi {

std::shared_ptr<w32::text::Face> selectedFace(Dc& dc);
// Escapement of the selected font in tenths of a degree, rounded to a quarter turn.
int selectedQuarterTurn(Dc& dc);
// A device length along y (or x) in logical units.
int64_t logicalY(const DcState& s, int64_t length);
int64_t logicalX(const DcState& s, int64_t length);

} // namespace w32::gdi
