// Composing and reading the stored text of a pane.
#include "stored_text.h"

#include <cstring>
#include <vector>

#include "definitions.h"
#include "elements.h"
#include "equation_context.h"
#include "member_rules.h"
#include "reader.h"
#include "variables.h"
#include "variables_dependent.h"

namespace zx::equation {

namespace {

constexpr std::string_view kIndependentMarker = "IVAR";
constexpr std::string_view kUnchangedMarker = "UNCH";

// Fields up to each '|'; the last one runs to the end of the text, less a final line feed.
std::vector<std::string> SplitFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        std::size_t bar = text.find('|', from);
        if (bar == std::string_view::npos) {
            std::string_view last = text.substr(from);
            if (!last.empty() && last.back() == '\n') {
                last.remove_suffix(1);
            }
            fields.emplace_back(last);
            return fields;
        }
        fields.emplace_back(text.substr(from, bar - from));
        from = bar + 1;
    }
}

} // namespace

std::string ComposeStoredText(EquationContext& ctx) {
    RefreshVariables(ctx);
    std::string text;
    if (ctx.equations.empty()) {
        return text;
    }
    const bool two = ctx.equations.size() >= 2;
    if (two) {
        text += "2|";
    }
    text += ContentsText(*ctx.equations[0]);
    if (text.size() <= 1) {
        return text;
    }
    if (two) {
        text += '|';
        text += ContentsText(*ctx.equations[1]);
    }
    const VariableState& vars = ctx.variables;
    for (const std::string& name : vars.usedNames) {
        GroupElement* definition = DefinitionLine(ctx, name);
        if (definition == nullptr) {
            continue;
        }
        text += '|';
        text += name;
        text += '|';
        text += ContentsText(*definition);
    }
    if (vars.showIndependentPane == 0) {
        for (const std::string& name : vars.usedIndependents) {
            text += '|';
            text += name;
            text += '|';
            text += kIndependentMarker;
        }
    }
    return text;
}

void ReadStoredText(EquationContext& ctx, std::string_view text, bool functionVariables) {
    if (text.empty()) {
        return;
    }
    std::vector<std::string> fields = SplitFields(text);
    const bool two = text.size() > 1 && text[0] == '2' && text[1] == '|';
    std::size_t next = 0;
    if (two) {
        ++next; // the "2" itself
    }

    SetEquationCount(ctx, two ? 2 : 1);
    ClearDefinitions(ctx);
    ctx.variableTable.ClearNames();
    ClearEquations(ctx);
    for (std::size_t e = 0; e < (two ? 2u : 1u); ++e) {
        if (next < fields.size()) {
            ReadInto(*ctx.equations[e], fields[next++]);
        }
    }
    RecomputeDependentNames(ctx, functionVariables);

    // The rest comes in (name, marker) pairs; a final field without its partner is ignored.
    std::vector<std::string> independents;
    std::vector<std::string> definedNames;
    std::vector<std::string> definitionTexts;
    for (; next + 1 < fields.size(); next += 2) {
        const std::string& name = fields[next];
        const std::string& marker = fields[next + 1];
        if (name.empty() || marker == kUnchangedMarker) {
            continue; // an empty name can name no variable
        }
        if (marker == kIndependentMarker) {
            independents.push_back(name);
        } else {
            definedNames.push_back(name);
            definitionTexts.push_back(marker);
        }
    }

    RefreshVariables(ctx);
    for (const std::string& name : definedNames) {
        if (DefinitionIndex(ctx, name) < 0) {
            AddDefinition(ctx, name);
        }
    }
    AddIndependent(ctx, independents);
    SetDefinitionTexts(ctx, definedNames, definitionTexts);
    RefreshVariables(ctx);

    GroupElement* first = ctx.equations.front();
    ctx.SelectLine(first);
    ctx.caret = first->LastChild();
}

std::string TextForSaving(std::string_view text) {
    return std::string(text.substr(0, kStoredTextBuffer - 1));
}

std::string TextFromSavedBuffer(const char (&buffer)[kStoredTextBuffer]) {
    char copy[kStoredTextBuffer];
    std::memcpy(copy, buffer, kStoredTextBuffer);
    copy[kStoredTextBuffer - 1] = '\0';
    return std::string(copy);
}

} // namespace zx::equation
