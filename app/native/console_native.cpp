// Standard streams natively: already byte-exact.
#include "console.h"

namespace zentrix {

void useByteExactStreams() {}

} // namespace zentrix
