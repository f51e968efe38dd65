// Reading a whole input file (movie, bitmap) with the failure named in one line.
#pragma once

#include <string>

namespace zxhost {

// The file's bytes. Throws Error "PATH: cannot read the file" with the cause when the file
// is missing, a directory or unreadable.
std::string readWholeFile(const std::string& path);

} // namespace zxhost
