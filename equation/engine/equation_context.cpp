// Lines of a pane and the one place that destroys lines and elements safely.
#include "equation_context.h"

#include <algorithm>

#include "group_element.h"

namespace zx::equation {

EquationContext::EquationContext() = default;

EquationContext::~EquationContext() {
    for (GroupElement* line : lines) {
        DestroyChain(line);
    }
    DestroyChain(clipboardRoot);
}

GroupElement* EquationContext::AppendLine(bool asEquation) {
    auto* line = new GroupElement;
    lines.push_back(line);
    if (asEquation) {
        equations.push_back(line);
    }
    return line;
}

void EquationContext::InsertLineAfter(GroupElement* after, GroupElement* line) {
    auto it = std::find(lines.begin(), lines.end(), after);
    if (it == lines.end()) {
        lines.push_back(line);
    } else {
        lines.insert(it + 1, line);
    }
}

bool EquationContext::IsLine(const GroupElement* g) const {
    return std::find(lines.begin(), lines.end(), g) != lines.end();
}

void EquationContext::DestroyLine(GroupElement* line) {
    if (line == nullptr) {
        return;
    }
    std::erase(lines, line);
    std::erase(equations, line);
    ElementList doomed;
    line->Collect(doomed);
    DestroyElements(doomed);
}

void EquationContext::Forget(const ElementList& doomed) {
    if (doomed.Empty()) {
        return;
    }
    std::vector<const EquationElement*> sorted(doomed.begin(), doomed.end());
    std::sort(sorted.begin(), sorted.end());
    auto gone = [&](const EquationElement* e) {
        return std::binary_search(sorted.begin(), sorted.end(), e);
    };
    bool lineGone = false;
    if (currentLine != nullptr && gone(currentLine)) {
        currentLine = nullptr;
        lineGone = true;
    }
    if (caret != nullptr && (lineGone || gone(caret))) {
        caret = nullptr;
    }
    if (selectionAnchor != nullptr && gone(selectionAnchor)) {
        selectionAnchor = nullptr;
    }
    if (std::any_of(lineElements.begin(), lineElements.end(), gone)) {
        lineElements.Clear();
    }
}

void EquationContext::DestroyElements(ElementList& doomed) {
    Forget(doomed);
    doomed.DestroyAll();
}

void EquationContext::DestroySubtree(EquationElement* e) {
    if (e == nullptr) {
        return;
    }
    ElementList doomed;
    e->CollectSubtree(doomed);
    DestroyElements(doomed);
}

void EquationContext::FlattenCurrentLine() {
    lineElements.Clear();
    if (currentLine != nullptr) {
        currentLine->Collect(lineElements);
    }
}

void EquationContext::SelectLine(GroupElement* line) {
    currentLine = line;
    caret = line != nullptr ? line->FirstChild() : nullptr;
    FlattenCurrentLine();
}

void EquationContext::SetCurrentResultText(const std::string& text) {
    if (currentLine != nullptr) {
        currentLine->SetResultText(text);
    }
}

} // namespace zx::equation
