// A named function.
#include "function_element.h"

#include <utility>

namespace zx::equation {

FunctionElement::FunctionElement(std::string name) : name_(std::move(name)) {
    kind = kFunctionKind;
    tag = 'F';
}

EquationElement* FunctionElement::Clone() const {
    auto* copy = new FunctionElement(name_);
    CopyBaseInto(*copy);
    return copy;
}

} // namespace zx::equation
