// The calling thread's last error code.
#include <winbase.h>

namespace {
thread_local DWORD lastError = 0;
}

extern "C" {
DWORD WINAPI GetLastError(void) {
    return lastError;
}
void WINAPI SetLastError(DWORD error) {
    lastError = error;
}
}
