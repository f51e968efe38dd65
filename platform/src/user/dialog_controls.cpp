// The control store of a dialog: texts, numbers and check marks read and written by the
// dialog procedure and the driver. An unknown dialog or control id fails with 0.
#include <algorithm>
#include <climits>
#include <cstdio>

#include <winbase.h>

#include "user_state.h"

using namespace zxw32::user;

namespace {

BOOL noControl() {
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return FALSE;
}

bool blank(char c) {
    return c == ' ' || c == '\t';
}

// The text of a control as GetDlgItemInt reads it: leading blanks, a minus sign for signed
// reads, decimal digits, trailing blanks; anything else, or a value beyond the range of the
// result type, is a failure.
bool parseInt(const std::string& text, bool isSigned, UINT& value) {
    size_t i = 0;
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    size_t digits = i;
    unsigned long long magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (magnitude > 0xFFFFFFFFull) {
            return false;
        }
        ++i;
    }
    if (i == digits) {
        return false;
    }
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return false;
    }
    if (isSigned) {
        unsigned long long limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
        if (magnitude > limit) {
            return false;
        }
        long long v =
            negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
        value = static_cast<UINT>(static_cast<int>(v));
        return true;
    }
    value = static_cast<UINT>(magnitude);
    return true;
}

} // namespace

namespace zxw32 {

std::vector<DialogControl> dialogControls(HWND dialog) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    std::vector<DialogControl> out;
    Window* d = findWindow(s, dialog);
    if (d == nullptr) {
        return out;
    }
    for (HWND h : d->children) {
        const Window* c = findWindow(s, h);
        out.push_back(DialogControl{c->id, c->kind, c->title, c->check == BST_CHECKED});
    }
    return out;
}

std::string dialogCaption(HWND dialog) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* d = findWindow(s, dialog);
    return d == nullptr ? std::string() : d->title;
}

const char* controlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return "edit";
    case ControlKind::CheckBox:
        return "checkbox";
    case ControlKind::Radio:
        return "radio";
    case ControlKind::Button:
        return "button";
    case ControlKind::Static:
        return "static";
    case ControlKind::GroupBox:
        return "groupbox";
    }
    return "static";
}

} // namespace zxw32

extern "C" {

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findControl(s, dialog, id);
    if (c == nullptr) {
        noControl();
        return nullptr;
    }
    return c->handle;
}

int WINAPI GetDlgCtrlID(HWND control) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findWindow(s, control);
    return c != nullptr && c->parent != nullptr ? c->id : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findControl(s, dialog, id);
    if (c == nullptr) {
        return noControl();
    }
    c->title = text ? text : "";
    // A new text puts an edit's caret at its start, as WM_SETTEXT does.
    c->selection = EditSelection{};
    c->scroll = 0;
    return TRUE;
}

// Copies at most capacity - 1 characters and always terminates; returns the characters copied.
UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findControl(s, dialog, id);
    if (c == nullptr) {
        return noControl();
    }
    size_t n = std::min(c->title.size(), static_cast<size_t>(capacity - 1));
    c->title.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<UINT>(n);
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    } else {
        std::snprintf(text, sizeof text, "%u", value);
    }
    return SetDlgItemTextA(dialog, id, text);
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) {
        *translated = FALSE;
    }
    std::string text;
    {
        UserState& s = state();
        std::lock_guard lock(s.mutex);
        Window* c = findControl(s, dialog, id);
        if (c == nullptr) {
            return noControl();
        }
        text = c->title;
    }
    UINT value = 0;
    if (!parseInt(text, isSigned != FALSE, value)) {
        return 0;
    }
    if (translated != nullptr) {
        *translated = TRUE;
    }
    return value;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findControl(s, dialog, id);
    if (c == nullptr) {
        return noControl();
    }
    c->check = check;
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* c = findControl(s, dialog, id);
    if (c == nullptr) {
        return noControl();
    }
    return c->check;
}

// Checks one button of the id range and unchecks the others that exist.
BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    UserState& s = state();
    std::lock_guard lock(s.mutex);
    Window* d = findWindow(s, dialog);
    if (d == nullptr || !d->dialog) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    for (HWND h : d->children) {
        Window* c = findWindow(s, h);
        if (c->id >= firstId && c->id <= lastId) {
            c->check = c->id == checkId ? BST_CHECKED : BST_UNCHECKED;
        }
    }
    return TRUE;
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? SendMessageA(control, message, wParam, lParam) : 0;
}

} // extern "C"
