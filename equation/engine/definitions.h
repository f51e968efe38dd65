// The definitions of a context: one line per defined name, holding an expression for the
// variable's value.
#pragma once

#include <string>
#include <vector>

namespace zx::equation {

class EquationContext;
class GroupElement;

// Index of name among the defined names, or -1.
int DefinitionIndex(const EquationContext& ctx, const std::string& name);
// The definition line of name, or null.
GroupElement* DefinitionLine(const EquationContext& ctx, const std::string& name);

// Appends name to the defined names with a new definition line (pane or plain, as the
// context's option says) and returns the line.
GroupElement* AddDefinition(EquationContext& ctx, const std::string& name);

// Reads texts[i] into the definition line of names[i], for each name that is defined; a line
// with a pane first drops its buttons (the variable keeps a definition).
void SetDefinitionTexts(EquationContext& ctx, const std::vector<std::string>& names,
                        const std::vector<std::string>& texts);

// Empties the used names, the defined names, the variable lines and the definition lines.
void ClearDefinitions(EquationContext& ctx);

// Destroys a line the variable lists own, clearing every editing reference into it.
void DiscardLine(EquationContext& ctx, GroupElement* line);

} // namespace zx::equation
