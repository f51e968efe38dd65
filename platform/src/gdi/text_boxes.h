// The text-box log: where text was drawn, for comparing renderings of two builds whose
// glyph shapes may differ while everything else must not. Off unless the environment
// variable ZX_TEXT_BOXES names a file; then every TextOutA appends the box it covers (the
// cell and any glyph pixels beyond it, clipped) as a line "W H left top right bottom",
// W x H being the size of the surface drawn on, followed by " symbol" when the font was
// Symbol-encoded: a build without such a font draws other glyphs there, so a comparison
// has to tell those boxes from the rest. Boxes travel with the pixels: each bitmap
// keeps the boxes drawn on it, and BitBlt and StretchBlt log them again, mapped, on the
// destination, so text drawn off screen and then copied to the stage is found there.
#pragma once

#include <windef.h>

#include "gdi/dc.h"

namespace w32::gdi {

// True when the log is on; read once.
bool textBoxLogOn();

// Records a device box of the canvas's surface (clipped here).
void logTextBox(const Canvas& canvas, const DevRect& box, bool symbolFont);

// Logs on the destination the boxes of the source bitmap that the transfer of the source
// device rectangle `from` to the destination device rectangle `to` carries along; a
// flipped axis mirrors the boxes as the transfer mirrors the pixels.
void carryTextBoxes(const Canvas& source, const DevRect& from, const Canvas& destination,
                    const DevRect& to, bool flipX, bool flipY);

} // namespace w32::gdi
