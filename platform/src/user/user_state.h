// The process-wide USER state: every window (top-level windows, dialogs and their controls),
// the z-order, focus, activation, the cursor and the caret. One mutex guards it; it is never
// held while a window handler, dialog procedure or dialog driver runs, so those may call back.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <winuser.h>
#include <zxw32/user_ext.h>

#include "dialog_template.h"
#include "edit_text.h"

namespace zxw32::user {

struct DialogData {
    DLGPROC proc = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    // The template's font, which the dialog is drawn in.
    int fontSize = 0;
    std::string fontFace;
    // The mouse: the button or box held down (and whether the pointer is over it), or the
    // edit whose selection a drag extends.
    HWND pressed = nullptr;
    bool pressedInside = false;
    HWND selecting = nullptr;
};

struct Window {
    HWND handle = nullptr;
    std::string className;
    std::string title;     // a control's text
    RECT rect{0, 0, 0, 0}; // screen coordinates; a control's in its dialog's client area
    WindowHandler handler = nullptr;
    void* context = nullptr;
    bool topmost = false;
    // Controls: their dialog, id, kind and check state.
    HWND parent = nullptr;
    int id = 0;
    ControlKind kind = ControlKind::Static;
    UINT check = BST_UNCHECKED;
    TextAlign align = TextAlign::Left;  // static texts
    bool defaultButton = false;         // the template's default push button
    bool automatic = true;              // check boxes and radios that check themselves
    EditSelection selection;            // edits
    int scroll = 0;                     // edits: pixels of text scrolled out on the left
    std::vector<HWND> children;         // in template order
    std::shared_ptr<DialogData> dialog; // shared with the running DialogBoxParamA
};

struct Caret {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT position{0, 0};
    int hideCount = 0;
};

struct UserState {
    std::mutex mutex;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> zorder; // top-level windows, topmost first
    uintptr_t nextHandle = 0x10020;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND foreground = nullptr;
    POINT cursor{0, 0};
    Caret caret;
};

// Never destroyed: plug-ins may touch windows from their static destructors.
UserState& state();

// With the mutex held: the window of a live handle, or null.
Window* findWindow(UserState& s, HWND handle);
// With the mutex held: a new window with a fresh handle (not in the z-order).
Window& addWindow(UserState& s);
// With the mutex held: places a top-level window at the top of its band (topmost or not).
void raise(UserState& s, HWND handle);
// With the mutex held: removes a window and its children, and forgets every reference to them.
void removeWindow(UserState& s, HWND handle);
// With the mutex held: the control with the id in a dialog, or null.
Window* findControl(UserState& s, HWND dialog, int id);

} // namespace zxw32::user
