// The cast member's rules for the equations and variables of its pane.
#include "member_rules.h"

#include <algorithm>
#include <vector>

#include "definitions.h"
#include "elements.h"
#include "equation_context.h"
#include "reader.h"
#include "variables.h"

namespace zx::equation {

namespace {

bool HoldsFieldSeparator(const std::string& name) {
    return name.find('|') != std::string::npos;
}

bool IsEquation(const EquationContext& ctx, const GroupElement* line) {
    return std::find(ctx.equations.begin(), ctx.equations.end(), line) != ctx.equations.end();
}

// Destroys everything after the equation's placeholder and empties its result text.
void EmptyEquation(EquationContext& ctx, GroupElement& equation) {
    EquationElement* placeholder = equation.FirstChild();
    ElementList doomed;
    if (placeholder != nullptr && placeholder->next() != nullptr) {
        placeholder->next()->Collect(doomed);
        placeholder->link->next = nullptr;
    }
    ctx.DestroyElements(doomed);
    equation.SetResultText("");
    equation.boxValid = 0;
}

// Puts the caret back into an equation when the current line or the caret went away.
void KeepCaretInAnEquation(EquationContext& ctx) {
    if (ctx.currentLine == nullptr || ctx.caret == nullptr) {
        ctx.SelectLine(ctx.equations.empty() ? nullptr : ctx.equations.front());
    }
}

// Rewrites the table's names in order; values stay at their indexes.
void SetTableNames(EquationContext& ctx, const std::vector<std::string>& names) {
    ctx.variableTable.ClearNames();
    for (const std::string& name : names) {
        ctx.variableTable.Append(name);
    }
}

} // namespace

int PaneEquationCount(std::int32_t n) {
    return std::clamp<std::int32_t>(n, 1, 2);
}

void SetEquationCount(EquationContext& ctx, std::int32_t n) {
    const std::size_t wanted = static_cast<std::size_t>(PaneEquationCount(n));
    while (ctx.equations.size() < wanted) {
        ctx.AppendLine(true);
    }
    while (ctx.equations.size() > wanted) {
        ctx.DestroyLine(ctx.equations.back());
    }
    KeepCaretInAnEquation(ctx);
}

void ClearEquations(EquationContext& ctx) {
    for (GroupElement* equation : ctx.equations) {
        EmptyEquation(ctx, *equation);
    }
    if (ctx.currentLine != nullptr && IsEquation(ctx, ctx.currentLine)) {
        ctx.caret = ctx.currentLine->FirstChild();
        ctx.FlattenCurrentLine();
    } else {
        ctx.SelectLine(ctx.equations.empty() ? nullptr : ctx.equations.front());
    }
}

void ClearAll(EquationContext& ctx) {
    ClearDefinitions(ctx);
    ctx.variableTable.ClearNames();
    ClearEquations(ctx);
    ctx.resultsShown = 0;
}

bool SetDependentName(EquationContext& ctx, int k, const std::string& name) {
    if (k < 0 || k > 1 || HoldsFieldSeparator(name)) {
        return false;
    }
    if (ctx.equations.size() < static_cast<std::size_t>(k) + 1) {
        SetEquationCount(ctx, k + 1);
    }
    ctx.variables.dependentNames[static_cast<std::size_t>(k)] = name;
    GroupElement& equation = *ctx.equations[static_cast<std::size_t>(k)];
    EquationElement* first = equation.FirstChild()->next();
    if (first != nullptr && !name.empty() && first->tag == name.front()) {
        return true;
    }
    EmptyEquation(ctx, equation);
    EquationElement* last = ReadInto(equation, name + "=");
    if (ctx.currentLine == &equation) {
        ctx.caret = last;
    }
    KeepCaretInAnEquation(ctx);
    ctx.FlattenCurrentLine();
    return true;
}

std::string DependentName(const EquationContext& ctx, int k) {
    if (k < 0 || k > 1) {
        return {};
    }
    return ctx.variables.dependentNames[static_cast<std::size_t>(k)];
}

bool SetIndependentName(EquationContext& ctx, std::int32_t index, const std::string& name) {
    if (index < 0 || HoldsFieldSeparator(name)) {
        return false;
    }
    const auto i = static_cast<std::size_t>(index);
    VariableTable& table = ctx.variableTable;
    auto entryHasName = [&] { return i < table.Count() && table.Name(i) == name; };

    if (name.empty()) {
        if (i < table.Count() && !table.Name(i).empty()) {
            std::string leaving = table.Name(i);
            RemoveIndependent(ctx, {leaving});
            // A name without a definition line is not touched by RemoveIndependent; it stops
            // being independent all the same.
            int still = table.Find(leaving);
            if (still >= 0) {
                table.RemoveName(static_cast<std::size_t>(still));
                RefreshVariables(ctx);
            }
        }
        return true;
    }
    if (entryHasName()) {
        return true;
    }
    if (table.Find(name) < 0) {
        AddIndependent(ctx, {name});
        if (entryHasName()) {
            return true;
        }
    }
    const int found = table.Find(name);
    if (found < 0) {
        return true; // the variable could not be made independent; nothing to move
    }
    const auto from = static_cast<std::size_t>(found);
    std::vector<std::string> names = table.Names();
    if (i >= names.size() || names[i].empty()) {
        names.erase(names.begin() + static_cast<std::ptrdiff_t>(from));
        if (names.size() < i) {
            names.resize(i); // padding: empty names up to the index
        }
        names.insert(names.begin() + static_cast<std::ptrdiff_t>(i), name);
    } else {
        std::swap(names[from], names[i]);
    }
    SetTableNames(ctx, names);
    RefreshVariables(ctx);
    return true;
}

std::string IndependentName(const EquationContext& ctx, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= ctx.variableTable.Count()) {
        return {};
    }
    return ctx.variableTable.Name(static_cast<std::size_t>(index));
}

