// The --help text of the native program, which runs movie scripts as well as saved movies.
#include "cli.h"

namespace zentrix {

const char* helpText() {
    return "usage: zentrix [command] [options]\n"
           "\n"
           "commands:\n"
           "  (none)                     run the demo movie (movies/demo.lua), write demo.png\n"
           "  run FILE.lua [-o OUT.png]  run a movie script, then its on_start_movie(); with\n"
           "                             -o, render the stage at the end and write it as a PNG\n"
           "                             (run MOVIE.json loads a saved movie the same way)\n"
           "  render MOVIE.json -o OUT.png\n"
           "                             load a saved movie, run the script it carries, render\n"
           "                             the stage, write the PNG\n"
           "  kinds                      list the plug-ins found: symbol, display name,\n"
           "                             category, module path\n"
           "  props KIND [--markdown]    every property of a kind (type, access, default,\n"
           "                             saved position, dialog control, meaning) and every\n"
           "                             command (minimum arguments, the code answered with\n"
           "                             fewer); --markdown writes it as a Markdown page\n"
           "  dialog MOVIE MEMBER -o OUT.png [--focus ID]\n"
           "                             run the movie script (.lua) or load the saved movie\n"
           "                             (.json), open the member's properties dialog, draw\n"
           "                             it into the PNG (the control ID has the keyboard\n"
           "                             focus) and cancel it\n"
           "\n"
           "options:\n"
           "  -o, --output FILE          the PNG to write (the demo's default is demo.png)\n"
           "  --focus ID                 dialog: the control that has the keyboard focus\n"
           "  -v, --verbose              echo message boxes, beeps and other host events to\n"
           "                             stderr\n"
           "  -h, --help                 this text\n"
           "\n"
           "Plug-ins (*32.so) are looked for next to the program and in the folders of\n"
           "ZENTRIX_PLUGIN_PATH (colon-separated). The demo movie is looked for in\n"
           "ZENTRIX_MOVIES, then in ../../movies from the program's folder, then in the\n"
           "source tree. Exit status: 0 done, 1 the movie or script failed (one line on\n"
           "stderr: file, place, cause; no output file is left behind), 2 bad command line.\n";
}

} // namespace zentrix
