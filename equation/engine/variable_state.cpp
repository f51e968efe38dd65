#include "variable_state.h"

#include "equation_context.h"
#include "group_element.h"
#include "variables_pane.h"

namespace zx::equation {

VariableState::VariableState()
    : constantNames{"{Sp}"}, constantValues{3.1415927},
      paneHooks(std::make_unique<VariablePaneHooks>()) {}

VariableState::~VariableState() {
    for (GroupElement* line : variableLines) {
        DestroyChain(line);
    }
    for (GroupElement* line : definitionLines) {
        DestroyChain(line);
    }
}

} // namespace zx::equation
