// The --help text of the Windows program, which renders saved movies only.
#include "cli.h"

namespace zentrix {

const char* helpText() {
    return "usage: zentrix.exe render MOVIE.json -o OUT.png [-v]\n"
           "\n"
           "  render MOVIE.json -o OUT.png\n"
           "                             load a saved movie, render the stage, write the PNG\n"
           "\n"
           "options:\n"
           "  -o, --output FILE          the PNG to write\n"
           "  -v, --verbose              echo message boxes and other host events to stderr,\n"
           "                             one line each: \"zentrix: KIND: TEXT [CAPTION] flags=N\"\n"
           "  -h, --help                 this text\n"
           "\n"
           "Lua movies (the demo, run FILE.lua) and kinds are native-only: this build has no\n"
           "Lua binding, so a saved movie's script does not run (a warning says so). Message\n"
           "boxes are recorded and answered with their first button, so a run never waits\n"
           "for a user.\n"
           "\n"
           "Plug-ins (*32.dll) are looked for next to the program and in the folders of\n"
           "ZENTRIX_PLUGIN_PATH (semicolon-separated). Exit status: 0 done, 1 the movie\n"
           "failed (one line on stderr: file, place, cause; no output file is left behind),\n"
           "2 bad command line.\n";
}

} // namespace zentrix
