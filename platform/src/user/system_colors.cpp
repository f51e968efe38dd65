// The system colours of the classic grey scheme, which dialogs are drawn in.
#include <windows.h>

extern "C" {

// An unknown index answers 0 (black), as Windows does.
DWORD WINAPI GetSysColor(int index) {
    switch (index) {
    case COLOR_ACTIVECAPTION:
        return RGB(0, 0, 128);
    case COLOR_WINDOW:
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_BTNHIGHLIGHT:
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 0, 128);
    case COLOR_BTNFACE:
        return RGB(192, 192, 192);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
        return RGB(128, 128, 128);
    case COLOR_3DLIGHT:
        return RGB(223, 223, 223);
    default: // COLOR_WINDOWTEXT, COLOR_WINDOWFRAME, COLOR_BTNTEXT, COLOR_3DDKSHADOW
        return RGB(0, 0, 0);
    }
}

} // extern "C"
