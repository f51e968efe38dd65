// Compiling numbers and fractions.
#include "expr_builder.h"
#include "group_element.h"
#include "structure_elements.h"

namespace zx::equation {

namespace {

bool HasContents(EquationElement* group) {
    return group != nullptr && group->IsGroup() && !static_cast<GroupElement*>(group)->IsEmpty();
}

// The compiled part, or null when it yields no node (an empty numerator or denominator).
GroupNode* CompilePart(EquationElement* group) {
    if (group == nullptr) {
        return nullptr;
    }
    GroupNode* part = CompileSubexpression(*group);
    if (part->Head()->Next() == nullptr) {
        DestroyNodeTree(part);
        return nullptr;
    }
    return part;
}

} // namespace

void DigitElement::Compile(ExprNode* after) {
    if (after == nullptr) {
        return;
    }
    ExprNode* place = PrepareImplicitProduct(after, false);
    auto* number = AppendOperand(place, new NumberNode(tag));
    // The digits that follow belong to the same number.
    EquationElement* last = this;
    while (last->next() != nullptr && last->next()->kind == kDigitKind) {
        last = last->next();
        number->AppendChar(last->tag);
    }
    number->Convert();
    if (HasContents(last->upper())) {
        number->SetExponent(CompileSubexpression(*last->upper()));
    }
    CompileNext(*last, number);
}

void FractionElement::Compile(ExprNode* after) {
    if (after == nullptr) {
        return;
    }
    ExprNode* place = PrepareImplicitProduct(after, false);
    auto* division = AppendOperand(place, new DivisionNode());
    division->SetNumerator(CompilePart(upper()));
    division->SetDenominator(CompilePart(lower()));
    CompileNext(*this, division);
}

} // namespace zx::equation
