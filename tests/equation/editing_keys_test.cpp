// Editing by keys, checked through the written text form and the caret.
#include <gtest/gtest.h>

#include "tree_checks.h"

namespace zx::equation {
namespace {

using Editing = testing::EditingFixture;

TEST_F(Editing, TypingBuildsTheLineAndMovesTheCaret) {
    Type("y=2x+1");
    EXPECT_EQ(Text(), "y=2x+1@");
    EXPECT_EQ(CaretTag(), '1');
}

TEST_F(Editing, FractionKeyTakesTheNumberBeforeTheCaretAsNumerator) {
    Type("a+12/");
    EXPECT_EQ(Text(), "a+/^12@&@@");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
    EXPECT_EQ(ContainingGroup(ctx.caret), ctx.caret->prev());
    Type("3");
    EXPECT_EQ(Text(), "a+/^12@&3@@");
}

TEST_F(Editing, FractionKeyTakesADeltaWithItsLetter) {
    Type("$x/");
    EXPECT_EQ(Text(), "/^$x@&@@");
}

TEST_F(Editing, FractionKeyAtTheStartMakesAnEmptyFractionWithTheCaretInTheNumerator) {
    Type("/");
    EXPECT_EQ(Text(), "/^@&@@");
    Type("1");
    EXPECT_EQ(Text(), "/^1@&@@");
    Type("+/");
    EXPECT_EQ(Text(), "/^1+/^@&@@&@@");
}

TEST_F(Editing, EqualsOnlyAtTheTopLevelAndNeverTwiceInARow) {
    Type("y==");
    EXPECT_EQ(Text(), "y=@");
    Type("(a=");
    EXPECT_EQ(Text(), "y=(a@@");
    Type(")=");
    EXPECT_EQ(Text(), "y=(a@=@");
}

TEST_F(Editing, BackspaceOnAPlaceholderDeletesTheFirstElementOfTheGroup) {
    Type("(ab");
    ctx.caret = ctx.caret->prev()->prev();
    ASSERT_TRUE(ctx.caret->IsPlaceholder());
    Type("\b");
    EXPECT_EQ(Text(), "(b@@");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
}

TEST_F(Editing, BackspaceInAnEmptyNumeratorOrRootChangesNothing) {
    Type("\b");
    EXPECT_EQ(Text(), "@");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
    Type("/\b");
    EXPECT_EQ(Text(), "/^@&@@");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
}

TEST_F(Editing, BackspaceInAnEmptySuperscriptRemovesItAndReturnsToItsOwner) {
    Type("x^");
    Type("\b");
    EXPECT_EQ(Text(), "x@");
    EXPECT_EQ(CaretTag(), 'x');
    EXPECT_EQ(ctx.caret->attachments, nullptr);
}

TEST_F(Editing, BackspaceInAnEmptyParenthesisRemovesTheGroup) {
    Type("a(");
    Type("\b");
    EXPECT_EQ(Text(), "a@");
    EXPECT_EQ(CaretTag(), 'a');
}

TEST_F(Editing, BackspaceInAnEmptyGroupWithASuperscriptLeavesAHole) {
    Type("a()^2 ");
    ASSERT_EQ(Text(), "a(@^2@@");
    ctx.caret = line->FirstChild()->next()->next()->FirstChild();
    Type("\b");
    EXPECT_EQ(Text(), "a?^2@@");
    EXPECT_EQ(ctx.caret->kind, kHoleKind);
    Type("b");
    EXPECT_EQ(Text(), "ab^2@@");
}

TEST_F(Editing, BackspaceRemovesAnElementWithItsAttachments) {
    Type("ab^2 c");
    ASSERT_EQ(Text(), "ab^2@c@");
    ctx.caret = ctx.caret->prev();
    Type("\b");
    EXPECT_EQ(Text(), "ac@");
    EXPECT_EQ(CaretTag(), 'a');
}

TEST_F(Editing, BackspaceOnANonEmptyGroupDestroysItsWholeContents) {
    Type("a(b^2 c");
    Type(")");
    ASSERT_TRUE(ctx.caret->IsGroup());
    Type("\b");
    EXPECT_EQ(Text(), "a@");
}

TEST_F(Editing, BackspaceNeverDeletesTheRootGroup) {
    Type("a)");
    ASSERT_EQ(ctx.caret, line);
    Type("\b");
    EXPECT_EQ(ctx.caret, line);
    EXPECT_EQ(Text(), "a@");
}

TEST_F(Editing, DeleteKeyRemovesTheElementAfterTheCaret) {
    Type("abc");
    ctx.caret = ctx.caret->prev()->prev();
    HandleKeyChecked(kKeyDelete);
    EXPECT_EQ(Text(), "ac@");
    EXPECT_EQ(CaretTag(), 'a');
}

TEST_F(Editing, SpaceInASuperscriptReturnsToItsOwner) {
    Type("x^2 ");
    EXPECT_EQ(CaretTag(), 'x');
    Type("+1");
    EXPECT_EQ(Text(), "x^2@+1@");
}

TEST_F(Editing, SpaceOnAnElementWithGroupsEntersTheLowerGroupFirst) {
    Type("x^2 &3 ");
    EXPECT_EQ(CaretTag(), 'x');
    Type(" ");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
    EXPECT_EQ(ctx.caret->prev(), line->FirstChild()->next()->lower());
}

TEST_F(Editing, ArrowsFollowTheLinks) {
    Type("a^2 b");
    HandleKeyChecked(kKeyLeft);
    EXPECT_EQ(CaretTag(), 'a');
    HandleKeyChecked(kKeyUp);
    EXPECT_TRUE(ctx.caret->IsGroup());
    HandleKeyChecked(kKeyDown);
    EXPECT_TRUE(ctx.caret->IsGroup());
    HandleKeyChecked(kKeyLeft);
    EXPECT_EQ(CaretTag(), 'a');
    HandleKeyChecked(kKeyRight);
    EXPECT_EQ(CaretTag(), 'b');
    HandleKeyChecked(kKeyRight);
    EXPECT_EQ(CaretTag(), 'b');
}

TEST_F(Editing, TypingOnAGroupOutsideAnyChainAppendsToItsContents) {
    // ")" in a superscript leaves the caret on the superscript group itself; what is typed then
    // stays in the superscript, where it is drawn, so the stored text reads back the same.
    Type("x^2)+1");
    EXPECT_EQ(Text(), "x^2+1@@");
    Type(" =");
    EXPECT_EQ(Text(), "x^2+1@=@");
    // The line's root takes neither a right neighbour nor attachments.
    ctx.caret = line;
    Type("^y");
    EXPECT_EQ(Text(), "x^2+1@=y@");
}

TEST_F(Editing, CaretOnAPlaceholderTakesNoAttachments) {
    Type("^&");
    EXPECT_EQ(Text(), "@");
}

TEST_F(Editing, ReturnOnAnEmptyLineDoesNothing) {
    HandleKeyChecked(kKeyReturn);
    EXPECT_EQ(ctx.lines.size(), 1u);
    Type("a\r");
    ASSERT_EQ(ctx.lines.size(), 2u);
    EXPECT_EQ(ctx.currentLine, ctx.lines[1]);
    EXPECT_DOUBLE_EQ(ctx.currentLine->origin.y, line->origin.y - 1.2 * 15);
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
    EXPECT_EQ(ctx.equations.size(), 1u);
}

TEST_F(Editing, KeysAreIgnoredOnElementsThatAreNotEditable) {
    Type("a");
    ctx.caret->editable = 0;
    Type("b\b");
    EXPECT_EQ(Text(), "a@");
}

TEST_F(Editing, KeysClearTheResultAndResultsShown) {
    ctx.resultsShown = 1;
    line->SetResultText(" = 2");
    Type("a");
    EXPECT_EQ(ctx.resultsShown, 0);
    EXPECT_EQ(line->resultText().text(), " ");
}

TEST_F(Editing, KeysStopInsertingWhenTheLineIsFull) {
    Type(std::string(kMaxLineElements, 'x'));
    EXPECT_EQ(CountElements(line), kMaxLineElements);
    Type("((//^");
    EXPECT_EQ(CountElements(line), kMaxLineElements);
}

TEST_F(Editing, PasteLinksTheTopLevelChainAfterTheCaret) {
    Type("ab");
    ctx.caret = ctx.caret->prev();
    InsertString(ctx, "(x@y^2@");
    EXPECT_TRUE(testing::ContextIsSound(ctx));
    EXPECT_EQ(Text(), "a(x@y^2@b@");
    EXPECT_EQ(CaretTag(), 'y');
    // The clipboard keeps its own elements: pasting again gives fresh copies.
    Paste(ctx);
    EXPECT_EQ(Text(), "a(x@y^2@(x@y^2@b@");
    EXPECT_TRUE(testing::ContextIsSound(ctx));
}

TEST_F(Editing, PasteAtAHoleReplacesIt) {
    Type("a()^2 ");
    ctx.caret = line->FirstChild()->next()->next()->FirstChild();
    Type("\b");
    ASSERT_EQ(Text(), "a?^2@@");
    InsertString(ctx, "bc");
    EXPECT_EQ(Text(), "ab^2@c@");
}

TEST_F(Editing, InsertedTextDropsFieldSeparators) {
    InsertString(ctx, "a|b");
    EXPECT_EQ(Text(), "ab@");
    Type("|");
    EXPECT_EQ(Text(), "ab@");
}

TEST_F(Editing, ClearLineLeavesOnlyThePlaceholder) {
    Type("y=x^2");
    line->SetResultText(" = 4");
    ClearLine(ctx);
    EXPECT_EQ(Text(), "@");
    EXPECT_TRUE(ctx.caret->IsPlaceholder());
    EXPECT_EQ(line->resultText().text(), "");
    EXPECT_TRUE(testing::ContextIsSound(ctx));
}

TEST_F(Editing, RemoveCurrentLineClearsCaretAndCurrentLine) {
    Type("a\rb");
    RemoveCurrentLine(ctx);
    EXPECT_EQ(ctx.caret, nullptr);
    EXPECT_EQ(ctx.currentLine, nullptr);
    EXPECT_EQ(ctx.lines.size(), 1u);
    Type("c");
    EXPECT_EQ(testing::Written(*line), "a@");
}

TEST_F(Editing, DestroyingTheCurrentLineFromOutsideForgetsCaretAndAnchor) {
    Type("abc");
    ctx.DestroyLine(line);
    EXPECT_EQ(ctx.caret, nullptr);
    EXPECT_EQ(ctx.currentLine, nullptr);
    EXPECT_TRUE(ctx.lineElements.Empty());
    EXPECT_TRUE(ctx.lines.empty());
    EXPECT_TRUE(ctx.equations.empty());
}

} // namespace
} // namespace zx::equation
