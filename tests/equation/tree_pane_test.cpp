// Activating the variable-pane elements of a definition line.
#include <gtest/gtest.h>

#include "tree_checks.h"

namespace zx::equation {
namespace {

struct PaneLine : ::testing::Test {
    PaneLine() {
        line = new GroupElement(new PaneEnclosure("x"), 1);
        ctx.InsertLineAfter(nullptr, line);
        line->FirstChild()->editable = 0;
        EquationElement* at = line->FirstChild();
        for (EquationElement* e : std::initializer_list<EquationElement*>{toggle, ivar, unch}) {
            at->InsertAfter(e);
            at = e;
        }
        ctx.currentLine = line;
        ctx.caret = unch;
    }
    PaneEnclosure& pane() { return *PaneOf(*line); }

    EquationContext ctx;
    GroupElement* line = nullptr;
    PaneToggleElement* toggle = new PaneToggleElement;
    VariableButtonElement* ivar = new VariableButtonElement(1, 1);
    VariableButtonElement* unch = new VariableButtonElement(2, 0);
};

TEST_F(PaneLine, ToggleClosesThePaneAndHandsItselfBack) {
    EquationElement* dropped = toggle->Activate(ctx);
    EXPECT_EQ(dropped, toggle);
    EXPECT_EQ(pane().open, 0);
    EXPECT_EQ(pane().secondFlag, 0);
    EXPECT_EQ(line->FirstChild()->next(), nullptr);
    EXPECT_EQ(line->FirstChild()->editable, 1);
    // The caret stood on a destroyed button: it was forgotten.
    EXPECT_EQ(ctx.caret, nullptr);
    EXPECT_TRUE(testing::TreeIsSound(line));
    dropped->Destroy();
}

TEST_F(PaneLine, UnchangedButtonClosesThePaneAndIsCutOff) {
    EquationElement* dropped = unch->Activate(ctx);
    EXPECT_EQ(dropped, unch);
    EXPECT_EQ(pane().open, 0);
    EXPECT_EQ(pane().secondFlag, 0);
    EXPECT_EQ(line->FirstChild()->next(), nullptr);
    EXPECT_EQ(ctx.caret, nullptr);
    EXPECT_TRUE(testing::TreeIsSound(line));
    dropped->Destroy();
}

TEST_F(PaneLine, IndependentButtonStaysAloneInTheClosedPane) {
    EXPECT_EQ(ivar->Activate(ctx), nullptr);
    EXPECT_EQ(pane().open, 0);
    EXPECT_EQ(line->FirstChild()->next(), ivar);
    EXPECT_EQ(ivar->next(), nullptr);
    EXPECT_TRUE(testing::TreeIsSound(line));
}

TEST_F(PaneLine, KeysAreIgnoredOnPaneElements) {
    HandleKey(ctx, 'a');
    HandleKey(ctx, kKeyBackspace);
    std::string text;
    line->FirstChild()->WriteText(text);
    EXPECT_EQ(text, "UIVAR"); // a button ends the written chain
}

} // namespace
} // namespace zx::equation
