// Properties dialogs in the Windows build: the driver is kept here and run by the watch on
// the host's thread once the dialog activates (after WM_INITDIALOG); controls are read from
// the real child windows.
#include <cstring>

#include "windows/dialog_watch.h"

namespace zxhost::platform {
namespace {

DriverSlot& slot() {
    static DriverSlot current;
    return current;
}

ControlKind kindOf(HWND control) {
    char className[32] = "";
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) {
        return ControlKind::Edit;
    }
    if (lstrcmpiA(className, "Button") != 0) {
        return ControlKind::Static;
    }
    switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ControlKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ControlKind::Radio;
    case BS_GROUPBOX:
        return ControlKind::Static;
    default:
        return ControlKind::Button;
    }
}

} // namespace

void setDialogDriver(DialogDriver driver, void* context) {
    slot() = DriverSlot{driver, context};
}

DriverSlot currentDialogDriver() {
    return slot();
}

std::vector<DialogControl> dialogControls(HWND dialog) {
    std::vector<DialogControl> result;
    if (!dialog || !IsWindow(dialog)) {
        return result;
    }
    // A dialog's children lie in template order from the top of the z-order down.
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        DialogControl control;
        control.id = GetDlgCtrlID(child);
        control.kind = kindOf(child);
        const int length = GetWindowTextLengthA(child);
        std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        GetWindowTextA(child, text.data(), static_cast<int>(text.size()));
        control.text = text.data();
        control.checked =
            (control.kind == ControlKind::CheckBox || control.kind == ControlKind::Radio) &&
            SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
        result.push_back(std::move(control));
    }
    return result;
}

} // namespace zxhost::platform
