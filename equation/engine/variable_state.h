// The variable lists of an equation context: constants, dependent names, the names the
// equations use, the variable lines that show them, the definitions with their lines, and the
// independent variables among the used names. The pane hooks that the variable-pane buttons
// call are kept here too, so a context that has definition lines can always answer them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "element.h"

namespace zx::equation {

class GroupElement;
class PaneHooks;

// Told when the number of used independent variables changes.
class VariableChangeListener {
public:
    virtual ~VariableChangeListener() = default;
    virtual void UsedIndependentsChanged() = 0;
};

struct VariableState {
    VariableState();
    ~VariableState(); // destroys the variable lines and the definition lines
    VariableState(const VariableState&) = delete;
    VariableState& operator=(const VariableState&) = delete;

    // Names every evaluation appends with their values: pi under the key of the Symbol-font
    // letter p, at the precision stored results were computed with.
    NameList constantNames;
    std::vector<double> constantValues;

    // DepVar1Name and DepVar2Name.
    std::array<std::string, 2> dependentNames;

    // Variables the equations (and, transitively, their definitions) use, except dependent
    // names, constants and, without the independent-variable pane, the table's names.
    NameList usedNames;
    // One line per used name showing it, in used-name order; owned.
    std::vector<GroupElement*> variableLines;
    // Every name that ever got a definition line, with its line at the same index; owned.
    NameList definedNames;
    std::vector<GroupElement*> definitionLines;
    // Names of the variable table the equations use, in table order.
    NameList usedIndependents;

    // 1: definition lines carry the independent-variable pane; 0: plain lines.
    int showIndependentPane = 1;
    VariableChangeListener* listener = nullptr;
    // Answers the variable-pane buttons of the definition lines (made by the constructor).
    std::unique_ptr<PaneHooks> paneHooks;
};

} // namespace zx::equation
