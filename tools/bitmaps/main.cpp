// Writes the resource bitmaps of the deliverables under a resources folder, making the
// deliverables' folders when they are missing:
//   zx_bitmaps <resources-dir>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

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
        {"/glidebar32/arrow_left_up.bmp", bitmaps::glidebarLeftArrowUp},
        {"/glidebar32/arrow_left_down.bmp", bitmaps::glidebarLeftArrowDown},
        {"/glidebar32/arrow_right_up.bmp", bitmaps::glidebarRightArrowUp},
        {"/glidebar32/arrow_right_down.bmp", bitmaps::glidebarRightArrowDown},
        {"/glidebar32/bar.bmp", bitmaps::glidebarBar},
        {"/glidebar32/thumb_up.bmp", bitmaps::glidebarThumbUp},
        {"/glidebar32/thumb_down.bmp", bitmaps::glidebarThumbDown},
        {"/glidebar32/arrow_down_up.bmp", bitmaps::glidebarDownArrowUp},
        {"/glidebar32/arrow_down_down.bmp", bitmaps::glidebarDownArrowDown},
        {"/glidebar32/arrow_up_up.bmp", bitmaps::glidebarUpArrowUp},
        {"/glidebar32/arrow_up_down.bmp", bitmaps::glidebarUpArrowDown},
        {"/glidebar32/vbar.bmp", bitmaps::glidebarVerticalBar},
        {"/glidebar32/vthumb_up.bmp", bitmaps::glidebarVerticalThumbUp},
        {"/glidebar32/vthumb_down.bmp", bitmaps::glidebarVerticalThumbDown},
        {"/glidebar32/thumbnail.bmp", bitmaps::glidebarThumbnail},
        {"/dialgauge32/thumbnail.bmp", bitmaps::dialgaugeThumbnail},
        {"/plotmark32/thumbnail.bmp", bitmaps::plotmarkThumbnail},
        {"/gridcell32/thumbnail.bmp", bitmaps::gridcellThumbnail},
    };
    int status = 0;
    for (const Output& output : outputs) {
        const std::string path = root + output.path;
        std::error_code ignored; // a folder that cannot be made shows as a file not written
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        if (!output.draw().writeBmp(path)) {
            std::fprintf(stderr, "zx_bitmaps: cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    return status;
}
