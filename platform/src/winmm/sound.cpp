// sndPlaySoundA: sounds are recorded in the event log by name, never played.
#include <mmsystem.h>
#include <zxw32/user_ext.h>

extern "C" BOOL WINAPI sndPlaySoundA(LPCSTR sound, UINT flags) {
    zxw32::logEvent(zxw32::Event{"sound", sound ? sound : "", "", static_cast<long>(flags)});
    return TRUE;
}
