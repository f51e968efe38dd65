// KERNEL: module resources, global memory, debug output and timing, with Windows' names and
// values.
#pragma once

#include "windef.h"

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)
#define GMEM_MODIFY 0x0080
#define GMEM_INVALID_HANDLE 0x8000
#define GMEM_LOCKCOUNT 0x00FF

W32_EXTERN_C_BEGIN

// Global memory. GMEM_FIXED hands out the block's address as its handle; GMEM_MOVEABLE hands
// out a separate handle that GlobalLock turns into the address and counts.
W32API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
W32API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags);
W32API LPVOID WINAPI GlobalLock(HGLOBAL mem);
W32API BOOL WINAPI GlobalUnlock(HGLOBAL mem);
W32API SIZE_T WINAPI GlobalSize(HGLOBAL mem);
W32API UINT WINAPI GlobalFlags(HGLOBAL mem);
W32API HGLOBAL WINAPI GlobalFree(HGLOBAL mem);

// Module resources.
W32API HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
W32API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
W32API LPVOID WINAPI LockResource(HGLOBAL resource);
W32API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
W32API BOOL WINAPI FreeResource(HGLOBAL resource);
W32API HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);

// Debugging and timing.
W32API void WINAPI OutputDebugStringA(LPCSTR text);
W32API DWORD WINAPI GetTickCount(void);
W32API void WINAPI Sleep(DWORD milliseconds);
W32API DWORD WINAPI GetLastError(void);
W32API void WINAPI SetLastError(DWORD error);

W32_EXTERN_C_END

#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#define ERROR_NOT_LOCKED 158L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_CONTROL_ID_NOT_FOUND 1421L
