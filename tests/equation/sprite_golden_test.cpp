// Typeset equations compared pixel for pixel with golden images: fractions, roots, powers,
// Greek letters, deltas, functions, parentheses, square brackets, results and the variable
// rows below the equations.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "golden_image.h"
#include "zxhost/host.h"

namespace {

using zxhost::Value;

class TypesetEquations : public ::testing::Test {
protected:
    TypesetEquations() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/formulon32.so");
        host.stage().setSize(320, 300);
        host.stage().setColor(0xE0E0E0);
    }

    // A member showing the stored text, with the given independent variables and their values,
    // calculated, on the stage at rect.
    zxhost::Member& place(const std::string& name, const std::string& text, zxhost::Rect rect,
                          const std::vector<std::pair<std::string, double>>& independents,
                          int32_t showIndependents = 0) {
        zxhost::Member& m = host.newMember("formulon", name);
        m.setProp("ShowIndepVars", Value(showIndependents));
        m.setProp("Eq1String", Value(text));
        for (size_t i = 0; i < independents.size(); ++i) {
            m.setProp("PropIndex", Value(static_cast<int32_t>(i)));
            m.setProp("IndVarName", Value(independents[i].first));
            m.setProp("IndVarValue", Value(independents[i].second));
        }
        m.call("Calculate");
        host.addSprite(m, rect);
        return m;
    }

    zxhost::Host host;
};

TEST_F(TypesetEquations, FractionsRootsPowersFunctionsAndResults) {
    place("fraction", "2|y=/^a@&x^2@+1@+%x@|z=2y-{sin}(x@|a|3", {5, 5, 315, 95}, {{"x", 2.0}});
    place("greek", "v=[/^m@&s@@+{Sa}&0@^2@+$x{Sp}", {5, 100, 315, 160}, {{"x", 1.0}});
    place("nested", "q=%/^1@&2+%3@@@+(x+1@^/^1@&2@@", {5, 165, 315, 230}, {{"x", 3.0}});
    auto& border = place("border", "r=/^1@&x@", {5, 235, 315, 295}, {{"x", 4.0}}, 1);
    border.setProp("BlackBorder", Value(1));
    border.setProp("BackColor", Value(0xF0FFFF));
    border.setProp("TextColor", Value(0x800000));
    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "equation_typeset"), "");
}

} // namespace
