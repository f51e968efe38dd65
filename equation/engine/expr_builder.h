// The steps by which elements compile themselves into expression nodes: appending nodes, the
// pending function, wrapping a run of nodes into a group, and compiling an attached group into
// a separate subexpression.
#pragma once

#include <memory>
#include <string>

#include "expr_kinds.h"

namespace zx::equation {

class EquationElement;

// Links node after `after` and lets it take the pending function (the operand a function
// name was waiting for). Returns node.
template <class Node>
Node* AppendOperand(ExprNode* after, Node* node);

// Links an operator after `after`. Operators never carry a function: the pending one waits
// for the next operand.
OperatorNode* AppendOperator(ExprNode* after, char op);

// Creates a group after n's left neighbour and moves n, with everything linked after it, into
// the group's chain. The pending function is left for the next operand.
GroupNode* Wrap(ExprNode* n);

// Before an operand that follows another operand: appends the implicit '*' and, when the
// left operand stands after something that is not a multiplication (or always, for groups),
// wraps it so the product binds tighter than the sum it stands in. Returns the node after
// which the new operand goes.
ExprNode* PrepareImplicitProduct(ExprNode* after, bool wrapAlways);

// The group whose chain holds node: the owner of the head reached walking left.
GroupNode* EnclosingGroupNode(ExprNode* node);

// Replaces the pending function (deleting one still waiting there); null clears the slot.
void SetPendingFunction(std::unique_ptr<MathFunction> function);
// Deletes a function nobody took, so it cannot attach to the next, unrelated compile.
void DropPendingFunction();

// Compiles the contents of an element group (superscript, numerator, denominator) into a root
// group of their own, with the group's enclosure function. A function waiting outside is kept
// waiting; one left over inside is dropped.
GroupNode* CompileSubexpression(EquationElement& group);

// Compiles a chain starting at first into root's head and drops a leftover pending function.
void CompileInto(GroupNode& root, EquationElement* first);

// Compiles the right-hand side of an equation in place: from start on, never entering stop
// (null: no stop). The nodes come out as if the range had been cut out of the tree: nothing
// beyond it is reached, and start does not see a delta standing left of the range.
void CompileRange(GroupNode& root, EquationElement* start, const EquationElement* stop);

// Continues compiling with e's right neighbour, unless the chain ends or reaches the stop.
void CompileNext(const EquationElement& e, ExprNode* last);

// The variable key of e as the compile sees it (see CompileRange).
std::string CompiledVariableKey(const EquationElement& e);

// The enclosure function for a group's enclosure code ('s' is the square root).
EnclosureFunction EnclosureFunctionFor(char enclosureCode);

// ---- implementation of the template ----

void TakePendingFunction(ExprNode& node);

template <class Node>
Node* AppendOperand(ExprNode* after, Node* node) {
    if (after != nullptr) {
        node->LinkAfter(after);
    }
    TakePendingFunction(*node);
    return node;
}

} // namespace zx::equation
