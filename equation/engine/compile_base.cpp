// Compiling for the kinds that add no node of their own (placeholder, delta, texts, pane
// elements): they only pass on to their right neighbour. Also the enclosure's node function.
#include "element.h"
#include "enclosure.h"
#include "expr_builder.h"

namespace zx::equation {

void EquationElement::Compile(ExprNode* after) {
    CompileNext(*this, after);
}

EnclosureFunction* Enclosure::MakeNode() const {
    return new EnclosureFunction(EnclosureFunctionFor(code()));
}

} // namespace zx::equation
