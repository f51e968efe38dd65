// Inside the Windows build: the properties-dialog driver as the message-box watch finds it.
#pragma once

#include "platform.h"

namespace zxhost::platform {

struct DriverSlot {
    DialogDriver driver = nullptr;
    void* context = nullptr;
};
// The driver set by setDialogDriver; empty when none is.
DriverSlot currentDialogDriver();

} // namespace zxhost::platform
