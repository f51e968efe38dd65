// winmm: system sounds. Sounds are recorded in the event log, never played.
#pragma once

#include "windef.h"

#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002

W32_EXTERN_C_BEGIN
W32API BOOL WINAPI sndPlaySoundA(LPCSTR sound, UINT flags);
W32_EXTERN_C_END
