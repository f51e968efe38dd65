#include "variables.h"

#include <algorithm>

#include "definitions.h"
#include "elements.h"
#include "equation_context.h"
#include "reader.h"
#include "variables_pane.h"

namespace zx::equation {

namespace {

bool Contains(const NameList& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void CollectEquationNames(EquationContext& ctx, NameList& collector) {
    for (GroupElement* equation : ctx.equations) {
        if (equation != nullptr) {
            equation->CollectNames(collector);
        }
    }
}

} // namespace

Point VariableLineOrigin(std::size_t i) {
    return Point{0.6, -0.4 - 1.2 * static_cast<double>(i)};
}

void BuildVariableLines(EquationContext& ctx, const NameList& names) {
    VariableState& state = ctx.variables;
    std::vector<GroupElement*> old;
    old.swap(state.variableLines);
    for (GroupElement* line : old) {
        DiscardLine(ctx, line);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* line = new GroupElement();
        line->origin = VariableLineOrigin(i);
        state.variableLines.push_back(line);
        ReadInto(*line, names[i]);
        if (DefinitionIndex(ctx, names[i]) < 0) {
            AddDefinition(ctx, names[i]);
        }
    }
}

std::size_t RecomputeUsedIndependents(EquationContext& ctx) {
    NameList used;
    CollectEquationNames(ctx, used);
    NameList& independents = ctx.variables.usedIndependents;
    independents.clear();
    for (const std::string& name : ctx.variableTable.Names()) {
        if (Contains(used, name) && !Contains(independents, name)) {
            independents.push_back(name);
        }
    }
    return independents.size();
}

void RefreshVariables(EquationContext& ctx) {
    VariableState& state = ctx.variables;
    std::size_t before = state.usedIndependents.size();

    // Names that are never listed as used come first in the collector, so that collecting
    // skips them.
    NameList collector;
    if (state.showIndependentPane == 0) {
        collector = ctx.variableTable.Names();
    }
    collector.push_back(state.dependentNames[0]);
    collector.insert(collector.end(), state.constantNames.begin(), state.constantNames.end());
    if (ctx.equations.size() >= 2) {
        collector.push_back(state.dependentNames[1]);
    }
    std::size_t k = collector.size();
    CollectEquationNames(ctx, collector);
    state.usedNames.assign(collector.begin() + static_cast<std::ptrdiff_t>(k), collector.end());

    // Definitions bring in what they use; the list grows while it is walked.
    for (std::size_t i = 0; i < state.usedNames.size(); ++i) {
        GroupElement* line = DefinitionLine(ctx, state.usedNames[i]);
        if (line == nullptr) {
            continue;
        }
        std::size_t known = collector.size();
        line->CollectNames(collector);
        for (std::size_t j = known; j < collector.size(); ++j) {
            state.usedNames.push_back(collector[j]);
        }
    }

    NameList used = state.usedNames; // BuildVariableLines may add definitions, not names
    BuildVariableLines(ctx, used);

    if (RecomputeUsedIndependents(ctx) != before && state.listener != nullptr) {
        state.listener->UsedIndependentsChanged();
    }
}

void AddIndependent(EquationContext& ctx, const std::vector<std::string>& names) {
    VariableState& state = ctx.variables;
    for (const std::string& name : names) {
        if (DefinitionIndex(ctx, name) < 0) {
            // Gives the name its definition line; the final refresh rebuilds the full lists.
            state.usedNames.assign(1, name);
            BuildVariableLines(ctx, state.usedNames);
        }
        GroupElement* line = DefinitionLine(ctx, name);
        if (state.showIndependentPane != 0 && line != nullptr && PaneOf(*line) != nullptr) {
            OpenPane(ctx, *line);
            auto* independent = static_cast<PaneElement*>(FindVariableButton(*line, 1));
            if (independent != nullptr) {
                EquationElement* dropped = independent->Activate(ctx);
                if (dropped != nullptr) {
                    ctx.DestroySubtree(dropped);
                }
            }
        }
        // Without a pane (switched off, or a line made while it was) the table alone makes
        // the variable independent.
        if (ctx.variableTable.Find(name) < 0) {
            ctx.variableTable.Append(name);
        }
    }
    RefreshVariables(ctx);
}

void RemoveIndependent(EquationContext& ctx, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        GroupElement* line = DefinitionLine(ctx, name);
        if (line == nullptr) {
            continue;
        }
        if (ctx.variables.showIndependentPane != 0) {
            OpenPane(ctx, *line);
        }
        int index = ctx.variableTable.Find(name);
        if (index >= 0) {
            ctx.variableTable.RemoveName(static_cast<std::size_t>(index));
        }
    }
    RefreshVariables(ctx);
}

} // namespace zx::equation
