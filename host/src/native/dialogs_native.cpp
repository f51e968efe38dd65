// Properties dialogs natively: libw32 keeps dialogs as control stores and calls the driver
// once WM_INITDIALOG has run.
#include "platform.h"
#include "zxw32/user_ext.h"

namespace zxhost::platform {

void setDialogDriver(DialogDriver driver, void* context) {
    zxw32::setDialogDriver(driver, context);
}

std::vector<DialogControl> dialogControls(HWND dialog) {
    std::vector<DialogControl> result;
    for (const auto& c : zxw32::dialogControls(dialog)) {
        ControlKind kind = ControlKind::Static;
        switch (c.kind) {
        case zxw32::ControlKind::Edit:
            kind = ControlKind::Edit;
            break;
        case zxw32::ControlKind::CheckBox:
            kind = ControlKind::CheckBox;
            break;
        case zxw32::ControlKind::Radio:
            kind = ControlKind::Radio;
            break;
        case zxw32::ControlKind::Button:
            kind = ControlKind::Button;
            break;
        case zxw32::ControlKind::Static:
        case zxw32::ControlKind::GroupBox:
            break;
        }
        result.push_back(DialogControl{c.id, kind, c.text, c.checked});
    }
    return result;
}

} // namespace zxhost::platform
