// A person's keys as the host and libw32 know them: SDL key codes to the host's key codes
// (the sprites' key events) and to virtual keys (the dialogs), and typed UTF-8 text to the
// single-byte Windows-1252 characters that plug-ins read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <SDL.h>

namespace zentrix::play {

// The host's key code of a key that types no text (arrows, Backspace, Delete, Enter, Tab),
// or nullopt for keys that only type text or mean nothing to a sprite.
std::optional<uint8_t> hostKeyCode(SDL_Keycode key);
// The virtual key of a key for the dialogs (VK_TAB, VK_RETURN, arrows, letters ...), or
// nullopt.
std::optional<unsigned> virtualKey(SDL_Keycode key);
// The host's modifier bits of SDL's modifier state: bit 0 Shift, bit 1 Control.
int32_t hostModifiers(uint16_t sdlModifiers);

// UTF-8 to Windows-1252. Characters that the code page lacks (and malformed bytes) are left
// out; `dropped` counts them when given.
std::string utf8ToCp1252(const std::string& utf8, int* dropped = nullptr);

} // namespace zentrix::play
