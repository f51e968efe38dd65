// Compiling groups (parentheses, square roots, attached groups used as lines) and function
// names.
#include "expr_builder.h"
#include "function_element.h"
#include "group_element.h"

namespace zx::equation {

void GroupElement::Compile(ExprNode* after) {
    if (after == nullptr) {
        return;
    }
    if (evaluated == 0) {
        // Square brackets are shown but take no part in the value.
        CompileNext(*this, after);
        return;
    }
    ExprNode* place = PrepareImplicitProduct(after, true);
    auto* group = AppendOperand(place, new GroupNode(EnclosureFunctionFor(enclosureCode())));
    auto* sup = upper();
    if (sup != nullptr && sup->IsGroup() && !static_cast<GroupElement*>(sup)->IsEmpty()) {
        group->SetExponent(CompileSubexpression(*sup));
    }
    if (FirstChild() != nullptr) {
        FirstChild()->Compile(group->Head());
    }
    CompileNext(*this, group);
}

void FunctionElement::Compile(ExprNode* after) {
    std::unique_ptr<MathFunction> function = MakeMathFunction(name());
    auto* sup = upper();
    if (function != nullptr && sup != nullptr && sup->IsGroup() &&
        !static_cast<GroupElement*>(sup)->IsEmpty()) {
        function->SetExponent(CompileSubexpression(*sup));
    }
    // The next operand (normally the parenthesised argument) takes the function; an unknown
    // name leaves the slot empty.
    SetPendingFunction(std::move(function));
    CompileNext(*this, after);
}

} // namespace zx::equation
