// `zentrix dialog MOVIE MEMBER -o OUT.png [--focus ID]`: a member's properties dialog drawn
// headless into a PNG.
#pragma once

#include "cli.h"

namespace zentrix {

// Runs the script or loads the saved movie, opens the member's properties dialog, paints it
// (with the focus on the given control), writes the PNG whole or not at all and cancels the
// dialog. Failures throw std::exception with one line for the user.
int drawDialog(const CommandLine& cmd);

} // namespace zentrix
