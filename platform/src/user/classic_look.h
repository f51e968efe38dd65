// The pieces of the classic grey look that every control is drawn from: filled rectangles,
// one-pixel frames lit from the top left, raised and sunken edges, the dotted focus rectangle
// and small pixel patterns (check marks, radio circles, the close glyph).
#pragma once

#include <windows.h>

namespace zxw32::user {

void fillRect(HDC dc, const RECT& rect, COLORREF color);
// A one-pixel frame just inside the rectangle: top and left in one colour, bottom and right
// in the other.
void frameRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// Two-pixel edges: a raised window or button, a sunken edit or box, a pushed button.
void raisedEdge(HDC dc, const RECT& rect);
void buttonEdge(HDC dc, const RECT& rect);
void sunkenEdge(HDC dc, const RECT& rect);
void pushedEdge(HDC dc, const RECT& rect);
// Alternate pixels of the rectangle's outline, as DrawFocusRect shows keyboard focus.
void focusRect(HDC dc, const RECT& rect);

// A pattern of rows of letters, each letter a system colour: 'W' window, 'F' face, 'L' light,
// 'H' highlight, 'S' shadow, 'D' dark shadow, 'T' text; any other letter is left alone.
// With faceForWindow, 'W' is drawn in the face colour (a box held down).
void drawPattern(HDC dc, int x, int y, const char* const* rows, int rowCount,
                 bool faceForWindow = false);

// Moves a rectangle's edges inwards by dx and dy (outwards when negative).
RECT inset(const RECT& rect, int dx, int dy);

} // namespace zxw32::user
