// The dialog manager: a dialog opened by DialogBoxParamA drawn and used like a window on the
// screen. A dialog driver that wants a person (or a test) to use the dialog paints it, feeds
// it mouse, keys and text until dialogEnded, then returns. Buttons reach the dialog
// procedure as WM_COMMAND, as on Windows.
#pragma once

#include "../windef.h"

namespace zxw32 {

// Pixel size of the dialog's whole window: frame, caption bar and client area.
W32API SIZE dialogWindowSize(HWND dialog);
// Paints the whole window (frame, caption bar with the caption, client background, every
// control, the focus rectangle, the edit caret and selection) into dc, window coordinates
// with (0,0) the window's top-left corner.
W32API void paintDialog(HWND dialog, HDC dc);
enum class DialogMouse { Down, Move, Up };
// Input in window coordinates / keys / typed text (cp1252 bytes). Each returns true when
// something changed that needs a repaint. Clicking a button, check box or radio does what
// Windows does (press on down, act on up inside; auto check boxes toggle, auto radios check
// themselves and uncheck the radios of their group = the run of consecutive radios in
// template order) and sends WM_COMMAND(id, BN_CLICKED) to the dialog procedure.
W32API bool dialogMouse(HWND dialog, DialogMouse what, int x, int y);
// Virtual keys: VK_TAB (Shift = backwards; focus moves over edits, check boxes, radios and
// buttons in template order), VK_RETURN (presses the default button, IDOK when none),
// VK_ESCAPE (IDCANCEL), VK_SPACE on a focused button/box, arrows/Home/End/Delete/Back in
// an edit (Shift extends the selection), Ctrl+A selects all.
W32API bool dialogKey(HWND dialog, UINT virtualKey, bool shift, bool control);
W32API bool dialogText(HWND dialog, const char* cp1252Text);
// Whether the dialog procedure (or a pressed OK/Cancel the procedure ignored) ended it;
// the result it gave EndDialog.
W32API bool dialogEnded(HWND dialog, INT_PTR* result);

} // namespace zxw32
