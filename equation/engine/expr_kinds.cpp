#include "expr_kinds.h"

#include <charconv>
#include <cmath>

#include "element.h"
#include "module_state.h"
#include "variable_table.h"

namespace zx::equation {

namespace {

// A denominator at or below this magnitude counts as zero.
constexpr double kZeroDenominator = 1e-30;

double RaiseTo(double base, GroupNode* exponent) {
    return exponent != nullptr ? std::pow(base, exponent->NodeValue()) : base;
}

void CollectOwned(GroupNode* group, NodeList& list) {
    if (group != nullptr) {
        group->CollectNodes(list);
    }
}

void Replace(GroupNode*& slot, GroupNode* group) {
    if (slot != group) {
        DestroyNodeTree(slot);
    }
    slot = group;
}

} // namespace

// --- GroupNode ---

void GroupNode::Apply(GroupNode* acc) {
    value = 0.0;
    head_.Apply(this);
    double v = enclosure_.Call(value);
    v = RaiseTo(v, exponent_);
    value = Finish(v);
    if (acc != nullptr) {
        acc->value = value;
        ApplyNext(acc);
    }
}

void GroupNode::CollectNodes(NodeList& list) {
    list.push_back(this);
    // The head is part of the group itself; only the nodes after it are listed.
    if (head_.Next() != nullptr) {
        head_.Next()->CollectNodes(list);
    }
    CollectOwned(exponent_, list);
    if (next_ != nullptr) {
        next_->CollectNodes(list);
    }
}

void GroupNode::SetExponent(GroupNode* exponent) {
    Replace(exponent_, exponent);
}

void GroupNode::AdoptChain(ExprNode* node) {
    if (node->prev_ != nullptr) {
        node->prev_->next_ = nullptr;
    }
    ExprNode* last = &head_;
    while (last->next_ != nullptr) {
        last = last->next_;
    }
    last->next_ = node;
    node->prev_ = last;
}

// --- VariableNode ---

double VariableNode::NodeValue() {
    const VariableTable* table = Module().variables;
    int index = table != nullptr ? table->Find(key_) : -1;
    if (index < 0) {
        Module().evalStatus = kStatusCannotEvaluate;
        return 0.0;
    }
    value = RaiseTo(table->Value(static_cast<std::size_t>(index)), exponent_);
    return Finish(value);
}

void VariableNode::Apply(GroupNode* acc) {
    acc->value = NodeValue();
    ApplyNext(acc);
}

void VariableNode::CollectNodes(NodeList& list) {
    list.push_back(this);
    CollectOwned(exponent_, list);
    if (next_ != nullptr) {
        next_->CollectNodes(list);
    }
}

void VariableNode::SetExponent(GroupNode* exponent) {
    Replace(exponent_, exponent);
}

// --- NumberNode ---

void NumberNode::Convert() {
    literal_ = 0.0;
    const char* first = text_.data();
    const char* last = first + text_.size();
    auto result = std::from_chars(first, last, literal_, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too many digits: a standard conversion overflows to infinity or underflows to 0.
        bool large = false;
        for (char c : text_) {
            if (c == '.') {
                break;
            }
            large = large || (c >= '1' && c <= '9');
        }
        literal_ = large ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc()) {
        literal_ = 0.0; // a lone '.'
    }
    value = literal_;
}

double NumberNode::NodeValue() {
    value = RaiseTo(literal_, exponent_);
    return Finish(value);
}

void NumberNode::Apply(GroupNode* acc) {
    acc->value = NodeValue();
    ApplyNext(acc);
}

void NumberNode::CollectNodes(NodeList& list) {
    list.push_back(this);
    CollectOwned(exponent_, list);
    if (next_ != nullptr) {
        next_->CollectNodes(list);
    }
}

void NumberNode::SetExponent(GroupNode* exponent) {
    Replace(exponent_, exponent);
}

// --- OperatorNode ---

void OperatorNode::Apply(GroupNode* acc) {
    if (next_ == nullptr) {
        return; // an operator with no right operand changes nothing
    }
    double x = next_->NodeValue();
    switch (op_) {
    case '*':
    case kSymbolTimes:
        value = acc->value * x;
        acc->value = value;
        break;
    case '+':
        value = acc->value + x;
        acc->value = value;
        break;
    case '-':
        value = acc->value - x;
        acc->value = value;
        break;
    default: // a relation evaluates its right side without folding it in
        value = x;
        break;
    }
    if (next_->Next() != nullptr) {
        next_->Next()->Apply(acc);
    }
}

// --- DivisionNode ---

double DivisionNode::NodeValue() {
    value = 0.0;
    if (denominator_ != nullptr) {
        double a = numerator_ != nullptr ? numerator_->NodeValue() : 0.0;
        double b = denominator_->NodeValue();
        if (std::fabs(b) > kZeroDenominator) {
            value = a / b;
        } else {
            value = kNoValue;
            Module().evalStatus =
                std::fabs(a) < kZeroDenominator ? kStatusCannotEvaluate : kStatusDivideByZero;
        }
    }
    return Finish(value);
}

void DivisionNode::Apply(GroupNode* acc) {
    acc->value = NodeValue();
    ApplyNext(acc);
}

void DivisionNode::CollectNodes(NodeList& list) {
    list.push_back(this);
    CollectOwned(numerator_, list);
    CollectOwned(denominator_, list);
    if (next_ != nullptr) {
        next_->CollectNodes(list);
    }
}

void DivisionNode::SetNumerator(GroupNode* group) {
    Replace(numerator_, group);
}

void DivisionNode::SetDenominator(GroupNode* group) {
    Replace(denominator_, group);
}

} // namespace zx::equation
