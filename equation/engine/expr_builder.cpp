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

void DropPendingFunction() {
    SetPendingFunction(nullptr);
}

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

void CompileRange(GroupNode& root, EquationElement* start, const EquationElement* stop) {
    ModuleState& module = Module();
    module.compileStart = start;
    module.compileStop = stop;
    CompileInto(root, start);
    module.compileStart = nullptr;
    module.compileStop = nullptr;
}

void CompileNext(const EquationElement& e, ExprNode* last) {
    EquationElement* n = e.next();
    if (n != nullptr && n != Module().compileStop) {
        n->Compile(last);
    }
}

std::string CompiledVariableKey(const EquationElement& e) {
    std::string key;
    e.VariableName(key);
    // A delta left of the compiled range is not part of it: the key starts without "$".
    if (&e == Module().compileStart && !key.empty() && key[0] == '$') {
        const EquationElement* left = e.prev();
        if (left != nullptr && left->kind == kDeltaKind && left->next() == &e) {
            key.erase(0, 1);
        }
    }
    return key;
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
