// The program's commands: demo, run, render, kinds, props, dialog.
#pragma once

#include "cli.h"

namespace zentrix {

// Runs the command. Returns the exit status; failures throw std::exception with a
// one-line message.
int execute(const CommandLine& cmd);

} // namespace zentrix
