// The Win32 subset of the native build. The real header in the Windows build.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
