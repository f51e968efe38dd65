// The command line of `zentrix`: what the user asked for, parsed before anything runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentrix {

enum class Action { Demo, Run, Render, Kinds, Props, Play, Dialog, Help };

struct CommandLine {
    Action action = Action::Demo;
    // The script (run), the movie (render, play, dialog) or the kind (props).
    std::string input;
    std::string member; // dialog: the member whose properties dialog is drawn
    std::string output; // -o; empty when not given
    bool verbose = false;
    bool markdown = false;    // props: a Markdown page instead of the aligned table
    std::optional<int> focus; // dialog: the control id that has the keyboard focus
    int scale = 1;            // play: window pixels per stage pixel (1-8)
    double seconds = 0;       // play: ends after this long; 0 plays until the window closes
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
