// Milliseconds since the library was loaded, and sleeping.
#include <chrono>
#include <thread>

#include <winbase.h>

namespace {
const auto start = std::chrono::steady_clock::now();
}

extern "C" {

// Wraps after 49.7 days, as on Windows.
DWORD WINAPI GetTickCount(void) {
    auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void WINAPI Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // extern "C"
