// The editing state of an equation pane: its lines (root groups) and equations, the current line,
// the caret, the selection anchor used while deleting, the flattened current line, the clipboard
// and the results-shown flag. Also the one place that destroys lines and elements: everything
// destroyed is first forgotten by the caret, the current line, the selection anchor and the
// flattened list, so none of them is ever left pointing at freed memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "element.h"
#include "variable_state.h"
#include "variable_table.h"

namespace zx::equation {

class GroupElement;

struct PaneRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What the variable-pane elements ask of the owner of the variable lists when they are activated.
// Set by whoever builds the panes; without hooks, activation changes only the tree.
class PaneHooks {
public:
    virtual ~PaneHooks() = default;
    // The pane's variable becomes an independent variable.
    virtual void MakeIndependent(EquationContext& ctx, const std::string& name) = 0;
    // Puts the buttons of an opened pane after its placeholder.
    virtual void FillPane(EquationContext& ctx, GroupElement& paneLine) = 0;
    // Backspace in an empty pane group.
    virtual void ResetPane(EquationContext& ctx, GroupElement& paneLine) = 0;
};

class EquationContext {
public:
    EquationContext();
    ~EquationContext();
    EquationContext(const EquationContext&) = delete;
    EquationContext& operator=(const EquationContext&) = delete;

    // ---- lines ----
    // Appends a new empty root group to lines (and to equations when asEquation).
    GroupElement* AppendLine(bool asEquation);
    // Takes ownership of line and puts it into lines right after `after` (at the end when after
    // is not a line).
    void InsertLineAfter(GroupElement* after, GroupElement* line);
    // Removes line from lines and equations and destroys it with everything it holds.
    void DestroyLine(GroupElement* line);
    bool IsLine(const GroupElement* g) const;

    // ---- destroying ----
    // Clears every editing reference (caret, current line, selection anchor, flattened line) that
    // points at one of the listed elements.
    void Forget(const ElementList& doomed);
    // Forget, then destroy every listed element.
    void DestroyElements(ElementList& doomed);
    // Unlinked subtree (e, its contents and attachments, not its right neighbours).
    void DestroySubtree(EquationElement* e);

    // Flattens the current line into lineElements (empty without a current line).
    void FlattenCurrentLine();
    // Makes line current with the caret on its placeholder.
    void SelectLine(GroupElement* line);
    // Sets the result text of the current line (when there is one).
    void SetCurrentResultText(const std::string& text);

    // ---- editing state ----
    std::vector<GroupElement*> lines;     // every line shown and edited, in order; owned
    std::vector<GroupElement*> equations; // the equation lines among them, in order
    GroupElement* currentLine = nullptr;
    EquationElement* caret = nullptr;
    EquationElement* selectionAnchor = nullptr; // only inside Delete
    ElementList lineElements;
    ElementList clipboard;                 // the contents of clipboardRoot, pre-order
    GroupElement* clipboardRoot = nullptr; // owned
    std::int32_t resultsShown = 0;
    std::int32_t blink = 0;
    PaneRect rect;
    PaneHooks* paneHooks = nullptr;

    // Evaluation side: the independent variables and the variable lists with their lines.
    VariableTable variableTable;
    VariableState variables;
};

} // namespace zx::equation
