// The command line of `zentrix`: what the user asked for, parsed before anything runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentrix {

enum class Action { Demo, Run, Render, Kinds, Props, Dialog, Help };

struct CommandLine {
    Action action = Action::Demo;
    std::string input;  // the script (run), the movie file (render, dialog) or the kind (props)
    std::string member; // dialog: the member whose properties dialog is drawn
    std::string output; // -o; empty when not given
    bool verbose = false;
    bool markdown = false;    // props: a Markdown page instead of the aligned table
    std::optional<int> focus; // dialog: the control id that has the keyboard focus
};

// A command line that cannot be understood; the message is one line for the user.
struct UsageError {
    std::string message;
};

// Parses argv[1..]. Returns the command or throws UsageError.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The --help text.
const char* helpText();

} // namespace zentrix
