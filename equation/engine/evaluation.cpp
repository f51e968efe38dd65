#include "evaluation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "equation_context.h"
#include "evaluation_message.h"
#include "expr_builder.h"
#include "group_element.h"
#include "module_state.h"
#include "number_format.h"

namespace zx::equation {

namespace {

// Points the variable nodes at a table for as long as an evaluation runs.
class TableInUse {
public:
    explicit TableInUse(const VariableTable& table) : saved_(Module().variables) {
        Module().variables = &table;
    }
    ~TableInUse() { Module().variables = saved_; }
    TableInUse(const TableInUse&) = delete;
    TableInUse& operator=(const TableInUse&) = delete;

private:
    const VariableTable* saved_;
};

// Owns a node tree for the length of one evaluation.
class NodeTree {
public:
    NodeTree() : root_(new GroupNode()) {}
    ~NodeTree() { DestroyNodeTree(root_); }
    NodeTree(const NodeTree&) = delete;
    NodeTree& operator=(const NodeTree&) = delete;
    GroupNode& root() { return *root_; }

private:
    GroupNode* root_;
};

bool IsBareValue(GroupNode& root) {
    ExprNode* first = root.Head()->Next();
    if (first == nullptr) {
        return true;
    }
    if (first->Kind() != NodeKind::Number || first->Next() != nullptr ||
        first->Function() != nullptr) {
        return false;
    }
    return static_cast<NumberNode*>(first)->Exponent() == nullptr;
}

int DefinitionIndex(const VariableState& state, const std::string& name) {
    auto it = std::find(state.definedNames.begin(), state.definedNames.end(), name);
    return it == state.definedNames.end() ? -1 : static_cast<int>(it - state.definedNames.begin());
}

} // namespace

bool IsValidResult(double x) {
    int32_t status = Module().evalStatus;
    return (status == kStatusOk || status == kStatusBareNumber) && x > kNoValue && std::isfinite(x);
}

std::size_t ResolveDefinitions(EquationContext& ctx) {
    VariableTable& table = ctx.variableTable;
    VariableState& state = ctx.variables;
    std::size_t result = table.Count();
    if (state.definitionLines.size() < state.definedNames.size()) {
        return result;
    }
    TableInUse inUse(table);
    std::size_t remaining = state.usedNames.size();
    while (remaining > 0) {
        std::size_t previous = remaining;
        // Index-based: the list is not changed here, but a definition's evaluation reads the
        // table that grows as definitions resolve.
        for (std::size_t i = 0; i < state.usedNames.size(); ++i) {
            const std::string& name = state.usedNames[i];
            if (table.Find(name) >= 0) {
                continue;
            }
            int d = DefinitionIndex(state, name);
            if (d < 0 || state.definitionLines[static_cast<std::size_t>(d)] == nullptr) {
                continue;
            }
            NodeTree tree;
            CompileInto(tree.root(),
                        state.definitionLines[static_cast<std::size_t>(d)]->FirstChild());
            Module().evalStatus = kStatusOk;
            double value = tree.root().Value();
            if (IsValidResult(value)) {
                table.AppendTemporary(name, value);
                --remaining;
            }
        }
        if (remaining >= previous) {
            break; // a pass resolved nothing more: the rest cannot be computed
        }
    }
    return result;
}

double EvaluateEquation(EquationContext& ctx, GroupElement* equation) {
    ModuleState& module = Module();
    // A status left by an earlier evaluation must never describe this one.
    module.evalStatus = kStatusOk;
    if (equation == nullptr) {
        return 0.0;
    }
    if (equation->IsEmpty()) {
        module.evalStatus = kStatusBareNumber;
        return 0.0;
    }
    ElementList elements;
    equation->FirstChild()->Collect(elements);
    std::size_t n = elements.Count();
    const EquationElement* stop = nullptr;
    if (IsRelationTag(elements[n - 1]->tag)) {
        --n; // a trailing relation is ignored: "y=" evaluates y
        stop = elements[n];
    }
    // The last relation sign wins, wherever it stands in the tree.
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (elements[i]->kind == kCharKind && IsRelationTag(elements[i]->tag)) {
            start = i + 1;
        }
    }
    if (start + 1 > n) {
        module.evalStatus = kStatusNothingToRight;
        return kNoValue;
    }

    // The right-hand side is compiled where it stands, bounded as if it had been cut out of
    // the tree (no copy of the elements is made for each evaluation).
    NodeTree tree;
    CompileRange(tree.root(), elements[start], stop);

    VariableTable& table = ctx.variableTable;
    TableInUse inUse(table);
    std::size_t old = ResolveDefinitions(ctx);
    const VariableState& state = ctx.variables;
    for (std::size_t i = 0; i < state.constantNames.size(); ++i) {
        table.AppendTemporary(state.constantNames[i], state.constantValues[i]);
    }
    ResolveDefinitions(ctx); // definitions that use the constants

    module.evalStatus = kStatusOk;
    double x = tree.root().NodeValue();
    if (!std::isfinite(x)) {
        module.evalStatus = kStatusCannotEvaluate; // 0^-1, 10^400: no usable value
    }
    if (!IsValidResult(x)) {
        x = kNoValue;
    }
    if (IsBareValue(tree.root())) {
        module.evalStatus = kStatusBareNumber;
    }
    table.Shrink(old);
    return x;
}

int CalculateEquations(EquationContext& ctx) {
    int success = 1;
    VariableTable& table = ctx.variableTable;
    std::size_t old = table.Count();
    std::size_t count = std::min<std::size_t>(ctx.equations.size(), 2);
    for (std::size_t i = 0; i < count; ++i) {
        GroupElement* equation = ctx.equations[i];
        if (equation == nullptr) {
            continue; // no equation there: nothing to evaluate and no text to write
        }
        double x = EvaluateEquation(ctx, equation);
        EquationElement* last = equation->LastChild();
        bool endsWithEquals = last != nullptr && last->tag == '=';
        if (!IsValidResult(x)) {
            // An equation that asks "= ?" of an unknown quantity is cleared silently.
            if (!(Module().evalStatus == kStatusCannotEvaluate && endsWithEquals)) {
                CurrentMessageSink().Show("Improper Equation", "Cannot Evaluate");
                success = 0;
            }
            equation->SetResultText("");
            continue;
        }
        if (Module().evalStatus == kStatusBareNumber) {
            equation->SetResultText("");
        } else {
            std::string number = FormatResult(x);
            equation->SetResultText(endsWithEquals ? number : " = " + number);
        }
        table.AppendTemporary(ctx.variables.dependentNames[i], x);
    }
    table.Shrink(old);
    ctx.resultsShown = 1;
    return success;
}

} // namespace zx::equation
