// A drawn pane: where its lines and variable rows go, and placing the caret with the mouse.
#include <gtest/gtest.h>

#include <string>

#include "engine/definitions.h"
#include "engine/editing.h"
#include "engine/editing_mouse.h"
#include "engine/elements.h"
#include "engine/equation_pane.h"
#include "engine/member_rules.h"
#include "engine/reader.h"
#include "engine/stored_text.h"
#include "engine/variables_pane.h"
#include "fixed_metrics_device.h"
#include "tree_checks.h"

namespace zx::equation {
namespace {

constexpr ButtonSize kButton{12, 14};

class DrawnPane : public ::testing::Test {
protected:
    DrawnPane() : pane(200, 100, 0, 0) {
        // Buttons take their picture size when made, so the sizes come first.
        for (int picture = 0; picture < 4; ++picture) {
            SetButtonBitmapSize(picture, kButton);
        }
        pane.InitPane({2, 0, 200, 100});
        pane.SetPaneOrigin(2, 0);
    }
    ~DrawnPane() override {
        for (int picture = 0; picture < 4; ++picture) {
            SetButtonBitmapSize(picture, {});
        }
    }

    void Draw() {
        device.ClearRecords();
        DrawSurface dc(device);
        pane.DrawPane(dc);
    }
    EquationContext& ctx() { return pane.context(); }
    // Where a click lands on an element's end point (measured half a height above the baseline).
    static Point AtEnd(const EquationElement& e) { return Point{e.end.x, e.end.y - e.height / 2}; }
    EquationElement* Element(std::size_t line, std::size_t index) {
        EquationElement* e = ctx().equations.at(line)->FirstChild();
        while (index-- > 0 && e != nullptr) {
            e = e->next();
        }
        return e;
    }
    void Click(Point p) { pane.ClickAt(static_cast<int>(p.x), static_cast<int>(p.y)); }
    // The last painted text equal to s (variable rows are painted after the equations).
    const testing::RecordedText& Last(const std::string& s) {
        for (auto it = device.texts.rbegin(); it != device.texts.rend(); ++it) {
            if (it->text == s) {
                return *it;
            }
        }
        ADD_FAILURE() << "not painted: " << s;
        static testing::RecordedText none;
        return none;
    }

    EquationPane pane;
    testing::FixedMetricsDevice device;
};

TEST_F(DrawnPane, LinesStackDownwardWithoutOverlapAndVariableRowsFollowEvenlySpaced) {
    ReadStoredText(ctx(), "2|y=a+b@|z=y*2@|a|3@", false);
    Draw();
    const std::vector<GroupElement*>& lines = ctx().lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->boxFirst.y, 0.0);
    EXPECT_EQ(lines[0]->boxFirst.x, 2.0);
    EXPECT_GT(lines[1]->boxFirst.y, lines[0]->boxSecond.y);
    const double lineStep = lines[1]->start.y - lines[0]->start.y;

