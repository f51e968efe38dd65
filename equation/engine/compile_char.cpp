// Compiling the character family: operators become operator nodes, every other character a
// variable named by its key. Precedence comes from the grouping made here: a product is
// wrapped into a group of its own, and a '+' or '-' after a product steps out of it.
#include <string>

#include "char_element.h"
#include "expr_builder.h"
#include "group_element.h"

namespace zx::equation {

namespace {

ExprNode* CompileMultiplication(ExprNode* after, char op) {
    // The left operand joins the product unless it already stands in one.
    if (after->IsOperand() && after->Prev() != nullptr && !after->Prev()->IsMultiplication()) {
        Wrap(after);
    }
    return AppendOperator(after, op);
}

ExprNode* CompileRelation(ExprNode* after, char op) {
    // The right side of a relation is evaluated as a group of its own.
    OperatorNode* relation = AppendOperator(after, op);
    GroupNode* rightSide = AppendOperand(relation, new GroupNode());
    return rightSide->Head();
}

ExprNode* CompileSign(ExprNode* after, char op) {
    if (!after->IsOperand()) {
        // A leading sign: the group folds 0 - a (or 0 + a).
        OperatorNode* sign = AppendOperator(after, op);
        Wrap(sign);
        return sign;
    }
    if (after->Prev() != nullptr && after->Prev()->IsMultiplication()) {
        // The product ends here: continue the sum after the group that holds the product.
        GroupNode* product = EnclosingGroupNode(after);
        if (product != nullptr) {
            return AppendOperator(product, op);
        }
    }
    return AppendOperator(after, op);
}

} // namespace

void CharElement::Compile(ExprNode* after) {
    if (after == nullptr) {
        return;
    }
    ExprNode* last = nullptr;
    if (IsOperatorTag(tag)) {
        if (tag == '*' || tag == kSymbolTimes) {
            last = CompileMultiplication(after, tag);
        } else if (IsRelationTag(tag)) {
            last = CompileRelation(after, tag);
        } else {
            last = CompileSign(after, tag);
        }
    } else {
        ExprNode* place = PrepareImplicitProduct(after, false);
        auto* variable = AppendOperand(place, new VariableNode(CompiledVariableKey(*this)));
        auto* sup = upper();
        if (sup != nullptr && sup->IsGroup() && !static_cast<GroupElement*>(sup)->IsEmpty()) {
            variable->SetExponent(CompileSubexpression(*sup));
        }
        last = variable;
    }
    CompileNext(*this, last);
}

} // namespace zx::equation
