// Writes the resource bitmaps of the deliverables under a resources folder:
//   zx_bitmaps <resources-dir>
#include <cstdio>
#include <string>

#include "art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zx_bitmaps <resources-dir>\n");
        return 2;
    }
    const std::string root = argv[1];
    struct Output {
        const char* path;
        bitmaps::Canvas (*draw)();
    };
    const Output outputs[] = {
        {"/tallydisc32/thumbnail.bmp", bitmaps::tallydiscThumbnail},
        {"/formulon32/button_unchanged_up.bmp", bitmaps::formulonUnchangedUp},
        {"/formulon32/button_unchanged_down.bmp", bitmaps::formulonUnchangedDown},
        {"/formulon32/button_independent_up.bmp", bitmaps::formulonIndependentUp},
        {"/formulon32/button_independent_down.bmp", bitmaps::formulonIndependentDown},
        {"/formulon32/thumbnail.bmp", bitmaps::formulonThumbnail},
        {"/keypadix32/keypad_up.bmp", bitmaps::keypadixUp},
        {"/keypadix32/keypad_down.bmp", bitmaps::keypadixDown},
        {"/keypadix32/thumbnail.bmp", bitmaps::keypadixThumbnail},
    };
    int status = 0;
    for (const Output& output : outputs) {
        const std::string path = root + output.path;
        if (!output.draw().writeBmp(path)) {
            std::fprintf(stderr, "zx_bitmaps: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    return status;
}
