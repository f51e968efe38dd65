// The group: construction with its placeholder, enclosure and result text; cloning; distance.
#include "group_element.h"

#include "structure_elements.h"
#include "text_element.h"

namespace zx::equation {

namespace {
constexpr int kLevelZeroHeight = 15;
}

GroupElement::GroupElement() : GroupElement(nullptr, 1) {}

GroupElement::GroupElement(Enclosure* enclosure, int evaluatedFlag) {
    kind = kGroupKind;
    tag = 'L';
    height = kLevelZeroHeight;
    evaluated = evaluatedFlag;
    enclosure_ = enclosure != nullptr ? enclosure : new Enclosure(0);
    resultText_ = new FixedTextElement;
    auto* placeholder = new PlaceholderElement;
    placeholder->link->prev = this;
    firstChild_ = placeholder;
}

GroupElement::~GroupElement() {
    delete enclosure_;
    resultText_->Destroy();
}

EquationElement* GroupElement::Clone() const {
    auto* copy = new GroupElement(enclosure_->Clone(), evaluated);
    // The clone shares the original's contents until CloneRun re-points the first child; the
    // placeholder its constructor made is not used.
    copy->firstChild_->Destroy();
    copy->firstChild_ = firstChild_;
    CopyBaseInto(*copy);
    copy->origin = origin;
    copy->boxFirst = boxFirst;
    copy->boxSecond = boxSecond;
    copy->boxValid = boxValid;
    copy->resultText_->SetText(resultText_->text());
    return copy;
}

void GroupElement::Collect(ElementList& list) {
    EquationElement::Collect(list);
}

double GroupElement::Distance(Point p) const {
    if (enclosure_->code() != 0 && prev() != nullptr) {
        return EquationElement::Distance(p);
    }
    return 1e30;
}

void GroupElement::SetResultText(const std::string& text) {
    resultText_->SetText(text);
}

bool GroupElement::IsEmpty() const {
    return firstChild_ == nullptr || firstChild_->next() == nullptr;
}

EquationElement* GroupElement::LastChild() const {
    EquationElement* e = firstChild_;
    while (e != nullptr && e->next() != nullptr) {
        e = e->next();
    }
    return e;
}

GroupElement* MakeParenthesesGroup() {
    return new GroupElement(new Enclosure('('), 1);
}
GroupElement* MakeSquareRootGroup() {
    return new GroupElement(new Enclosure('s'), 1);
}
GroupElement* MakeSquareBracketsGroup() {
    return new GroupElement(new Enclosure('['), 0);
}

PaneEnclosure* PaneOf(GroupElement& group) {
    if (group.enclosureCode() != '{') {
        return nullptr;
    }
    return dynamic_cast<PaneEnclosure*>(&group.enclosure());
}

} // namespace zx::equation
