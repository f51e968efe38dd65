// The variable pane of a definition line: braces holding two buttons, "UNCH" (the variable
// keeps its definition) and "IVAR" (it becomes an independent variable). The buttons call
// these hooks when clicked.
#pragma once

#include <string>

#include "equation_context.h"

namespace zx::equation {

// Button picture indexes of the two buttons.
inline constexpr int kKeepButtonIndex = 1;
inline constexpr int kIndependentButtonIndex = 2;

class VariablePaneHooks final : public PaneHooks {
public:
    void MakeIndependent(EquationContext& ctx, const std::string& name) override;
    void FillPane(EquationContext& ctx, GroupElement& paneLine) override;
    void ResetPane(EquationContext& ctx, GroupElement& paneLine) override;
};

// A new definition line for name: with the pane (open, both buttons) or a plain group.
GroupElement* MakeDefinitionLine(EquationContext& ctx, const std::string& name, bool withPane);
// Opens a closed pane: the buttons it held are replaced by a fresh pair right after the
// placeholder; whatever else the line holds stays.
// Does nothing for a line without a pane or with an open one.
void OpenPane(EquationContext& ctx, GroupElement& line);
// The n-th (0-based) variable button of a line, or null.
EquationElement* FindVariableButton(GroupElement& line, int n);

} // namespace zx::equation
