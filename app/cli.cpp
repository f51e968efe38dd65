// Parsing of the `zentrix` command line. Options may stand anywhere after the command word.
#include "cli.h"

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
    throw UsageError{"unknown command '" + word + "' (try --help)"};
}

// Checks that the words after the command fit it: run takes FILE.lua and an optional -o,
// render takes MOVIE.json and a required -o, props takes KIND and an optional --markdown,
// kinds takes nothing.
void checkShape(const CommandLine& cmd, const std::vector<std::string>& operands) {
    const std::string name = cmd.action == Action::Run      ? "run"
                             : cmd.action == Action::Render ? "render"
                             : cmd.action == Action::Props  ? "props"
                                                            : "kinds";
    const size_t wanted = cmd.action == Action::Kinds ? 0 : 1;
    if (operands.size() < wanted) {
        throw UsageError{name + ": missing " +
                         (cmd.action == Action::Run     ? "FILE.lua"
                          : cmd.action == Action::Props ? "KIND"
                                                        : "MOVIE.json")};
    }
    if (operands.size() > wanted) {
        throw UsageError{name + ": unexpected argument '" + operands[wanted] + "'"};
    }
    if (cmd.action == Action::Render && cmd.output.empty()) {
        throw UsageError{"render: missing -o OUT.png"};
    }
    if ((cmd.action == Action::Kinds || cmd.action == Action::Props) && !cmd.output.empty()) {
        throw UsageError{name + ": -o is not accepted"};
    }
    if (cmd.markdown && cmd.action != Action::Props) {
        throw UsageError{name + ": --markdown is not accepted"};
    }
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cmd;
    std::vector<std::string> words;
    bool outputGiven = false;
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
        return cmd;
    }
    cmd.action = actionNamed(words.front());
    words.erase(words.begin());
    checkShape(cmd, words);
    if (!words.empty()) {
        cmd.input = words.front();
    }
    return cmd;
}

} // namespace zentrix
