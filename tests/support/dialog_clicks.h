// Clicking a dialog's controls through libw32's dialog manager, as a person would: at the
// control's centre in window coordinates.
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

} // namespace zxtest
