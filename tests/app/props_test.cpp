// `zentrix props`: the reference of a kind as the program prints it, the pages in docs/kinds
// that must match it, and the rule that every row and command says what it means.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "zxhost/host.h"
#include "zxhost/module.h"

namespace {

const std::vector<std::string> kKinds = {"tallydisc", "formulon",  "plotmark", "keypadix",
                                         "glidebar",  "dialgauge", "gridcell"};

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs zentrix with `args`; `redirect` decides what happens to stderr.
Outcome zentrix(const std::string& args, const std::string& redirect = "2>/dev/null") {
    const std::string command = "'" ZENTRIX_EXE "' " + args + " " + redirect;
    Outcome run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, got);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// The part of a docs page between its markers: what `props --markdown` printed when the
// page was written.
std::string generatedPart(const std::string& page, const std::string& kind) {
    const std::string begin = "<!-- BEGIN zentrix props " + kind + " --markdown -->\n";
    const std::string end = "<!-- END zentrix props -->";
    const size_t from = page.find(begin);
    const size_t to = page.find(end);
    if (from == std::string::npos || to == std::string::npos || to < from) {
        return "(no markers)";
    }
    return page.substr(from + begin.size(), to - from - begin.size());
}

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(Props, TableShowsTypeAccessDefaultSavedPositionAndMeaning) {
    const Outcome run = zentrix("props tallydisc");
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line, digits;
    while (std::getline(lines, line)) {
        if (line.starts_with("DigitsLeft ")) {
            digits = line;
        }
    }
    std::istringstream words(digits);
    std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
    ASSERT_GE(w.size(), 8u) << run.out;
    EXPECT_EQ((std::vector<std::string>{w[1], w[2], w[3], w[4], w[5], w[6]}),
              (std::vector<std::string>{"integer", "both", "3", "0", "edit", "1000"}))
        << digits;
    // No call has too few arguments for a command without a minimum.
    EXPECT_NE(run.out.find("FourArgs  0         -  "), std::string::npos) << run.out;
}

TEST(Props, CommandRowsGiveTheTooFewArgumentsCode) {
    const Outcome run = zentrix("props plotmark --markdown");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("| `PlotLine` | 4 | 0x800407E4 | x1, y1, x2, y2: "), std::string::npos)
        << run.out;
}

TEST(Props, UnknownKindIsOneLineAndStatusOne) {
    const Outcome run = zentrix("props nosuchkind", "2>&1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "zentrix: props: unknown kind 'nosuchkind' (zentrix kinds lists the "
                       "plug-ins found)\n");
}

TEST(Props, BadShapesAreUsageErrors) {
    EXPECT_EQ(zentrix("props").status, 2);
    EXPECT_EQ(zentrix("props tallydisc formulon").status, 2);
    EXPECT_EQ(zentrix("props tallydisc -o x.png").status, 2);
    EXPECT_EQ(zentrix("kinds --markdown").status, 2);
}

TEST(Props, DocsPagesMatchWhatTheProgramPrintsNow) {
    for (const std::string& kind : kKinds) {
        const Outcome run = zentrix("props " + kind + " --markdown");
        ASSERT_EQ(run.status, 0) << kind;
        const std::string page = slurp(ZX_SOURCE_DIR "/docs/kinds/" + kind + ".md");
        EXPECT_EQ(generatedPart(page, kind), run.out)
            << "docs/kinds/" << kind << ".md is out of date: regenerate its part between the "
            << "markers with `zentrix props " << kind << " --markdown`";
    }
}

// A command's meaning starts with its arguments ("x1, y1, x2, y2: ...", "no arguments: ...")
// so that the reference shows how to call it.
TEST(Props, EveryRowAndCommandOfEveryKindSaysWhatItMeans) {
    zxhost::Host host({ZX_BINARY_DIR "/bin"});
    for (const std::string& symbol : kKinds) {
        const zxhost::Module* module = host.findModule(symbol);
        ASSERT_NE(module, nullptr) << symbol;
        const ZxKindDescription* kind = module->description();
        ASSERT_NE(kind, nullptr) << symbol;
        for (uint32_t i = 0; i < kind->propertyCount; ++i) {
            EXPECT_STRNE(kind->properties[i].meaning, "")
                << symbol << "." << kind->properties[i].name;
        }
        for (uint32_t i = 0; i < kind->commandCount; ++i) {
            const ZxCommandDescription& c = kind->commands[i];
            const std::string meaning = c.meaning;
            const size_t colon = meaning.find(": ");
            ASSERT_NE(colon, std::string::npos) << symbol << "." << c.name << ": " << meaning;
            const std::string arguments = meaning.substr(0, colon);
            if (c.minArguments == 0) {
                EXPECT_EQ(arguments, "no arguments") << symbol << "." << c.name;
            } else {
                const auto commas = std::count(arguments.begin(), arguments.end(), ',');
                EXPECT_GE(commas + 1, c.minArguments) << symbol << "." << c.name << ": " << meaning;
            }
        }
    }
}
