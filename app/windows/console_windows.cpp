// Standard streams on Windows: binary mode, so lines end in "\n" as they do natively.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "console.h"

namespace zentrix {

void useByteExactStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace zentrix
