// Writes the resource bitmaps of the deliverables under a resources folder, making the
// deliverables' folders when they are missing, and with a second folder the art that example
// movies load as bitmap members:
//   zx_bitmaps <resources-dir> [<movies-dir>]
#include <cstdio>
#include <filesystem>
#include <string>
#include <span>
#include <system_error>
#include <vector>

#include "art.h"

namespace {

// 0 when written, 1 when not.
int write(const std::string& path, bitmaps::Canvas (*draw)()) {
    std::error_code ignored; // a folder that cannot be made shows as a file not written
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (!draw().writeBmp(path)) {
        std::fprintf(stderr, "zx_bitmaps: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: zx_bitmaps <resources-dir> [<movies-dir>]\n");
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
    const Output movieOutputs[] = {
        {"/keypad_night_up.bmp", bitmaps::keypadixNightUp},
        {"/keypad_night_down.bmp", bitmaps::keypadixNightDown},
    };
    struct Batch {
        std::string root;
        std::span<const Output> outputs;
    };
    std::vector<Batch> batches{{root, outputs}};
    if (argc == 3) {
        batches.push_back({argv[2], movieOutputs});
    }
    int status = 0;
    for (const Batch& batch : batches) {
        for (const Output& output : batch.outputs) {
            status |= write(batch.root + output.path, output.draw);
        }
    }
    return status;
}
