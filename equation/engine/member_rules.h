// The equation rules of a cast member, applied to its pane's context: the equation count, the
// "Clear" command, the dependent and independent variable names, the function-variable option
// and the independent-variable pane option. The member's property glue calls these and answers
// a refused write (a false return) with its "property refused" code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zx::equation {

class EquationContext;

// The number of equations a pane works with for a stored count: clamp(n, 1, 2). The member keeps
// the value a script wrote; only the pane is clamped.
int PaneEquationCount(std::int32_t n);

// Gives the context PaneEquationCount(n) equations: new ones are appended empty, surplus ones
// are removed from the end (the caret moves to equation 1 when it stood in a removed one).
void SetEquationCount(EquationContext& ctx, std::int32_t n);

// Empties every equation (contents and result text); the caret goes to the start of the current
// equation, or of equation 1 when it stood elsewhere.
void ClearEquations(EquationContext& ctx);

// The "Clear" command: definitions, the variable table's names and every equation are cleared
// (no dependent-name prefix is written back) and results are no longer shown.
void ClearAll(EquationContext& ctx);

// DepVar1Name (k 0) and DepVar2Name (k 1). Creates equation k when missing, stores the name,
// and unless the equation already starts with the name's first character, replaces the
// equation by the name followed by "=". False (nothing changes) for k outside 0..1 or a name
// holding '|' (it would split the stored text).
bool SetDependentName(EquationContext& ctx, int k, const std::string& name);
// The stored dependent name of equation k; "" for k outside 0..1.
std::string DependentName(const EquationContext& ctx, int k);

// IndVarName write at index. A non-empty name becomes the table entry at index (added as an
// independent variable first when new; moved or exchanged so only names move, values stay;
// an index beyond the count pads with empty names). An empty name makes the variable at index
// stop being independent. False (nothing changes) for a negative index or a name holding '|'.
bool SetIndependentName(EquationContext& ctx, std::int32_t index, const std::string& name);
// IndVarName read: the table name at index, "" for a negative index or one beyond the count.
std::string IndependentName(const EquationContext& ctx, std::int32_t index);

// IndVarValue: false (nothing read or written) for an index outside the value table.
bool IndependentValue(const EquationContext& ctx, std::int32_t index, double& value);
bool SetIndependentValue(EquationContext& ctx, std::int32_t index, double value);

// NumUsedIndVars: recomputes the used independent variables and returns their count.
std::size_t UsedIndependentCount(EquationContext& ctx);
// UsedIndName: recomputes them and returns the one at index; "" for a negative index or one
// beyond the count.
std::string UsedIndependentName(EquationContext& ctx, std::int32_t index);

// ShowFunctionVars. Switching it off turns every equation's leading argument-name element back
// into a plain character; switched on, the next reading of the stored text gives equation 1's
// dependent variable its argument list. The context is refreshed.
void SetFunctionVariableOption(EquationContext& ctx, bool on);

// ShowIndepVars: 1 gives definition lines the independent-variable pane, 0 keeps independent
// variables in the table only. The context is refreshed.
void SetShowIndependentVariables(EquationContext& ctx, std::int32_t value);

} // namespace zx::equation
