// The allocation-failure sweep: the demo movie runs once per allocation the host serves to
// the plug-ins (instance memory, global memory handles, instances, pictures, streams), with
// exactly that one failing. Every run must end in a clean script error or in the same
// picture as an undisturbed run (or, when the host refused to make a picture, in the picture
// the kind draws without it); AddressSanitizer and LeakSanitizer watch each run, and no
// run may leave a file behind.
#include <gtest/gtest.h>

#include <zxhost/host.h>
#include <zxlua/atomic_file.h>
#include <zxlua/movie_script.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct RunResult {
    bool failed = false;
    std::string error;
    std::vector<uint32_t> pixels;
    int32_t calls = 0; // how often the place was reached
    // Modules that failed to load: the demo shows only the kinds that are installed, so a
    // failure while loading one gives a smaller picture, named by the loader.
    std::vector<std::string> loadErrors;
};

// Runs the demo in a fresh host with the nth call at `place` failing (0: none), then writes
// the movie and the picture into `dir` as the program does: through a temporary file.
RunResult runDemo(const std::string& place, int32_t nth, const fs::path& dir) {
    RunResult result;
    zxhost::Host host({ZX_BINARY_DIR "/bin"});
    if (nth > 0) {
        host.hooks().failNth(place, nth);
    }
    {
        zxlua::MovieScript script(host);
        try {
            script.runFile(ZX_MOVIES_DIR "/demo.lua");
            zxlua::writeAtomically(dir / "demo.json",
                                   [&](const fs::path& tmp) { host.saveMovie(tmp.string()); });
            host.stage().render();
            script.throwHandlerFailure();
            zxlua::writeAtomically(
                dir / "demo.png", [&](const fs::path& tmp) { host.stage().savePng(tmp.string()); });
        } catch (const std::exception& e) {
            result.failed = true;
            result.error = e.what();
        }
    }
    result.calls = host.hooks().calls(place);
    result.loadErrors = host.loadErrors();
    if (!result.failed) {
        const uint32_t* bits = host.stage().bits();
        result.pixels.assign(bits, bits + int64_t{host.stage().width()} * host.stage().height());
    }
    host.clearMovie();
    return result;
}

TEST(AllocationSweep, EveryFailingAllocationEndsInAnErrorOrTheSamePicture) {
    const fs::path dir = fs::temp_directory_path() / ("zx_sweep_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const char* places[] = {zxhost::fault::kAlloc,          zxhost::fault::kAllocHandle,
                            zxhost::fault::kCreateInstance, zxhost::fault::kPictureFromDIB,
                            zxhost::fault::kStreamOpen,     zxhost::fault::kStreamWrite};
    int swept = 0, errors = 0, samePictures = 0, modulesSkipped = 0, picturesMissing = 0;
    for (const char* place : places) {
        const RunResult reference = runDemo(place, 0, dir);
        ASSERT_FALSE(reference.failed) << reference.error;
        for (int32_t nth = 1; nth <= reference.calls; ++nth) {
            SCOPED_TRACE(std::string(place) + " #" + std::to_string(nth));
            const RunResult run = runDemo(place, nth, dir);
            ++swept;
            if (run.failed) {
                ++errors;
                EXPECT_EQ(run.error.find('\n'), std::string::npos) << run.error;
                EXPECT_FALSE(run.error.empty());
            } else if (!run.loadErrors.empty()) {
                ++modulesSkipped;
                EXPECT_NE(run.loadErrors[0].find("32.so"), std::string::npos) << run.loadErrors[0];
            } else if (run.pixels != reference.pixels &&
                       std::string(place) == zxhost::fault::kPictureFromDIB) {
                // A kind draws without a picture the host could not make (a slider part, a
                // keypad): a different picture, but the run itself is sound.
                ++picturesMissing;
            } else {
                samePictures += run.pixels == reference.pixels;
                EXPECT_EQ(run.pixels, reference.pixels) << "a different picture without an error";
            }
        }
    }
    // Only the two outputs: no temporary file is left behind by a failed write.
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir)) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"demo.json", "demo.png"}));
    fs::remove_all(dir);
    std::printf("allocation sweep: %d runs, %d clean errors, %d identical pictures, %d modules "
                "skipped with their load error, %d drawn without a picture the host refused\n",
                swept, errors, samePictures, modulesSkipped, picturesMissing);
    EXPECT_GT(swept, 0);
}

} // namespace
