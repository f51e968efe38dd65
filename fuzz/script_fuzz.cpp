// Fuzz target for the movie-script API. The input is not Lua text: each group of bytes
// becomes one API call (members of every kind, properties, sprites and their events, saved
// blocks, movie saves and loads), written as a small Lua program and run by MovieScript.
// Every call runs under pcall, so a refused call is the API's ordinary error and the
// program goes on; what must not happen is a crash, a leak or a sanitizer report.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "zxhost/host.h"
#include "zxlua/movie_script.h"

namespace {

const std::array<const char*, 7> kKinds = {"formulon",  "plotmark",  "keypadix", "glidebar",
                                           "dialgauge", "tallydisc", "gridcell"};

// Properties and commands that the kinds answer to; a name a kind does not know is refused.
const std::array<const char*, 40> kProperties = {"Value",
                                                 "DigitsLeft",
                                                 "DigitsRight",
                                                 "BackColor",
                                                 "BackColorLeft",
                                                 "ForeColorLeft",
                                                 "Eq",
                                                 "Result",
                                                 "IndVarName",
                                                 "IndVarValue",
                                                 "DepVar",
                                                 "XMinimum",
                                                 "XMaximum",
                                                 "YMinimum",
                                                 "CurrentCurve",
                                                 "CurveColor",
                                                 "CurveStyle",
                                                 "LineEquation",
                                                 "ShowLineHandles",
                                                 "MaxRows",
                                                 "MaxCols",
                                                 "Row",
                                                 "Col",
                                                 "ColWidth",
                                                 "RowHeight",
                                                 "TopRow",
                                                 "LeftCol",
                                                 "ActiveRow",
                                                 "ActiveCol",
                                                 "KeyRectList",
                                                 "MouseClickMode",
                                                 "TransparentColor",
                                                 "SmallStep",
                                                 "BigTickSpace",
                                                 "SpeedColor",
                                                 "AngleUnits",
                                                 "TextColor",
                                                 "BlockMode",
                                                 "XLabelString",
                                                 "PropIndex"};
const std::array<const char*, 8> kCommands = {"Calculate",    "PlotLine",     "GetTableText",
                                              "SetTableText", "InsertString", "DuplicatePicture",
                                              "ReplaceMedia", "ImportPicture"};

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int32_t small(int32_t limit) { return byte() % limit; }
    int32_t integer() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v = v << 8 | byte();
        }
        return static_cast<int32_t>(v);
    }
    // A Lua string literal of up to 16 bytes, every byte escaped.
    std::string text() {
        std::string out = "\"";
        const int n = small(17);
        for (int i = 0; i < n; ++i) {
            out += "\\" + std::to_string(byte());
        }
        return out + "\"";
    }
    // A value of any type a property may be given.
    std::string value() {
        switch (small(6)) {
        case 0:
            return std::to_string(small(100));
        case 1:
            return std::to_string(integer());
        case 2:
            return std::to_string(integer()) + ".5";
        case 3:
            return text();
        case 4:
            return byte() % 2 ? "true" : "false";
        default:
            return "nil";
        }
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

std::string member(Bytes& in) {
    return "M[" + std::to_string(in.small(4) + 1) + "]";
}
std::string sprite(Bytes& in) {
    return "S[" + std::to_string(in.small(4) + 1) + "]";
}
std::string coordinate(Bytes& in) {
    return std::to_string(in.small(260) - 20);
}

// One API call. The bytes are read into locals first, in the order written, so that an
// input means the same program whatever order the compiler evaluates operands in.
std::string call(Bytes& in) {
    const int32_t op = in.small(18);
    switch (op) {
    case 0: {
        const std::string slot = member(in);
        const char* kind = kKinds[in.small(kKinds.size())];
        return slot + " = cast.new(\"" + kind + "\", \"m" + std::to_string(in.byte()) + "\")";
    }
    case 1:
    case 2: {
        const std::string m = member(in);
        const std::string property = m + "." + kProperties[in.small(kProperties.size())];
        return op == 1 ? property + " = " + in.value() : "local _ = " + property;
    }
    case 3: {
        const std::string s = sprite(in), m = member(in);
        const std::string left = coordinate(in), top = coordinate(in);
        const std::string width = std::to_string(in.byte());
        const std::string height = std::to_string(in.byte());
        return s + " = score.add(" + m + ", {left = " + left + ", top = " + top +
               ", right = " + left + " + " + width + ", bottom = " + top + " + " + height + "})";
    }
    case 4: {
        static const char* const kMouse[] = {"mouse_down", "mouse_drag", "mouse_up"};
        const std::string s = sprite(in);
        const char* mouse = kMouse[in.small(3)];
        const std::string x = coordinate(in), y = coordinate(in);
        return s + ":" + mouse + "(" + x + ", " + y + ")";
    }
    case 5: {
        const std::string s = sprite(in);
        return s + ":key(" + std::to_string(in.byte()) + ")";
    }
    case 6: {
        const std::string s = sprite(in);
        return s + ":type(" + in.text() + ")";
    }
    case 7: {
        const std::string s = sprite(in);
        const std::string kind = std::to_string(in.small(40));
        const std::string x = coordinate(in), y = coordinate(in);
        return s + ":event(" + kind + ", " + x + ", " + y + ", " + std::to_string(in.byte()) + ")";
    }
    case 8:
        return "stage.render()";
    case 9:
        return "stage.idle()";
    case 10: {
        const std::string to = member(in), from = member(in);
        return to + ":load(" + from + ":save())";
    }
    case 11: {
        const std::string m = member(in);
        return m + ":load(" + in.text() + ")";
    }
    case 12:
        return "movie.save(\"fuzz.json\"); movie.load(\"fuzz.json\")";
    case 13:
        return "cast.delete(" + member(in) + ")";
    case 14: {
        const std::string m = member(in);
        const char* command = kCommands[in.small(kCommands.size())];
        const std::string first = in.value();
        return m + ":call(\"" + command + "\", " + first + ", " + in.value() + ")";
    }
    case 15: {
        const std::string width = std::to_string(int{in.byte()} + 1);
        return "stage.size(" + width + ", " + std::to_string(int{in.byte()} + 1) + ")";
    }
    case 16: {
        static const char* const kSprite[] = {"focus()", "blur()", "idle()", "member()"};
        const std::string s = sprite(in);
        return s + ":" + kSprite[in.small(4)];
    }
    default:
        return "host.messages()";
    }
}

zxhost::Host& sharedHost() {
    static zxhost::Host host({ZX_PLUGIN_DIR});
    return host;
}

std::filesystem::path scratchDir() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("zx_script_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    sharedHost().loadPlugins();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) {
        return 0;
    }
    Bytes in(data, size);
    // A saved movie carries this program and runs it again when it loads; like a real movie
    // it builds only when it runs from its own text, or every load would run every save and
    // load of the program again (quadratic, a timeout rather than a finding).
    std::string program = "if movie.loaded then return end\nM, S = {}, {}\nstage.size(200, 150)\n";
    for (int calls = 0; !in.empty() && calls < 64; ++calls) {
        program += "pcall(function() " + call(in) + " end)\n";
    }
    // ZX_FUZZ_PRINT=1 shows the program an input makes, to read a finding as a script.
    static const bool print = std::getenv("ZX_FUZZ_PRINT") != nullptr;
    if (print) {
        std::fputs(program.c_str(), stderr);
    }
    zxhost::Host& host = sharedHost();
    try {
        zxlua::MovieScript script(host);
        script.runString(program, "fuzz", scratchDir());
    } catch (const zxlua::ScriptError&) {
    } catch (const zxhost::Error&) {
    }
    host.clearMovie();
    host.messages();
    return 0;
}
