// The dependent variable names, taken from the first element of each equation.
#pragma once

namespace zx::equation {

class EquationContext;

// DepVar1Name (and, with two equations, DepVar2Name) become the key of the first element of
// their equation. With withArguments, the first element of equation 1 is first turned into a
// character that shows the used independent variables as its argument list.
void RecomputeDependentNames(EquationContext& ctx, bool withArguments);

} // namespace zx::equation
