// The resource embedder as the build runs it: the bitmaps a script names, and the "file:line:
// message" errors that stop a build with a damaged .rc.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
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

    static std::string slurp(const fs::path& path) {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
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

// The embedded dialog as text: the bytes of the first array in the generated source.
std::string firstResource(const std::string& source) {
    std::string text;
    size_t at = source.find("= {");
    const size_t end = source.find("};", at);
    while (at != std::string::npos && at < end) {
        at = source.find_first_of("0123456789", at);
        if (at == std::string::npos || at > end) {
            break;
        }
        size_t used = 0;
        text += static_cast<char>(std::stoi(source.substr(at), &used));
        at += used;
    }
    return text;
}

// What a drawing needs survives: group boxes, text alignment, the default push button and
// whether a box or radio checks itself, from the statements and from CONTROL styles alike.
TEST_F(Rcembed, DialogControlsKeepTheirStyle) {
    fs::path rc =
        write("styles.rc", "300 DIALOG 0, 0, 100, 80\nBEGIN\n"
                           "    GROUPBOX \"Frame\", -1, 1, 2, 3, 4\n"
                           "    CTEXT \"Mid\", -1, 1, 2, 3, 4\n"
                           "    RTEXT \"End\", -1, 1, 2, 3, 4\n"
                           "    LTEXT \"Start\", -1, 1, 2, 3, 4\n"
                           "    DEFPUSHBUTTON \"OK\", IDOK, 1, 2, 3, 4\n"
                           "    PUSHBUTTON \"Cancel\", IDCANCEL, 1, 2, 3, 4\n"
                           "    CHECKBOX \"Plain\", 10, 1, 2, 3, 4\n"
                           "    AUTOCHECKBOX \"Auto\", 11, 1, 2, 3, 4\n"
                           "    RADIOBUTTON \"A\", 12, 1, 2, 3, 4\n"
                           "    AUTORADIOBUTTON \"B\", 13, 1, 2, 3, 4\n"
                           "    CONTROL \"C\", -1, \"Static\", SS_CENTER, 1, 2, 3, 4\n"
                           "    CONTROL \"G\", -1, \"Button\", BS_GROUPBOX, 1, 2, 3, 4\n"
                           "    CONTROL \"D\", 1, \"Button\", BS_DEFPUSHBUTTON, 1, 2, 3, 4\n"
                           "END\n");
    ASSERT_EQ(embed(rc).status, 0);
    const std::string dialog = firstResource(slurp(dir / "out.cpp"));
    std::string kinds;
    for (size_t at = dialog.find("CONTROL\t"); at != std::string::npos;
         at = dialog.find("CONTROL\t", at + 1)) {
        const size_t kind = dialog.find('\t', at + 8) + 1;
        kinds += dialog.substr(kind, dialog.find('\t', kind) - kind) + " ";
    }
    EXPECT_EQ(kinds, "GROUPBOX CTEXT RTEXT STATIC DEFBUTTON BUTTON PLAINCHECKBOX CHECKBOX "
                     "PLAINRADIO RADIO CTEXT GROUPBOX DEFBUTTON ");
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
