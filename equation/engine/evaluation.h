// Evaluating equations: the right-hand side of one equation, the "Calculate" command over a
// pane's equations, and the values of defined variables.
#pragma once

#include <cstddef>

namespace zx::equation {

class EquationContext;
class GroupElement;

// Value of the part right of the equation's last relation sign (a trailing relation is
// ignored), or kNoValue with the module's evaluation status telling why. A missing equation
// gives 0.0 with status 0; an empty one 0.0 with status 4 (nothing but a bare value).
double EvaluateEquation(EquationContext& ctx, GroupElement* equation);

// Evaluates each of the (at most two) equations, writes their result texts and lets the
// second use the first's value under its dependent name. Returns 1, or 0 when at least one
// "Improper Equation" message was shown.
int CalculateEquations(EquationContext& ctx);

// Appends the values of the defined variables the equations use to the variable table, in
// as many passes as definitions need to see each other; returns the table's count at entry.
std::size_t ResolveDefinitions(EquationContext& ctx);

// True when the module's status and x make a usable value: status 0 or 4, and x finite and
// above the no-value mark.
bool IsValidResult(double x);

} // namespace zx::equation
