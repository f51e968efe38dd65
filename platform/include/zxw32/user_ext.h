// Extensions of the USER part of libw32 for the host and tests: windows created by the host,
// the caret state it draws, the dialog driver and the event log.
#pragma once

#include <string>
#include <vector>

#include "../windef.h"

namespace zxw32 {

// A window's message handler with the creator's context; may be null (every message then
// goes to DefWindowProcA).
using WindowHandler = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  void* context);

// Creates a top-level window at the given screen rectangle; its client area is the whole
// rectangle. Returns null for an empty class name.
W32API HWND createWindow(const char* className, const char* title, RECT screenRect,
                         WindowHandler handler, void* context);
// Whether SetWindowPos(HWND_TOPMOST) put the window on top; false for an invalid handle.
W32API bool isTopmost(HWND window);

// The caret as the host draws it: owner window, size, position in the owner's client
// coordinates, and whether it is shown.
struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT position{0, 0};
    bool visible = false;
};
W32API CaretState caretState();

// The dialog driver runs in place of the user: it gets the dialog after WM_INITDIALOG, reads
// and sets controls with the ordinary calls, and returns the id of the button it presses.
using DialogDriver = int (*)(HWND dialog, void* context);
W32API void setDialogDriver(DialogDriver driver, void* context);

enum class ControlKind { Edit, CheckBox, Radio, Button, Static, GroupBox };
struct DialogControl {
    int id;
    ControlKind kind;
    std::string text;
    bool checked;
};
// The dialog's controls in template order; empty for an invalid handle.
W32API std::vector<DialogControl> dialogControls(HWND dialog);
W32API std::string dialogCaption(HWND dialog);
W32API const char* controlKindName(ControlKind kind);

// The event log: message boxes, beeps, sounds, window messages, debug and host output.
struct Event {
    std::string kind; // "messagebox", "beep", "sound", "window", "debug", "output"
    std::string text;
    std::string caption;
    long flags = 0;
};
// Returns the events logged since the last call, oldest first, and clears the log.
W32API std::vector<Event> takeEvents();
W32API void logEvent(Event event);
// Echoes each event to stderr as it is logged.
W32API void setEventEcho(bool on);

// A person in front of the host: a live player answers message boxes itself and hears beeps
// and sounds. Without these (tests, headless runs) boxes are answered with their first button
// and noises are only logged.
// Shows a message box and returns the button pressed (IDOK, IDYES, ...); the event is logged
// first either way.
using MessageBoxHandler = int (*)(const char* text, const char* caption, UINT type, void* context);
W32API void setMessageBoxHandler(MessageBoxHandler handler, void* context);
// Sees every event as it is logged (on the logging thread, with no lock held).
using EventObserver = void (*)(const Event& event, void* context);
W32API void setEventObserver(EventObserver observer, void* context);

// Replaces the message handler of a top-level window (e.g. a player catching WM_CLOSE of the
// stage window); false for an invalid handle.
W32API bool setWindowHandler(HWND window, WindowHandler handler, void* context);

// The shape of the cursor as SetCursor last set it: the IDC_* number that LoadCursorA was
// given (IDC_ARROW when none was set, 0 for a hidden cursor).
W32API int cursorShape();

} // namespace zxw32
