// Collecting the variable names an element tree uses, in order of first appearance.
#include <algorithm>
#include <string>

#include "char_element.h"
#include "group_element.h"
#include "structure_elements.h"

namespace zx::equation {

namespace {

void AddName(NameList& names, std::string name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        names.push_back(std::move(name));
    }
}

void CollectFrom(EquationElement* e, NameList& names) {
    if (e != nullptr) {
        e->CollectNames(names);
    }
}

} // namespace

void EquationElement::CollectNames(NameList& names) {
    CollectFrom(upper(), names);
    CollectFrom(next(), names);
}

void CharElement::CollectNames(NameList& names) {
    if (!IsOperatorTag(tag)) {
        std::string key;
        VariableName(key);
        AddName(names, std::move(key));
    }
    CollectFrom(upper(), names);
    CollectFrom(next(), names);
}

void FractionElement::CollectNames(NameList& names) {
    CollectFrom(upper(), names);
    CollectFrom(lower(), names);
    CollectFrom(next(), names);
}

void GroupElement::CollectNames(NameList& names) {
    if (evaluated != 0) {
        CollectFrom(FirstChild(), names);
        // The superscript of a group is its exponent and reads variables too.
        CollectFrom(upper(), names);
    }
    CollectFrom(next(), names);
}

} // namespace zx::equation
