#include "variables_dependent.h"

#include <algorithm>
#include <string>

#include "elements.h"
#include "equation_context.h"
#include "reader.h"
#include "variables.h"

namespace zx::equation {

namespace {

// The argument list shows the used independent variables, separated by commas.
void FillArguments(EquationContext& ctx, ArgumentNameElement& element) {
    RecomputeUsedIndependents(ctx);
    std::string text;
    for (const std::string& name : ctx.variables.usedIndependents) {
        if (!text.empty()) {
            text += ',';
        }
        text += name;
    }
    ReadInto(element.arguments(), text);
}

// Only a plain letter can carry an argument list; other kinds own parts a conversion would
// lose.
bool CanTakeArguments(const EquationElement& e) {
    return e.kind == kCharKind && !IsOperatorTag(e.tag);
}

EquationElement* ConvertToArgumentName(EquationContext& ctx, EquationElement* first) {
    bool caretOnIt = ctx.caret == first;
    ElementList replaced;
    replaced.Append(first);
    ctx.Forget(replaced);
    ArgumentNameElement* converted = ArgumentNameElement::Convert(first);
    FillArguments(ctx, *converted);
    if (caretOnIt) {
        ctx.caret = converted;
    }
    return converted;
}

} // namespace

void RecomputeDependentNames(EquationContext& ctx, bool withArguments) {
    std::size_t count = std::min<std::size_t>(ctx.equations.size(), 2);
    for (std::size_t i = 0; i < count; ++i) {
        GroupElement* equation = ctx.equations[i];
        if (equation == nullptr) {
            continue;
        }
        EquationElement* first = equation->FirstChild()->next();
        if (first == nullptr) {
            continue;
        }
        if (i == 0 && withArguments && CanTakeArguments(*first)) {
            first = ConvertToArgumentName(ctx, first);
        }
        std::string key;
        first->VariableName(key);
        ctx.variables.dependentNames[i] = key;
    }
}

} // namespace zx::equation
