// The text form: every reader code, its edge cases, and round trips of written texts.
#include <gtest/gtest.h>

#include "tree_checks.h"

namespace zx::equation {
namespace {

using testing::ReadLine;
using testing::RoundTrip;
using testing::TreeIsSound;
using testing::Written;

struct ReaderOnRoot : ::testing::Test {
    ReaderOnRoot() { reader.SetCurrent(root->FirstChild()); }
    void Feed(std::string_view text) {
        reader.FeedString(text);
        ASSERT_TRUE(TreeIsSound(root.get()));
    }
    LinePtr root{new GroupElement};
    EquationReader reader;
};

TEST(TextForm, WrittenExamplesRoundTrip) {
    for (const char* text : {"x+1@", "x^2@@", "/^a@&b@@", "{cos}(x@@", "{Sa}~@", "%x+1@@", "[a@b@",
                             "$x=2@", "y=3x/^1@&x+1@-%x@@", "x^(a@@+1@", "((a@@+1@", "x^(a@b@+1@",
                             "{sin}^2@(x@@", "a^2@&1@@", "(@@", "a^2@~@"}) {
        EXPECT_EQ(RoundTrip(text), text) << text;
    }
}

TEST(TextForm, HoleComesBackAsACharacter) {
    LinePtr root(ReadLine("ab^2@@"));
    EquationElement* b = root->FirstChild()->next()->next();
    auto* hole = new HoleElement(b);
    TakePlace(b, hole);
    b->Destroy();
    const std::string text = Written(*root);
    EXPECT_EQ(text, "a?^2@@");
    LinePtr again(ReadLine(text));
    EXPECT_EQ(again->FirstChild()->next()->next()->kind, kCharKind);
}

TEST_F(ReaderOnRoot, EmptyBracesCreateNothingAndCloseTheBraces) {
    Feed("{}");
    EXPECT_FALSE(reader.InBraces());
    EXPECT_EQ(Written(*root), "@");
    Feed("x");
    EXPECT_EQ(Written(*root), "x@");
}

TEST_F(ReaderOnRoot, SymbolBracesMakeOneElementPerCharacter) {
    Feed("{Sab}");
    EXPECT_EQ(reader.Current()->tag, 'b');
    EXPECT_EQ(reader.Current()->kind, kSymbolKind);
    EXPECT_EQ(reader.Current()->prev()->kind, kSymbolKind);
    EXPECT_EQ(Written(*root), "{Sa}{Sb}@");
}

TEST_F(ReaderOnRoot, FunctionNamesWithAndWithoutThePrefix) {
    Feed("{cos}{Fcos}{FSinh}{Sinh}");
    // A name that begins with "F" or "S" is written with the "F", or it would read back as
    // a different name (or as Symbol characters).
    EXPECT_EQ(Written(*root), "{cos}{cos}{FSinh}{Si}{Sn}{Sh}@");
    EXPECT_EQ(RoundTrip("{FFFsin}@"), "{FFFsin}@");
    EXPECT_EQ(RoundTrip("{FSinh}@"), "{FSinh}@");
    auto* f = static_cast<FunctionElement*>(root->FirstChild()->next());
    EXPECT_EQ(f->name(), "cos");
    EXPECT_EQ(f->nameLength(), 3);
}

TEST_F(ReaderOnRoot, UnterminatedBraceCreatesNothing) {
    Feed("a{cos");
    EXPECT_TRUE(reader.InBraces());
    EXPECT_EQ(Written(*root), "a@");
}

TEST_F(ReaderOnRoot, EndOfChainInASuperscriptReturnsToItsOwner) {
    Feed("x^2");
    EquationElement* x = root->FirstChild()->next();
    Feed("@");
    EXPECT_EQ(reader.Current(), x);
}

TEST_F(ReaderOnRoot, EndOfChainOnTheRootKeepsTheRootCurrent) {
    Feed("x@");
    EXPECT_EQ(reader.Current(), root.get());
    Feed("@");
    EXPECT_EQ(reader.Current(), root.get());
    Feed("(1");
    EXPECT_TRUE(TreeIsSound(root.get()));
}

TEST_F(ReaderOnRoot, EveryCodeIsANoOpWithoutCurrent) {
    reader.SetCurrent(nullptr);
    reader.FeedString("x(/$^~1@&\x02");
    EXPECT_EQ(reader.Current(), nullptr);
    EXPECT_EQ(Written(*root), "@");
}

TEST_F(ReaderOnRoot, SuperscriptReadTwiceReusesTheGroup) {
    Feed("x^2@^3@@");
    EXPECT_EQ(Written(*root), "x^32@@"); // "^" enters at the placeholder
}

TEST_F(ReaderOnRoot, FractionCodesEnterNumeratorAndDenominator) {
    Feed("/");
    EquationElement* fraction = reader.Current();
    EXPECT_EQ(fraction->kind, kFractionKind);
    Feed("^");
    EXPECT_EQ(reader.Current(), fraction->upper()->FirstChild());
    Feed("a@&");
    EXPECT_EQ(reader.Current(), fraction->lower()->FirstChild());
}

TEST_F(ReaderOnRoot, AccentIsReplacedAndCurrentStays) {
    Feed("x~");
    EquationElement* x = reader.Current();
    EquationElement* first = x->accent;
    Feed("~");
    EXPECT_EQ(reader.Current(), x);
    EXPECT_NE(x->accent, nullptr);
    EXPECT_NE(x->accent, first);
}

TEST_F(ReaderOnRoot, GroupsDeltaDigitsAndCharacters) {
    Feed("%a@[b@(c@$1.5q");
    EXPECT_EQ(Written(*root), "%a@[b@(c@$1.5q@");
    ElementList list;
    root->Collect(list);
    auto* sqrt = static_cast<GroupElement*>(list[2]);
    auto* brackets = static_cast<GroupElement*>(list[5]);
    EXPECT_EQ(sqrt->enclosureCode(), 's');
    EXPECT_EQ(brackets->enclosureCode(), '[');
    EXPECT_EQ(brackets->evaluated, 0);
    EXPECT_EQ(list.Last()->kind, kCharKind);
    EXPECT_EQ(list.Last()->prev()->kind, kDigitKind);
}

TEST_F(ReaderOnRoot, CloseParenthesisGoesToTheEnclosingGroupWithoutStepping) {
    Feed("x^a)");
    EXPECT_EQ(reader.Current(), root->FirstChild()->next()->upper());
}

TEST_F(ReaderOnRoot, ElementsAfterAGroupOutsideAnyChainGoIntoItsContents) {
    Feed("x^a)b@c");
    EXPECT_EQ(Written(*root), "x^ab@c@");
    Feed("@^2&3");
    EXPECT_EQ(root->next(), nullptr);
    EXPECT_EQ(root->attachments, nullptr);
    EXPECT_EQ(Written(*root), "x^ab@c2&3@@"); // "^" ignored on the root, "&" taken by the 2
}

TEST_F(ReaderOnRoot, MoveCodesFollowLinksWhenTheyExist) {
    Feed("a^2@&3@b");
    EquationElement* b = reader.Current();
    EquationElement* a = b->prev();
    Feed("\x02");
    EXPECT_EQ(reader.Current(), a);
    Feed("\x15");
    EXPECT_EQ(reader.Current(), a->upper());
    Feed("\x02\x04\x04");
    EXPECT_EQ(reader.Current(), a->lower());
    reader.SetCurrent(b);
    Feed("\x06\x15\x04");
    EXPECT_EQ(reader.Current(), b);
}

TEST_F(ReaderOnRoot, SpacesAndFieldSeparatorsAreIgnored) {
    Feed("a b|c");
    EXPECT_EQ(Written(*root), "abc@");
}

TEST_F(ReaderOnRoot, StopsInsertingWhenTheLineIsFull) {
    std::string many(kMaxLineElements + 50, 'x');
    Feed(many);
    EXPECT_EQ(CountElements(root.get()), kMaxLineElements);
    Feed("((((//");
    EXPECT_EQ(CountElements(root.get()), kMaxLineElements);
}

TEST_F(ReaderOnRoot, DeepNestingStopsAtTheCap) {
    Feed(std::string(2000, '('));
    EXPECT_LE(CountElements(root.get()), kMaxLineElements);
    EXPECT_EQ(Written(*root).size() > 0, true);
}

} // namespace
} // namespace zx::equation
