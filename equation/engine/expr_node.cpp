#include "expr_node.h"

#include "expr_kinds.h"

#include "element.h"

namespace zx::equation {

void ExprNode::CollectNodes(NodeList& list) {
    list.push_back(this);
    if (next_ != nullptr) {
        next_->CollectNodes(list);
    }
}

bool ExprNode::IsOperand() const {
    return kind_ == NodeKind::Variable || kind_ == NodeKind::Number ||
           kind_ == NodeKind::Division || kind_ == NodeKind::Group;
}

bool ExprNode::IsMultiplication() const {
    if (kind_ != NodeKind::Operator) {
        return false;
    }
    char op = static_cast<const OperatorNode*>(this)->Operator();
    return op == '*' || op == kSymbolTimes;
}

void ExprNode::LinkAfter(ExprNode* node) {
    prev_ = node;
    next_ = node->next_;
    if (next_ != nullptr) {
        next_->prev_ = this;
    }
    node->next_ = this;
}

void ExprNode::Unlink() {
    if (prev_ != nullptr) {
        prev_->next_ = next_;
    }
    if (next_ != nullptr) {
        next_->prev_ = prev_;
    }
    prev_ = nullptr;
    next_ = nullptr;
}

ExprNode* ExprNode::DetachRest() {
    ExprNode* rest = next_;
    if (rest != nullptr) {
        rest->prev_ = nullptr;
        next_ = nullptr;
    }
    return rest;
}

void DestroyNodeTree(ExprNode* root) {
    if (root == nullptr) {
        return;
    }
    NodeList list;
    list.reserve(32);
    root->CollectNodes(list);
    for (ExprNode* node : list) {
        delete node;
    }
}

} // namespace zx::equation
