// What the message path needs to know of dialogs.
#pragma once

#include <winuser.h>

namespace zxw32::user {

// The dialog procedure of a dialog window, or null for other windows.
DLGPROC dialogProcedure(HWND window);
// Hands a message to a dialog's procedure; WM_CLOSE that the procedure leaves alone ends the
// dialog with IDCANCEL, as the default dialog procedure does.
LRESULT dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace zxw32::user
