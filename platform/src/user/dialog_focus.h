// Keyboard focus inside a dialog: which controls take it, the Tab order, the default push
// button. Every function runs with the USER mutex held.
#pragma once

#include "user_state.h"

namespace zxw32::user {

// Edits, check boxes, radios and push buttons take the focus; texts and group boxes do not.
bool takesFocus(const Window& control);

// The dialog's control that has the keyboard focus, or null.
Window* focusedControl(UserState& s, const Window& dialog);

// Gives a control the focus (and activates its dialog); an edit reached by Tab gets its whole
// text selected.
void focusControl(UserState& s, Window& dialog, Window& control, bool selectAll);

// The control after `from` (or before it, backwards) in template order that takes the focus,
// wrapping around; with `from` null the first (or last) one. Null when none takes it.
Window* nextInTabOrder(UserState& s, const Window& dialog, const Window* from, bool backwards);

// The push button that Enter presses: a focused push button, else the template's default
// button; null when neither exists.
Window* defaultButton(UserState& s, const Window& dialog);

} // namespace zxw32::user
