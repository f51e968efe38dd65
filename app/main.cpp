// zentrix: runs movie scripts and saved movies on the substitute host and writes PNGs.
#include "cli.h"
#include "commands.h"
#include "console.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    zentrix::useByteExactStreams();
    std::vector<std::string> args(argv + 1, argv + argc);
    zentrix::CommandLine cmd;
    try {
        cmd = zentrix::parseCommandLine(args);
    } catch (const zentrix::UsageError& e) {
        std::fprintf(stderr, "zentrix: %s\n", e.message.c_str());
        return 2;
    }
    if (cmd.action == zentrix::Action::Help) {
        std::fputs(zentrix::helpText(), stdout);
        return 0;
    }
    try {
        return zentrix::execute(cmd);
    } catch (const std::exception& e) {
        // Every failure ends here as one line: the file, the place and the cause.
        std::string line = e.what();
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        std::string shown;
        for (char c : line) {
            if (c == '\n' || c == '\r') {
                shown += ' ';
            } else if (c == '\0') {
                shown += "\\0"; // a name given with a NUL is shown whole
            } else {
                shown += c;
            }
        }
        std::fprintf(stderr, "zentrix: %s\n", shown.c_str());
        return 1;
    }
}
