// Drawing the classic 3D look with libw32's own GDI calls.
#include "classic_look.h"

#include <cstring>
#include <initializer_list>

namespace zxw32::user {
namespace {

// A solid brush for one call, deleted afterwards.
class SolidBrush {
public:
    explicit SolidBrush(COLORREF color) : brush_(CreateSolidBrush(color)) {}
    ~SolidBrush() { DeleteObject(brush_); }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

bool patternColor(char letter, COLORREF* color) {
    switch (letter) {
    case 'W':
        *color = GetSysColor(COLOR_WINDOW);
        return true;
    case 'F':
        *color = GetSysColor(COLOR_BTNFACE);
        return true;
    case 'L':
        *color = GetSysColor(COLOR_3DLIGHT);
        return true;
    case 'H':
        *color = GetSysColor(COLOR_BTNHIGHLIGHT);
        return true;
    case 'S':
        *color = GetSysColor(COLOR_BTNSHADOW);
        return true;
    case 'D':
        *color = GetSysColor(COLOR_3DDKSHADOW);
        return true;
    case 'T':
        *color = GetSysColor(COLOR_BTNTEXT);
        return true;
    default:
        return false;
    }
}

} // namespace

RECT inset(const RECT& rect, int dx, int dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

void fillRect(HDC dc, const RECT& rect, COLORREF color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    SolidBrush brush(color);
    FillRect(dc, &rect, brush.get());
}

void frameRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    fillRect(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    fillRect(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    fillRect(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fillRect(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void raisedEdge(HDC dc, const RECT& rect) {
    frameRect(dc, rect, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    frameRect(dc, inset(rect, 1, 1), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void buttonEdge(HDC dc, const RECT& rect) {
    frameRect(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    frameRect(dc, inset(rect, 1, 1), GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW));
}

void sunkenEdge(HDC dc, const RECT& rect) {
    frameRect(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    frameRect(dc, inset(rect, 1, 1), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
}

void pushedEdge(HDC dc, const RECT& rect) {
    frameRect(dc, rect, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DDKSHADOW));
    frameRect(dc, inset(rect, 1, 1), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
}

void focusRect(HDC dc, const RECT& r) {
    if (r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    const COLORREF dot = GetSysColor(COLOR_BTNTEXT);
    // Every other pixel along the outline, in a checkerboard counted from the top-left
    // corner, so the dots of the four sides meet evenly.
    const auto on = [&](LONG x, LONG y) { return ((x - r.left) + (y - r.top)) % 2 == 0; };
    for (LONG x = r.left; x < r.right; ++x) {
        for (LONG y : {r.top, r.bottom - 1}) {
            if (on(x, y)) {
                SetPixel(dc, x, y, dot);
            }
        }
    }
    for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
        for (LONG x : {r.left, r.right - 1}) {
            if (on(x, y)) {
                SetPixel(dc, x, y, dot);
            }
        }
    }
}

void drawPattern(HDC dc, int x, int y, const char* const* rows, int rowCount, bool faceForWindow) {
    for (int row = 0; row < rowCount; ++row) {
        const size_t width = std::strlen(rows[row]);
        for (size_t col = 0; col < width; ++col) {
            COLORREF color = 0;
            const char letter = faceForWindow && rows[row][col] == 'W' ? 'F' : rows[row][col];
            if (patternColor(letter, &color)) {
                SetPixel(dc, x + static_cast<int>(col), y + row, color);
            }
        }
    }
}

} // namespace zxw32::user
