// The six kinds of expression node. Owned subtrees (exponents, numerator, denominator, a
// group's chain) are listed by CollectNodes and deleted with the whole tree, never by the
// destructor of the node that owns them.
#pragma once

#include <string>
#include <string_view>

#include "expr_node.h"
#include "math_function_enclosure.h"

namespace zx::equation {

// The first node of every group chain; its owner is the group that folds the chain.
class HeadNode final : public ExprNode {
public:
    explicit HeadNode(GroupNode* owner) : ExprNode(NodeKind::Head), owner_(owner) {}
    void Apply(GroupNode* acc) override { ApplyNext(acc); }
    GroupNode* Owner() const { return owner_; }

private:
    GroupNode* owner_;
};

class GroupNode final : public ExprNode {
public:
    explicit GroupNode(EnclosureFunction enclosure = EnclosureFunction())
        : ExprNode(NodeKind::Group), head_(this), enclosure_(enclosure) {}

    double NodeValue() override { return Value(); }
    void Apply(GroupNode* acc) override;
    void CollectNodes(NodeList& list) override;

    // Evaluates the group on its own and returns its value.
    double Value() {
        Apply(nullptr);
        return value;
    }

    HeadNode* Head() { return &head_; }
    const EnclosureFunction& Enclosure() const { return enclosure_; }
    GroupNode* Exponent() const { return exponent_; }
    // Takes ownership; replaces (and destroys) an exponent given before.
    void SetExponent(GroupNode* exponent);

    // Moves node and everything linked after it to the end of this group's chain.
    void AdoptChain(ExprNode* node);

private:
    HeadNode head_;
    EnclosureFunction enclosure_;
    GroupNode* exponent_ = nullptr;
};

// A variable, looked up by its key in the variable table when evaluated.
class VariableNode final : public ExprNode {
public:
    explicit VariableNode(std::string_view key) : ExprNode(NodeKind::Variable), key_(key) {}

    double NodeValue() override;
    void Apply(GroupNode* acc) override;
    void CollectNodes(NodeList& list) override;

    const std::string& Key() const { return key_; }
    GroupNode* Exponent() const { return exponent_; }
    void SetExponent(GroupNode* exponent);

private:
    std::string key_;
    GroupNode* exponent_ = nullptr;
};

// A number literal; its characters are collected first and converted when complete.
class NumberNode final : public ExprNode {
public:
    explicit NumberNode(char firstChar) : ExprNode(NodeKind::Number), text_(1, firstChar) {}

    double NodeValue() override;
    void Apply(GroupNode* acc) override;
    void CollectNodes(NodeList& list) override;

    void AppendChar(char c) { text_.push_back(c); }
    // Sets the literal's value from its characters (a standard decimal conversion; what
    // does not convert counts as 0, a second '.' ends the number).
    void Convert();
    const std::string& Text() const { return text_; }
    double Literal() const { return literal_; }

    GroupNode* Exponent() const { return exponent_; }
    void SetExponent(GroupNode* exponent);

private:
    std::string text_;
    double literal_ = 0.0;
    GroupNode* exponent_ = nullptr;
};

// '*', the Symbol-font multiplication sign 0xB4, '+', '-', or a relation '<', '=', '>'.
class OperatorNode final : public ExprNode {
public:
    explicit OperatorNode(char op) : ExprNode(NodeKind::Operator), op_(op) {}

    void Apply(GroupNode* acc) override;
    char Operator() const { return op_; }

private:
    char op_;
};

class DivisionNode final : public ExprNode {
public:
    DivisionNode() : ExprNode(NodeKind::Division) {}

    double NodeValue() override;
    void Apply(GroupNode* acc) override;
    void CollectNodes(NodeList& list) override;

    GroupNode* Numerator() const { return numerator_; }
    GroupNode* Denominator() const { return denominator_; }
    void SetNumerator(GroupNode* group);
    void SetDenominator(GroupNode* group);

private:
    GroupNode* numerator_ = nullptr;
    GroupNode* denominator_ = nullptr;
};

} // namespace zx::equation
