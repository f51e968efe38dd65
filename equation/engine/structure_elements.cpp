// Placeholder, delta, fraction and digit.
#include "structure_elements.h"

#include "group_element.h"

namespace zx::equation {

PlaceholderElement::PlaceholderElement() {
    kind = kPlaceholderKind;
    tag = '?';
}

EquationElement* PlaceholderElement::Clone() const {
    auto* copy = new PlaceholderElement;
    CopyBaseInto(*copy);
    return copy;
}

DeltaElement::DeltaElement() {
    kind = kDeltaKind;
    tag = 'D';
}

EquationElement* DeltaElement::Clone() const {
    auto* copy = new DeltaElement;
    CopyBaseInto(*copy);
    return copy;
}

FractionElement::FractionElement() {
    kind = kFractionKind;
    tag = '/';
}

FractionElement* FractionElement::MakeWithGroups() {
    auto* f = new FractionElement;
    auto* denominator = new GroupElement;
    auto* numerator = new GroupElement;
    denominator->link->prev = f;
    numerator->link->prev = f;
    f->Attachments().lower = denominator;
    f->Attachments().upper = numerator;
    return f;
}

EquationElement* FractionElement::Clone() const {
    auto* copy = new FractionElement;
    CopyBaseInto(*copy);
    return copy;
}

DigitElement::DigitElement(char c) {
    kind = kDigitKind;
    tag = c;
}

EquationElement* DigitElement::Clone() const {
    auto* copy = new DigitElement(tag);
    CopyBaseInto(*copy);
    return copy;
}

EquationElement* DigitElement::TermStart() {
    EquationElement* e = this;
    while (e->prev() != nullptr && e->prev()->next() == e && e->prev()->kind == kDigitKind) {
        e = e->prev();
    }
    return e;
}

double DigitElement::Distance(Point p) const {
    return EquationElement::Distance(p);
}

} // namespace zx::equation
