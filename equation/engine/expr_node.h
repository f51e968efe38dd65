// Expression nodes: the short-lived tree an equation compiles into for one evaluation. A
// node sits in a doubly linked chain; a group node folds its chain from left to right into
// its value. Each node may carry a function, applied to its value last.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "math_function.h"

namespace zx::equation {

class GroupNode;

enum class NodeKind : int32_t {
    Variable = 0,
    Number = 1,
    Operator = 2,
    Division = 3,
    Group = 4,
    Head = 5,
};

class ExprNode;

// A flattened node tree: the order in which a tree's nodes are deleted. Grows as needed.
using NodeList = std::vector<ExprNode*>;

class ExprNode {
public:
    explicit ExprNode(NodeKind kind) : kind_(kind) {}
    ExprNode(const ExprNode&) = delete;
    ExprNode& operator=(const ExprNode&) = delete;
    virtual ~ExprNode() = default;

    // The node's value (operands), or the value of the node it stands for.
    virtual double NodeValue() { return value; }
    // Folds this node into the accumulator and continues along the chain.
    virtual void Apply(GroupNode* acc) = 0;
    // Appends this node, what it owns and the rest of its chain to the list.
    virtual void CollectNodes(NodeList& list);

    NodeKind Kind() const { return kind_; }
    ExprNode* Next() const { return next_; }
    ExprNode* Prev() const { return prev_; }

    // Operands are variables, numbers, divisions and groups.
    bool IsOperand() const;
    // An operator node with '*' or the Symbol-font multiplication sign.
    bool IsMultiplication() const;

    // Links this (unlinked) node right after node; what followed node now follows this one.
    void LinkAfter(ExprNode* node);
    // Takes this node out of its chain, joining its neighbours.
    void Unlink();
    // Cuts the chain after this node and returns the detached rest.
    ExprNode* DetachRest();

    MathFunction* Function() const { return function_.get(); }
    void SetFunction(std::unique_ptr<MathFunction> function) { function_ = std::move(function); }
    std::unique_ptr<MathFunction> TakeFunction() { return std::move(function_); }

    double value = 0.0;

protected:
    // The attached function of v, or v.
    double Finish(double v) { return function_ ? function_->Call(v) : v; }
    void ApplyNext(GroupNode* acc) {
        if (next_ != nullptr) {
            next_->Apply(acc);
        }
    }

    ExprNode* next_ = nullptr;
    ExprNode* prev_ = nullptr;

private:
    friend class GroupNode;
    NodeKind kind_;
    std::unique_ptr<MathFunction> function_;
};

// Deletes a whole node tree (root may be null).
void DestroyNodeTree(ExprNode* root);

} // namespace zx::equation
