// The character family: plain characters, holes, Symbol-font characters and argument names.
#include "char_element.h"

#include "group_element.h"

namespace zx::equation {

CharElement::CharElement(char c) : CharElement(c, kCharKind) {}

CharElement::CharElement(char c, ElementKind k) {
    kind = k;
    tag = c;
}

CharElement* CharElement::Convert(EquationElement* e) {
    auto* c = new CharElement(e->tag);
    TakePlace(e, c);
    e->Destroy();
    return c;
}

EquationElement* CharElement::Clone() const {
    auto* copy = new CharElement(tag, static_cast<ElementKind>(kind));
    CopyBaseInto(*copy);
    copy->afterAttachments = afterAttachments;
    return copy;
}

// A delta followed by a letter is one term.
EquationElement* CharElement::TermStart() {
    EquationElement* left = prev();
    if (left != nullptr && left->next() == this && left->kind == kDeltaKind) {
        return left->TermStart();
    }
    return this;
}

double CharElement::Distance(Point p) const {
    return EquationElement::Distance(p);
}

HoleElement::HoleElement(EquationElement* deleted) : CharElement('?', kHoleKind) {
    if (deleted == nullptr || deleted->attachments == nullptr) {
        return;
    }
    attachments = deleted->attachments;
    deleted->attachments = nullptr;
    if (EquationElement* u = upper()) {
        u->link->prev = this;
    }
    if (EquationElement* l = lower()) {
        l->link->prev = this;
    }
}

EquationElement* HoleElement::Clone() const {
    auto* copy = new HoleElement;
    CopyBaseInto(*copy);
    copy->afterAttachments = afterAttachments;
    return copy;
}

// An element typed at a hole takes the hole's place and keeps its attachments. An element that
// brings attachments of its own (a fraction) is put after the hole instead: taking the hole's
// groups over would lose its own.
void HoleElement::InsertAfter(EquationElement* e) {
    if (e->attachments != nullptr) {
        EquationElement::InsertAfter(e);
        return;
    }
    TakePlace(this, e);
    Destroy();
}

EquationElement* SymbolElement::Clone() const {
    auto* copy = new SymbolElement(tag);
    CopyBaseInto(*copy);
    copy->afterAttachments = afterAttachments;
    return copy;
}

ArgumentNameElement::ArgumentNameElement(char c)
    : CharElement(c, kArgumentNameKind), arguments_(MakeParenthesesGroup()) {}

ArgumentNameElement* ArgumentNameElement::Convert(EquationElement* e) {
    auto* a = new ArgumentNameElement(e->tag);
    TakePlace(e, a);
    e->Destroy();
    return a;
}

ArgumentNameElement::~ArgumentNameElement() {
    DestroyChain(arguments_);
}

EquationElement* ArgumentNameElement::Clone() const {
    auto* copy = new ArgumentNameElement(tag);
    CopyBaseInto(*copy);
    copy->afterAttachments = afterAttachments;
    DestroyChain(copy->arguments_);
    copy->arguments_ = static_cast<GroupElement*>(CloneSubtree(arguments_));
    return copy;
}

} // namespace zx::equation
