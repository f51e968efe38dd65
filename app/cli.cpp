// Parsing of the `zentrix` command line. Options may stand anywhere after the command word.
#include "cli.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zentrix {

namespace {

Action actionNamed(const std::string& word) {
    if (word == "run") {
        return Action::Run;
    }
    if (word == "render") {
        return Action::Render;
    }
    if (word == "kinds") {
        return Action::Kinds;
    }
    if (word == "props") {
        return Action::Props;
    }
    if (word == "play") {
        return Action::Play;
    }
    if (word == "dialog") {
        return Action::Dialog;
    }
    throw UsageError{"unknown command '" + word + "' (try --help)"};
}

// A whole number in [low, high], or a UsageError naming the option.
int wholeNumber(const std::string& option, const std::string& text, int low, int high) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < low || value > high) {
        throw UsageError{option + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'"};
    }
    return value;
}

// Checks that the words after the command fit it: run takes FILE.lua and an optional -o,
// render takes MOVIE.json and a required -o, props takes KIND and an optional --markdown,
// play takes FILE.lua or MOVIE.json and its window options, dialog takes MOVIE and MEMBER, a
// required -o and an optional --focus, kinds takes nothing.
void checkShape(const CommandLine& cmd, const std::vector<std::string>& operands,
                bool windowOptions) {
    const std::string name = cmd.action == Action::Run      ? "run"
                             : cmd.action == Action::Render ? "render"
                             : cmd.action == Action::Props  ? "props"
                             : cmd.action == Action::Play   ? "play"
                             : cmd.action == Action::Dialog ? "dialog"
                                                            : "kinds";
    const size_t wanted = cmd.action == Action::Kinds ? 0 : cmd.action == Action::Dialog ? 2 : 1;
    if (operands.size() < wanted) {
        throw UsageError{
            name + ": missing " +
            (cmd.action == Action::Run     ? "FILE.lua"
             : cmd.action == Action::Props ? "KIND"
             : cmd.action == Action::Play  ? "FILE.lua or MOVIE.json"
             : cmd.action == Action::Dialog
                 ? (operands.empty() ? "MOVIE (a .lua script or a .json movie)" : "MEMBER")
                 : "MOVIE.json")};
    }
    if (operands.size() > wanted) {
        throw UsageError{name + ": unexpected argument '" + operands[wanted] + "'"};
    }
    if ((cmd.action == Action::Render || cmd.action == Action::Dialog) && cmd.output.empty()) {
        throw UsageError{name + ": missing -o OUT.png"};
    }
    if (cmd.focus && cmd.action != Action::Dialog) {
        throw UsageError{name + ": --focus is not accepted"};
    }
    if ((cmd.action == Action::Kinds || cmd.action == Action::Props ||
         cmd.action == Action::Play) &&
        !cmd.output.empty()) {
        throw UsageError{name + ": -o is not accepted"};
    }
    if (cmd.markdown && cmd.action != Action::Props) {
        throw UsageError{name + ": --markdown is not accepted"};
    }
    if (windowOptions && cmd.action != Action::Play) {
        throw UsageError{name + ": --scale and --seconds belong to play"};
    }
}

// A control id as a dialog template gives it: a whole decimal number in the int range.
int controlId(const std::string& text) {
    size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used, 10);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || value < INT32_MIN || value > INT32_MAX) {
        throw UsageError{"--focus needs a control id, not '" + text + "'"};
    }
    return static_cast<int>(value);
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cmd;
    std::vector<std::string> words;
    bool outputGiven = false;
    bool windowOptions = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            cmd.action = Action::Help;
            return cmd;
        }
        if (arg == "-v" || arg == "--verbose") {
            cmd.verbose = true;
        } else if (arg == "--markdown") {
            cmd.markdown = true;
        } else if (arg == "--scale" || arg == "--seconds") {
            if (i + 1 >= args.size()) {
                throw UsageError{arg + " needs a number"};
            }
            const std::string& value = args[++i];
            if (arg == "--scale") {
                cmd.scale = wholeNumber(arg, value, 1, 8);
            } else {
                cmd.seconds = wholeNumber(arg, value, 1, 86400);
            }
            windowOptions = true;
        } else if (arg == "--focus") {
            if (i + 1 >= args.size()) {
                throw UsageError{"--focus needs a control id"};
            }
            cmd.focus = controlId(args[++i]);
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                throw UsageError{arg + " needs a file name"};
            }
            if (outputGiven) {
                throw UsageError{arg + " given twice"};
            }
            cmd.output = args[++i];
            outputGiven = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option '" + arg + "' (try --help)"};
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        // The demo writes demo.png unless told otherwise.
        cmd.action = Action::Demo;
        if (windowOptions) {
            throw UsageError{"--scale and --seconds belong to play"};
        }
        if (cmd.focus) {
            throw UsageError{"--focus is accepted by dialog only"};
        }
        return cmd;
    }
    cmd.action = actionNamed(words.front());
    words.erase(words.begin());
    checkShape(cmd, words, windowOptions);
    if (!words.empty()) {
        cmd.input = words.front();
    }
    if (cmd.action == Action::Dialog) {
        cmd.member = words[1];
    }
    return cmd;
}

} // namespace zentrix
