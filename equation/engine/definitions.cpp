#include "definitions.h"

#include <algorithm>

#include "elements.h"
#include "equation_context.h"
#include "reader.h"
#include "variables_pane.h"

namespace zx::equation {

int DefinitionIndex(const EquationContext& ctx, const std::string& name) {
    const NameList& defined = ctx.variables.definedNames;
    auto it = std::find(defined.begin(), defined.end(), name);
    return it == defined.end() ? -1 : static_cast<int>(it - defined.begin());
}

GroupElement* DefinitionLine(const EquationContext& ctx, const std::string& name) {
    int d = DefinitionIndex(ctx, name);
    if (d < 0 || static_cast<std::size_t>(d) >= ctx.variables.definitionLines.size()) {
        return nullptr;
    }
    return ctx.variables.definitionLines[static_cast<std::size_t>(d)];
}

GroupElement* AddDefinition(EquationContext& ctx, const std::string& name) {
    VariableState& state = ctx.variables;
    GroupElement* line = MakeDefinitionLine(ctx, name, state.showIndependentPane != 0);
    state.definedNames.push_back(name);
    state.definitionLines.push_back(line);
    return line;
}

void DiscardLine(EquationContext& ctx, GroupElement* line) {
    if (line == nullptr) {
        return;
    }
    if (ctx.IsLine(line)) {
        ctx.DestroyLine(line);
        return;
    }
    ElementList doomed;
    line->Collect(doomed);
    ctx.DestroyElements(doomed);
}

void SetDefinitionTexts(EquationContext& ctx, const std::vector<std::string>& names,
                        const std::vector<std::string>& texts) {
    std::size_t count = std::min(names.size(), texts.size());
    for (std::size_t i = 0; i < count; ++i) {
        GroupElement* line = DefinitionLine(ctx, names[i]);
        if (line == nullptr) {
            continue;
        }
        // Only a line that has a pane has buttons to press; lines made while the pane was
        // switched off are read into directly.
        if (ctx.variables.showIndependentPane != 0 && PaneOf(*line) != nullptr) {
            auto* keep = static_cast<PaneElement*>(FindVariableButton(*line, 0));
            if (keep != nullptr) {
                EquationElement* dropped = keep->Activate(ctx);
                if (dropped != nullptr) {
                    ctx.DestroySubtree(dropped);
                }
            }
        }
        // The text goes in from the line's first element on.
        EquationReader reader;
        reader.SetCurrent(line->FirstChild());
        reader.FeedString(texts[i]);
        line->boxValid = 0;
    }
}

void ClearDefinitions(EquationContext& ctx) {
    VariableState& state = ctx.variables;
    state.usedNames.clear();
    state.definedNames.clear();
    std::vector<GroupElement*> lines;
    lines.swap(state.variableLines);
    lines.insert(lines.end(), state.definitionLines.begin(), state.definitionLines.end());
    state.definitionLines.clear();
    for (GroupElement* line : lines) {
        DiscardLine(ctx, line);
    }
}

} // namespace zx::equation
