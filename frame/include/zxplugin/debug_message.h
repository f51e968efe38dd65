// A printf-style diagnostic shown in a message box captioned "MOA_DEBUG".
#pragma once

namespace zx {

// Returns the message box's result. The text is cut at 255 characters.
int debugMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zx
