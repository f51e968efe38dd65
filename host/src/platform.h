// What the host needs from the system under it, in one place. The native build implements
// it over libw32 (host/src/native), the Windows build over the real API (host/src/windows);
// CMake picks the folder, so no other host file depends on the platform.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "zxhost/host.h"

namespace zxhost::platform {

// --- modules ---
// Opens a module; null with the system's reason in `why` when it fails.
void* openLibrary(const std::string& path, std::string* why);
// An exported symbol, or null.
void* librarySymbol(void* library, const char* name);
void closeLibrary(void* library);
// Whether a file name is a deliverable's: "<name>32.so" natively, "<name>32.dll" on Windows.
// Libraries beside them ("libw32.so") are not plug-ins.
bool isModuleFileName(const std::string& name);
// Separates the folders of a search-path variable (':' natively, ';' on Windows, whose
// paths carry drive colons).
char pathListSeparator();

// --- event log ---
// Message boxes, beeps, sounds, window messages, debug text, plug-in output and the movie
// loader's warnings, in the order they happened.
void logEvent(Message message);
// The events since the last call, oldest first; clears the log.
std::vector<Message> takeEvents();

// Watches, for as long as it lives, what the host cannot see through its own services: on
// Windows the message boxes of the host's thread, recorded and dismissed so that an
// unattended run never waits for a user. Natively libw32 records them itself.
class SystemWatch {
public:
    SystemWatch();
    ~SystemWatch();
    SystemWatch(const SystemWatch&) = delete;
    SystemWatch& operator=(const SystemWatch&) = delete;
};

// --- the stage window ---
// A window for the stage at a screen rectangle (its client area is the whole rectangle), or
// null when the system has no windows to give.
HWND createStageWindow(const RECT& screen);
void destroyStageWindow(HWND window);

// The caret as the system keeps it: owner window, size, position in the owner's client
// coordinates and whether it is shown.
struct Caret {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    bool visible = false;
};
Caret caret();

// --- properties dialogs ---
// The dialog driver plays the user: called once the dialog is set up, it reads and sets
// controls with the ordinary calls and returns the id of the button it presses.
using DialogDriver = int (*)(HWND dialog, void* context);
// Set for the length of one properties dialog; null removes it.
void setDialogDriver(DialogDriver driver, void* context);

enum class ControlKind { Edit, CheckBox, Radio, Button, Static };
struct DialogControl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;
    bool checked = false;
};
// The dialog's controls in template order.
std::vector<DialogControl> dialogControls(HWND dialog);

// --- resources ---
// A module handle that holds no resources (tests hand it back as the "foreign" module of
// BeginResources); release it with releaseEmptyModule.
HINSTANCE newEmptyModule();
void releaseEmptyModule(HINSTANCE module);

} // namespace zxhost::platform