bool IndependentValue(const EquationContext& ctx, std::int32_t index, double& value) {
    if (index < 0 || static_cast<std::size_t>(index) >= ctx.variableTable.Capacity()) {
        return false;
    }
    value = ctx.variableTable.Value(static_cast<std::size_t>(index));
    return true;
}

bool SetIndependentValue(EquationContext& ctx, std::int32_t index, double value) {
    if (index < 0) {
        return false;
    }
    return ctx.variableTable.SetValue(static_cast<std::size_t>(index), value);
}

std::size_t UsedIndependentCount(EquationContext& ctx) {
    return RecomputeUsedIndependents(ctx);
}

std::string UsedIndependentName(EquationContext& ctx, std::int32_t index) {
    RecomputeUsedIndependents(ctx);
    const NameList& used = ctx.variables.usedIndependents;
    if (index < 0 || static_cast<std::size_t>(index) >= used.size()) {
        return {};
    }
    return used[static_cast<std::size_t>(index)];
}

void SetFunctionVariableOption(EquationContext& ctx, bool on) {
    if (!on) {
        for (GroupElement* equation : ctx.equations) {
            EquationElement* first = equation->FirstChild()->next();
            if (first == nullptr || first->kind != kArgumentNameKind) {
                continue;
            }
            const bool caretOnIt = ctx.caret == first;
            ElementList replaced;
            replaced.Append(first);
            ctx.Forget(replaced);
            CharElement* plain = CharElement::Convert(first);
            if (caretOnIt) {
                ctx.caret = plain;
            }
            KeepCaretInAnEquation(ctx);
            ctx.FlattenCurrentLine();
        }
    }
    RefreshVariables(ctx);
}

void SetShowIndependentVariables(EquationContext& ctx, std::int32_t value) {
    ctx.variables.showIndependentPane = value != 0 ? 1 : 0;
    RefreshVariables(ctx);
}

} // namespace zx::equation
