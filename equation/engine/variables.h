// Keeping the variable lists of a context up to date: which names the equations use, the
// lines that show them, and which variables are independent.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "element.h"

namespace zx::equation {

class EquationContext;

// Recomputes the used names, rebuilds the variable lines, gives new names definition lines
// and recomputes the used independent variables (telling the listener when their number
// changed).
void RefreshVariables(EquationContext& ctx);

// Recomputes the names of the variable table that the equations use, in table order, and
// returns how many there are.
std::size_t RecomputeUsedIndependents(EquationContext& ctx);

// Makes each name an independent variable (giving it a definition line first when it has
// none), then refreshes.
void AddIndependent(EquationContext& ctx, const std::vector<std::string>& names);

// Each defined name stops being independent: its name leaves the variable table (later
// names move up, values stay at their indexes) and its pane opens again. Then refreshes.
void RemoveIndependent(EquationContext& ctx, const std::vector<std::string>& names);

// Replaces the variable lines by one line per name, in order, and gives names without a
// definition line one.
void BuildVariableLines(EquationContext& ctx, const NameList& names);

// Where the pane's drawing places variable line i.
Point VariableLineOrigin(std::size_t i);

} // namespace zx::equation
