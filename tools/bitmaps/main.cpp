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
