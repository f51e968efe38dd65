// The program's standard streams.
#pragma once

namespace zentrix {

// Makes stdout and stderr byte-exact, so that both builds print the same lines: on Windows
// text mode would end every line in "\r\n".
void useByteExactStreams();

} // namespace zentrix
