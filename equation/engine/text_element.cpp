// Text runs.
#include "text_element.h"

#include <utility>

namespace zx::equation {

TextElement::TextElement(std::string text) : text_(std::move(text)) {
    kind = kTextKind;
    tag = 'S';
}

EquationElement* TextElement::Clone() const {
    auto* copy = new TextElement(text_);
    CopyBaseInto(*copy);
    return copy;
}

FixedTextElement::FixedTextElement(const std::string& text) {
    FixedTextElement::SetText(text);
}

EquationElement* FixedTextElement::Clone() const {
    auto* copy = new FixedTextElement(text_);
    CopyBaseInto(*copy);
    return copy;
}

// The inline buffer holds 99 characters and the terminating NUL; a longer text is cut.
void FixedTextElement::SetText(const std::string& text) {
    text_ = text.substr(0, kCapacity - 1);
}

UnitTextElement::UnitTextElement(std::string text) : TextElement(std::move(text)) {
    kind = kUnitTextKind;
    tag = 'U';
}

EquationElement* UnitTextElement::Clone() const {
    auto* copy = new UnitTextElement(text_);
    CopyBaseInto(*copy);
    return copy;
}

} // namespace zx::equation
