// The element tree: insertion, flattening order, cloning, destroying, the owner walks.
#include <gtest/gtest.h>

#include "tree_checks.h"

namespace zx::equation {
namespace {

using testing::ReadLine;
using testing::TreeIsSound;
using testing::Written;

TEST(ElementTree, InsertingAfterAnEmptyGroupMakesTheFirstChild) {
    GroupElement group;
    group.FirstChild()->Destroy();
    group.SetFirstChild(nullptr);
    auto* neighbour = new CharElement('n');
    group.link->next = neighbour;
    neighbour->link->prev = &group;
    auto* e = new CharElement('e');
    group.InsertAfter(e);
    EXPECT_EQ(group.FirstChild(), e);
    EXPECT_EQ(e->prev(), &group);
    // The neighbour stays the group's, and only the group's, right neighbour.
    EXPECT_EQ(e->next(), nullptr);
    EXPECT_EQ(group.next(), neighbour);
    e->Destroy();
    neighbour->Destroy();
    group.SetFirstChild(nullptr);
    group.link->next = nullptr;
}

TEST(ElementTree, InsertingAfterANonEmptyGroupMakesTheRightNeighbour) {
    LinePtr root(ReadLine("(a@b@"));
    EquationElement* paren = root->FirstChild()->next();
    auto* e = new CharElement('e');
    paren->InsertAfter(e);
    EXPECT_EQ(paren->next(), e);
    EXPECT_EQ(e->next()->tag, 'b');
    EXPECT_EQ(Written(*root), "(a@eb@");
    EXPECT_TRUE(TreeIsSound(root.get()));
}

TEST(ElementTree, APlaceholderAloneWritesOnlyTheChainEnd) {
    LinePtr root(new GroupElement);
    EXPECT_EQ(Written(*root), "@");
}

TEST(ElementTree, CollectListsGroupThenContentsThenAttachmentsThenNeighbour) {
    // x, then a parentheses group holding a with a superscript group holding 2, then y.
    LinePtr root(ReadLine("x(a@^2@y@"));
    ElementList list;
    root->Collect(list);
    std::string tags;
    for (EquationElement* e : list) {
        tags += e->tag;
    }
    EXPECT_EQ(tags, "L?xL?aL?2y");
}

TEST(ElementTree, CloneDeepCopiesOwnedParts) {
    LinePtr root(ReadLine("x~@"));
    root->SetResultText(" = 1");
    EquationElement* x = root->FirstChild()->next();
    ASSERT_NE(x->accent, nullptr);
    EquationElement* copy = x->Clone();
    EXPECT_NE(copy->accent, x->accent);
    EXPECT_EQ(copy->accent->tag, kSymbolRightArrow);
    EquationElement* groupCopy = root->Clone();
    auto* g = static_cast<GroupElement*>(groupCopy);
    EXPECT_NE(&g->enclosure(), &root->enclosure());
    EXPECT_NE(&g->resultText(), &root->resultText());
    EXPECT_EQ(g->resultText().text(), " = 1");
    // Destroying the clones leaves the original's parts alive (checked by the sanitizers).
    copy->Destroy();
    g->SetFirstChild(nullptr);
    groupCopy->Destroy();
    EXPECT_EQ(Written(*root), "x~@");
}

TEST(ElementTree, CloneRunRepointsLinksInsideAndClearsLinksOutside) {
    LinePtr root(ReadLine("a+/^b@&c@@"));
    ElementList list;
    root->Collect(list);
    // Clone from '+' to the end: '+' links back to a (outside), the fraction's groups inside.
    const std::size_t plus = 3;
    ASSERT_EQ(list[plus]->tag, '+');
    ElementList clones;
    CloneRun(list, plus, list.Count() - plus, clones);
    EXPECT_EQ(clones[0]->prev(), nullptr);
    EquationElement* fraction = clones[0]->next();
    ASSERT_NE(fraction, nullptr);
    EXPECT_EQ(fraction->kind, kFractionKind);
    EXPECT_TRUE(clones.Contains(fraction->upper()));
    EXPECT_EQ(fraction->upper()->prev(), fraction);
    std::string text;
    clones[0]->WriteText(text);
    EXPECT_EQ(text, "+/^b@&c@@");
    clones.DestroyAll();
    EXPECT_TRUE(TreeIsSound(root.get()));
}

TEST(ElementTree, CloneSubtreeCopiesAnArgumentNamesGroup) {
    auto* name = new ArgumentNameElement('y');
    ReadInto(name->arguments(), "x,t@");
    EquationElement* copy = CloneSubtree(name);
    auto* arg = static_cast<ArgumentNameElement*>(copy);
    EXPECT_NE(&arg->arguments(), &name->arguments());
    EXPECT_EQ(testing::Written(arg->arguments()), "x,t@");
    DestroySubtree(name);
    EXPECT_EQ(testing::Written(arg->arguments()), "x,t@");
    DestroySubtree(copy);
}

TEST(ElementTree, DestroyingOneElementKeepsNeighboursAndGroups) {
    LinePtr root(ReadLine("ab^2@c@"));
    EquationElement* a = root->FirstChild()->next();
    EquationElement* b = a->next();
    EquationElement* sup = b->upper();
    Unlink(b);
    b->DetachUpper();
    sup->link->prev = nullptr;
    b->Destroy();
    EXPECT_EQ(Written(*root), "ac@");
    EXPECT_TRUE(TreeIsSound(sup));
    DestroyChain(sup);
}

TEST(ElementTree, DistanceOfAnUndrawnElementIsFromTheOrigin) {
    CharElement c('x');
    EXPECT_DOUBLE_EQ(c.Distance({3.0, 4.0}), 5.0);
}

TEST(ElementTree, EnclosingWalksStepOverGroupsToTheLeft) {
    LinePtr root(ReadLine("x^(a@b@@"));
    EquationElement* x = root->FirstChild()->next();
    EquationElement* sup = x->upper();
    EquationElement* paren = sup->FirstChild()->next();
    EquationElement* b = paren->next();
    EXPECT_EQ(b->EnclosingGroup(), sup);
    EXPECT_EQ(ContainingGroup(paren), sup);
    EXPECT_EQ(paren->EnclosingGroup(), paren);
    EXPECT_EQ(LineRoot(b), root.get());
    // Detached elements have no owner: the walks stop at null.
    CharElement loose('z');
    EXPECT_EQ(loose.EnclosingGroup(), nullptr);
    EXPECT_EQ(loose.TermStart(), &loose);
}

TEST(ElementTree, TermStartTakesTheWholeNumberAndADeltaBeforeALetter) {
    LinePtr root(ReadLine("a+123$x@"));
    EquationElement* a = root->FirstChild()->next();
    EquationElement* one = a->next()->next();
    EquationElement* three = one->next()->next();
    EXPECT_EQ(three->TermStart(), one);
    EquationElement* delta = three->next();
    EXPECT_EQ(delta->next()->TermStart(), delta);
}

TEST(ElementTree, AHoleKeepsItsGroupsAndHandsThemToTheElementPutInItsPlace) {
    LinePtr root(ReadLine("ab^2@&3@@"));
    EquationElement* b = root->FirstChild()->next()->next();
    auto* hole = new HoleElement(b);
    TakePlace(b, hole);
    b->Destroy();
    EXPECT_EQ(Written(*root), "a?^2@&3@@");
    EXPECT_TRUE(TreeIsSound(root.get()));
    hole->InsertAfter(new CharElement('c'));
    EXPECT_EQ(Written(*root), "ac^2@&3@@");
    EXPECT_TRUE(TreeIsSound(root.get()));
}

TEST(ElementTree, VariableNameCarriesDeltaSubscriptAndAccent) {
    LinePtr root(ReadLine("$x&1@~{Sa}@"));
    EquationElement* x = root->FirstChild()->next()->next();
    std::string key;
    x->VariableName(key);
    EXPECT_EQ(key, "$x&1@~");
    std::string alpha;
    x->next()->VariableName(alpha);
    EXPECT_EQ(alpha, "{Sa}");
}

TEST(ElementTree, FixedResultTextKeepsNinetyNineCharacters) {
    LinePtr root(new GroupElement);
    root->SetResultText(std::string(150, 'r'));
    EXPECT_EQ(root->resultText().text().size(), 99u);
}

TEST(ElementTree, ButtonsWriteTheirStateAndOnlyKnownPicturesHaveSizes) {
    SetButtonBitmapSize(0, {20, 10});
    VariableButtonElement ivar(1, 1), unch(2, 0), other(1, 2);
    std::string text;
    ivar.WriteText(text);
    unch.WriteText(text);
    other.WriteText(text);
    EXPECT_EQ(text, "IVARUNCH");
    EXPECT_EQ(ivar.bitmapSize.width, 20);
    EXPECT_EQ(ButtonBitmapSize(0).width, 0);
    EXPECT_EQ(ButtonBitmapSize(9).width, 0);
    EXPECT_EQ(ivar.editable, 0);
}

} // namespace
} // namespace zx::equation
