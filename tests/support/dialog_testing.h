// Dialogs through libw32's dialog manager as a test sees them: clicks at a control's centre in
// window coordinates, as a person would click, and the painted window read back pixel by pixel.
#pragma once

#include <windows.h>
#include <zxw32/dialog_view.h>

namespace zxtest {

// A control's centre in window coordinates: its place in the client area moved by the frame
// and caption, which lie between the window's size and the client area's.
inline POINT centreOf(HWND dialog, int id) {
    RECT control{}, client{}, area{};
    GetWindowRect(GetDlgItem(dialog, id), &control);
    GetWindowRect(dialog, &area);
    GetClientRect(dialog, &client);
    const SIZE window = zxw32::dialogWindowSize(dialog);
    const int frame = (window.cx - client.right) / 2;
    const int top = window.cy - client.bottom - frame;
    return POINT{frame + (control.left + control.right) / 2 - area.left,
                 top + (control.top + control.bottom) / 2 - area.top};
}

inline void click(HWND dialog, int id) {
    const POINT p = centreOf(dialog, id);
    zxw32::dialogMouse(dialog, zxw32::DialogMouse::Down, p.x, p.y);
    zxw32::dialogMouse(dialog, zxw32::DialogMouse::Up, p.x, p.y);
}

// The dialog's whole window painted into a 32-bit DIB section of its size.
class DialogPainting {
public:
    explicit DialogPainting(HWND dialog) : dc_(CreateCompatibleDC(nullptr)) {
        const SIZE size = zxw32::dialogWindowSize(dialog);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = -size.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        zxw32::paintDialog(dialog, dc_);
    }
    ~DialogPainting() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DialogPainting(const DialogPainting&) = delete;
    DialogPainting& operator=(const DialogPainting&) = delete;

    HDC dc() const { return dc_; }
    COLORREF at(POINT p) const { return GetPixel(dc_, p.x, p.y); }
    // How many pixels of a rectangle (window coordinates) have the colour.
    int count(const RECT& r, COLORREF color) const {
        int n = 0;
        for (LONG y = r.top; y < r.bottom; ++y) {
            for (LONG x = r.left; x < r.right; ++x) {
                n += GetPixel(dc_, x, y) == color;
            }
        }
        return n;
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace zxtest
