// Rectangle helpers. Rectangles are half-open: right and bottom lie outside.
#include <algorithm>

#include <winuser.h>

extern "C" {

BOOL WINAPI PtInRect(const RECT* rect, POINT p) {
    return rect != nullptr && p.x >= rect->left && p.x < rect->right && p.y >= rect->top &&
           p.y < rect->bottom;
}

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top;
}

// The common part; an empty result is set to all zeros and reported as FALSE.
BOOL WINAPI IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
    if (out == nullptr) {
        return FALSE;
    }
    if (a == nullptr || b == nullptr || IsRectEmpty(a) || IsRectEmpty(b)) {
        SetRectEmpty(out);
        return FALSE;
    }
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(out);
        return FALSE;
    }
    *out = r;
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top &&
           a->right == b->right && a->bottom == b->bottom;
}

} // extern "C"
