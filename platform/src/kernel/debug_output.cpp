// OutputDebugStringA: the text goes to the event log as a "debug" event.
#include <winbase.h>
#include <zxw32/user_ext.h>

extern "C" void WINAPI OutputDebugStringA(LPCSTR text) {
    zxw32::logEvent(zxw32::Event{"debug", text ? text : "", "", 0});
}
