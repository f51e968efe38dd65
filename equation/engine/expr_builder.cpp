#include "expr_builder.h"

#include "element.h"
#include "group_element.h"
#include "module_state.h"

namespace zx::equation {

void TakePendingFunction(ExprNode& node) {
    MathFunction*& pending = Module().pendingFunction;
    if (pending != nullptr) {
        node.SetFunction(std::unique_ptr<MathFunction>(pending));
        pending = nullptr;
    }
}

void SetPendingFunction(std::unique_ptr<MathFunction> function) {
    MathFunction*& pending = Module().pendingFunction;
    delete pending;
    pending = function.release();
}

void DropPendingFunction() { SetPendingFunction(nullptr); }

OperatorNode* AppendOperator(ExprNode* after, char op) {
    auto* node = new OperatorNode(op);
    if (after != nullptr) {
        node->LinkAfter(after);
    }
    return node;
}

GroupNode* Wrap(ExprNode* n) {
    auto* group = new GroupNode();
    if (n->Prev() != nullptr) {
        group->LinkAfter(n->Prev());
    }
    group->AdoptChain(n);
    return group;
}

ExprNode* PrepareImplicitProduct(ExprNode* after, bool wrapAlways) {
    if (after == nullptr || !after->IsOperand()) {
        return after;
    }
    OperatorNode* times = AppendOperator(after, '*');
    ExprNode* left = after->Prev();
    if (left != nullptr && (wrapAlways || !left->IsMultiplication())) {
        Wrap(after);
    }
    return times;
}

GroupNode* EnclosingGroupNode(ExprNode* node) {
    while (node != nullptr && node->Kind() != NodeKind::Head) {
        node = node->Prev();
    }
    return node != nullptr ? static_cast<HeadNode*>(node)->Owner() : nullptr;
}

EnclosureFunction EnclosureFunctionFor(char enclosureCode) {
    return enclosureCode == 's' ? EnclosureFunction(EnclosureFunction::kSquareRoot)
                                : EnclosureFunction();
}

void CompileInto(GroupNode& root, EquationElement* first) {
    if (first != nullptr) {
        first->Compile(root.Head());
    }
    DropPendingFunction();
}

GroupNode* CompileSubexpression(EquationElement& group) {
    MathFunction* waiting = Module().pendingFunction;
    Module().pendingFunction = nullptr;
    char code = group.IsGroup() ? static_cast<GroupElement&>(group).enclosureCode() : 0;
    auto* root = new GroupNode(EnclosureFunctionFor(code));
    CompileInto(*root, group.FirstChild());
    Module().pendingFunction = waiting;
    return root;
}

} // namespace zx::equation
