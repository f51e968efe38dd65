// USER: windows, messages, focus, cursor, caret, dialogs, message boxes and rectangle helpers,
// with Windows' names and values. Also the resource-name macros and wsprintfA, which Windows
// declares here too.
#pragma once

#include <stdarg.h>

#include "windef.h"

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Resource names: integer ids travel as pointers below 0x10000.
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_RCDATA MAKEINTRESOURCEA(10)

// Messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_USER 0x0400

// Buttons and dialogs.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDC_STATIC (-1)

// System cursors for LoadCursorA with a null instance.
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_UPARROW MAKEINTRESOURCEA(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEA(32642)
#define IDC_SIZENESW MAKEINTRESOURCEA(32643)
#define IDC_SIZEWE MAKEINTRESOURCEA(32644)
#define IDC_SIZENS MAKEINTRESOURCEA(32645)
#define IDC_SIZEALL MAKEINTRESOURCEA(32646)
#define IDC_NO MAKEINTRESOURCEA(32648)
#define IDC_HAND MAKEINTRESOURCEA(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEA(32650)
#define BN_CLICKED 0
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E

// System colours (GetSysColor).
#define COLOR_WINDOW 5
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVECAPTION 2
#define COLOR_WINDOWFRAME 6
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT

// Message boxes and beeps.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_CANCELTRYCONTINUE 0x00000006L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define IDTRYAGAIN 10

// Window placement.
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200

W32_EXTERN_C_BEGIN

// Windows.
W32API HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName);
W32API LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
W32API LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
W32API BOOL WINAPI DestroyWindow(HWND window);
W32API BOOL WINAPI IsWindow(HWND window);
W32API BOOL WINAPI GetWindowRect(HWND window, LPRECT rect);
W32API BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
W32API BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                                UINT flags);
W32API HWND WINAPI WindowFromPoint(POINT point);
W32API BOOL WINAPI ScreenToClient(HWND window, LPPOINT point);
W32API BOOL WINAPI ClientToScreen(HWND window, LPPOINT point);
W32API int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int capacity);
W32API HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
W32API HCURSOR WINAPI SetCursor(HCURSOR cursor);
W32API HCURSOR WINAPI GetCursor(void);

// Cursor, focus, activation.
W32API BOOL WINAPI GetCursorPos(LPPOINT point);
W32API BOOL WINAPI SetCursorPos(int x, int y);
W32API HWND WINAPI SetFocus(HWND window);
W32API HWND WINAPI GetFocus(void);
W32API HWND WINAPI GetActiveWindow(void);
W32API HWND WINAPI SetActiveWindow(HWND window);
W32API BOOL WINAPI SetForegroundWindow(HWND window);
W32API HWND WINAPI GetForegroundWindow(void);

// Caret.
W32API BOOL WINAPI CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
W32API BOOL WINAPI SetCaretPos(int x, int y);
W32API BOOL WINAPI GetCaretPos(LPPOINT point);
W32API BOOL WINAPI ShowCaret(HWND window);
W32API BOOL WINAPI HideCaret(HWND window);
W32API BOOL WINAPI DestroyCaret(void);

// The classic colour scheme's system colours.
W32API DWORD WINAPI GetSysColor(int index);

// Rectangles.
W32API BOOL WINAPI PtInRect(const RECT* rect, POINT point);
W32API BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
W32API BOOL WINAPI SetRectEmpty(LPRECT rect);
W32API BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
W32API BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
W32API BOOL WINAPI IntersectRect(LPRECT out, const RECT* a, const RECT* b);
W32API BOOL WINAPI IsRectEmpty(const RECT* rect);
W32API BOOL WINAPI EqualRect(const RECT* a, const RECT* b);

// Dialogs.
W32API INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                      DLGPROC proc, LPARAM initParam);
W32API BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);
W32API HWND WINAPI GetDlgItem(HWND dialog, int id);
W32API int WINAPI GetDlgCtrlID(HWND control);
W32API BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
W32API UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
W32API BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
W32API UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int capacity);
W32API BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check);
W32API UINT WINAPI IsDlgButtonChecked(HWND dialog, int id);
W32API BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
W32API LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                          LPARAM lParam);

// Message boxes, sounds, bitmaps.
W32API int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
W32API BOOL WINAPI MessageBeep(UINT type);
W32API HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name);

// Formatting: at most 1024 characters including the terminator, integers and strings only.
W32API int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list args);
W32API int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...);

W32_EXTERN_C_END
