// The resource embedder as the build runs it: the bitmaps a script names, and the "file:line:
// message" errors that stop a build with a damaged .rc.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string output;
};

class Rcembed : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("rcembed_test_" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return dir / name;
    }

    ToolRun run(const std::string& args) {
        std::string command = std::string(ZX_BINARY_DIR) + "/bin/rcembed " + args + " 2>&1";
        ToolRun r{-1, ""};
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return r;
        }
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            r.output += buffer;
        }
        int status = pclose(pipe);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    ToolRun embed(const fs::path& rc) {
        return run(rc.string() + " " + (dir / "out.cpp").string() + " sample");
    }
};

TEST_F(Rcembed, ListsTheBitmapsBesideTheScript) {
    write("resource.h", "#ifndef RESOURCE_H\n#define RESOURCE_H\n#define IDB_KEYS 101\n#endif\n");
    fs::path rc = write("a.rc", "#include <windows.h>\n#include \"resource.h\"\n"
                                "IDB_KEYS BITMAP \"keys.bmp\"\n"
                                "102 BITMAP DISCARDABLE \"art/dial.bmp\"\n");
    ToolRun r = run("--deps " + rc.string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output,
              (dir / "keys.bmp").string() + "\n" + (dir / "art/dial.bmp").string() + "\n");
}

TEST_F(Rcembed, ErrorsNameTheFileAndLine) {
    fs::path missing = write("missing.rc", "// art\n\n101 BITMAP \"none.bmp\"\n");
    ToolRun r = embed(missing);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(missing.string() + ":3: cannot read bitmap"), std::string::npos)
        << r.output;

    fs::path unknownId = write("id.rc", "200 DIALOG 0, 0, 10, 10\nBEGIN\n"
                                        "    EDITTEXT IDC_NOWHERE, 1, 2, 3, 4\nEND\n");
    r = embed(unknownId);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(":3: unknown identifier 'IDC_NOWHERE'"), std::string::npos) << r.output;

    fs::path control = write("ctl.rc", "200 DIALOG 0, 0, 10, 10\n{\n"
                                       "    LISTBOX 5, 1, 2, 3, 4\n}\n");
    r = embed(control);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(":3: unsupported control statement 'LISTBOX'"), std::string::npos)
        << r.output;

    fs::path open = write("open.rc", "200 DIALOG 0, 0, 10, 10\nBEGIN\n"
                                     "    LTEXT \"a\", -1, 1, 2, 3, 4\n");
    r = embed(open);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(":1: dialog without END"), std::string::npos) << r.output;

    fs::path noHeader = write("nohead.rc", "// ids\n#include \"absent.h\"\n");
    r = embed(noHeader);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(":2: cannot read"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(dir / "out.cpp"));
}

TEST_F(Rcembed, NotABitmapIsRejected) {
    write("text.bmp", "this is not a bitmap, only text long enough to pass a size check....");
    fs::path rc = write("b.rc", "101 BITMAP \"text.bmp\"\n");
    ToolRun r = embed(rc);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(":1: "), std::string::npos);
    EXPECT_NE(r.output.find("is not a BMP file"), std::string::npos) << r.output;
}

} // namespace