    // Rows "a = 3" and "b = {buttons}" below the equations, one line step apart.
    const testing::RecordedText& a = Last("a");
    const testing::RecordedText& b = Last("b");
    EXPECT_GT(a.y, lines[1]->start.y + lineStep / 2);
    EXPECT_EQ(b.y - a.y, lineStep);
    // Name, "=", value on one baseline, left to right.
    const testing::RecordedText& three = Last("3");
    EXPECT_EQ(three.y, a.y);
    bool equalsBetween = false;
    for (const testing::RecordedText& t : device.texts) {
        equalsBetween |= t.text == "=" && t.y == a.y && a.x < t.x && t.x < three.x;
    }
    EXPECT_TRUE(equalsBetween);
}

TEST_F(DrawnPane, ResultTextIsPaintedAfterTheLineOnlyWhileResultsAreShown) {
    ReadStoredText(ctx(), "y=2@", false);
    ctx().equations[0]->SetResultText(" = 2");
    Draw();
    EXPECT_EQ(device.FindText(" = 2"), nullptr);
    ctx().resultsShown = 1;
    Draw();
    const testing::RecordedText* result = device.FindText(" = 2");
    ASSERT_NE(result, nullptr);
    EXPECT_GE(result->x, static_cast<int>(Element(0, 3)->end.x));
    EXPECT_EQ(result->y, static_cast<int>(ctx().equations[0]->start.y));
}

TEST_F(DrawnPane, ClickPutsTheCaretAfterTheNearestElementAndCaretRectFollows) {
    ReadStoredText(ctx(), "2|y=x@|z=y@", false);
    Draw();
    EquationElement* y = Element(0, 1);
    Click(AtEnd(*y));
    EXPECT_EQ(ctx().currentLine, ctx().equations[0]);
    EXPECT_EQ(ctx().caret, y);
    CaretBox caret = pane.CaretRect();
    EXPECT_EQ(caret.x, static_cast<int>(y->EndPoint().x));
    EXPECT_EQ(caret.y, static_cast<int>(y->EndPoint().y));
    EXPECT_EQ(caret.width, 1);
    EXPECT_EQ(caret.height, 12);

    // A click on the second line makes it current; typing goes there.
    EquationElement* last = Element(1, 3);
    Click(AtEnd(*last));
    EXPECT_EQ(ctx().currentLine, ctx().equations[1]);
    EXPECT_EQ(ctx().caret, last);
    pane.TypeChar('+');
    EXPECT_EQ(ContentsText(*ctx().equations[1]), "z=y+@");
}

TEST_F(DrawnPane, ClicksOutsideEveryLineChangeNothing) {
    ReadStoredText(ctx(), "y=x@", false);
    Draw();
    EquationElement* caret = ctx().caret;
    Click(Point{10, -5});
    Click(Point{10, 500});
    EXPECT_EQ(ctx().caret, caret);
    // Lines made since the last drawing have no geometry yet and take no clicks.
    EquationPane fresh(50, 50, 0, 0);
    fresh.InitPane({2, 0, 50, 50});
    fresh.ClickAt(3, 3);
    EXPECT_EQ(fresh.context().caret, fresh.context().equations[0]->FirstChild());
}

class VariableButtons : public DrawnPane {
protected:
    VariableButtons() {
        ReadStoredText(ctx(), "y=2x@", false);
        Draw();
        line = DefinitionLine(ctx(), "x");
    }
    // A point inside a drawn button (bitmap above its start point).
    static Point Inside(const EquationElement& button) {
        return Point{button.start.x + 2, button.start.y - 2};
    }
    GroupElement* line = nullptr;
};

TEST_F(VariableButtons, IndependentButtonMakesTheVariableIndependent) {
    ASSERT_NE(line, nullptr);
    EquationElement* independent = FindVariableButton(*line, 1);
    ASSERT_NE(independent, nullptr);
    Click(Inside(*independent));
    EXPECT_EQ(ctx().variableTable.Find("x"), 0);
    EXPECT_EQ(PaneOf(*line)->open, 0);
    EXPECT_EQ(line->FirstChild()->next(), independent);
    EXPECT_EQ(ctx().currentLine, line);
    EXPECT_TRUE(ctx().lineElements.Contains(ctx().caret));
    EXPECT_EQ(pane.CaretRect().width, 0); // a button takes no keys
    EXPECT_EQ(ComposeStoredText(ctx()), "y=2x@|x|IVAR");
}

TEST_F(VariableButtons, UnchangedButtonIsDeletedSafelyAndTheLineTakesADefinition) {
    ASSERT_NE(line, nullptr);
    EquationElement* keep = FindVariableButton(*line, 0);
    ASSERT_NE(keep, nullptr);
    Click(Inside(*keep));
    EXPECT_EQ(PaneOf(*line)->open, 0);
    EXPECT_EQ(PaneOf(*line)->secondFlag, 0);
    EXPECT_EQ(line->FirstChild()->next(), nullptr);
    EXPECT_EQ(ctx().currentLine, line);
    EXPECT_EQ(ctx().caret, line->FirstChild());
    EXPECT_TRUE(ctx().lineElements.Contains(ctx().caret));
    EXPECT_EQ(pane.CaretRect().width, 1);
    pane.TypeChar('5');
    EXPECT_EQ(ComposeStoredText(ctx()), "y=2x@|x|5@");
    EXPECT_EQ(ctx().variableTable.Count(), 0u);
    // With its second flag cleared the pane takes clicks as an ordinary line.
    Draw();
    Click(AtEnd(*line->FirstChild()->next()));
    EXPECT_EQ(ContentsText(*line), "5@");
}

TEST_F(VariableButtons, ClickBesideAButtonOnlyPlacesTheCaret) {
    ASSERT_NE(line, nullptr);
    EquationElement* keep = FindVariableButton(*line, 0);
    Click(Point{keep->start.x + 2, keep->start.y + 1}); // below the picture, same row
    EXPECT_EQ(PaneOf(*line)->open, 1);
    EXPECT_EQ(ctx().currentLine, line);
    EXPECT_EQ(ctx().variableTable.Count(), 0u);
}

TEST_F(DrawnPane, PrefixComesBackWhenTheCurrentEquationWasEmptied) {
    ReadStoredText(ctx(), "y=x@", false);
    ClearLine(ctx());
    pane.RestorePrefix();
    EXPECT_EQ(ContentsText(*ctx().equations[0]), "y=@");
    EXPECT_EQ(ctx().caret, Element(0, 2));
    // A non-empty equation is left alone.
    pane.TypeChar('3');
    pane.RestorePrefix();
    EXPECT_EQ(ContentsText(*ctx().equations[0]), "y=3@");
}

} // namespace
} // namespace zx::equation
