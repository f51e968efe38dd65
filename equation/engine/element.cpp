// The base element and the tree operations every kind shares.
#include "element.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "group_element.h"

namespace zx::equation {

std::size_t ElementList::IndexOf(const EquationElement* e) const {
    auto it = std::find(items_.begin(), items_.end(), e);
    return static_cast<std::size_t>(it - items_.begin());
}

void ElementList::DestroyAll() {
    for (EquationElement* e : items_) {
        e->Destroy();
    }
    items_.clear();
}

EquationElement::EquationElement() = default;

EquationElement::~EquationElement() {
    delete attachments;
    if (accent != nullptr) {
        accent->Destroy();
    }
}

EquationElement* EquationElement::Clone() const {
    return nullptr;
}

void EquationElement::CopyBaseInto(EquationElement& clone) const {
    clone.kind = kind;
    clone.tag = tag;
    clone.editable = editable;
    clone.start = start;
    clone.end = end;
    clone.height = height;
    clone.lowerAnchor = lowerAnchor;
    clone.upperAnchor = upperAnchor;
    *clone.link = *link;
    if (attachments != nullptr) {
        clone.Attachments() = *attachments;
    }
    if (accent != nullptr) {
        clone.SetAccent(CloneSubtree(accent));
    }
}

void EquationElement::CollectSubtree(ElementList& list) {
    list.Append(this);
    if (EquationElement* child = FirstChild()) {
        child->Collect(list);
    }
    if (EquationElement* u = upper()) {
        u->Collect(list);
    }
    if (EquationElement* l = lower()) {
        l->Collect(list);
    }
}

// The chain is walked in a loop rather than by recursion on next: only nesting recurses.
void EquationElement::Collect(ElementList& list) {
    for (EquationElement* e = this; e != nullptr; e = e->next()) {
        e->CollectSubtree(list);
    }
}

void EquationElement::SetFirstChild(EquationElement*) {}

EquationElement* EquationElement::FirstChild() const {
    return nullptr;
}

void EquationElement::Destroy() {
    delete this;
}

void EquationElement::VariableName(std::string& text) const {
    const EquationElement* left = prev();
    if (left != nullptr && left->kind == kDeltaKind && left->next() == this) {
        text += '$';
    }
    if (kind == kSymbolKind) {
        text += "{S";
        text += tag;
        text += '}';
    } else {
        text += tag;
    }
    if (EquationElement* l = lower()) {
        text += '&';
        if (EquationElement* child = l->FirstChild()) {
            child->WriteText(text);
        } else {
            text += '@';
        }
    }
    if (accent != nullptr) {
        text += '~';
    }
}

EquationElement* EquationElement::TermStart() {
    return this;
}

double EquationElement::Distance(Point p) const {
    const double lift = static_cast<double>(height / 2);
    const double ds = std::hypot(p.x - start.x, p.y - (start.y - lift));
    const double de = std::hypot(p.x - end.x, p.y - (end.y - lift));
    return std::min(ds, de);
}

bool EquationElement::ContainsDevicePoint(int px, int py) const {
    return start.x <= px && px <= start.x + height && start.y <= py && py <= start.y - height;
}

bool EquationElement::ContainsPoint(Point p) const {
    return ContainsDevicePoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

EquationElement* EquationElement::EnclosingGroup() {
    if (IsGroup()) {
        return this;
    }
    return ContainingGroup(this);
}

void EquationElement::InsertAfter(EquationElement* e) {
    if (IsGroup() && FirstChild() == nullptr) {
        // Inserting "after" a group without contents makes e its first child. The group keeps its
        // right neighbour: handing it to e as well would make it reachable twice.
        SetFirstChild(e);
        e->link->next = nullptr;
        e->link->prev = this;
        return;
    }
    EquationElement* old = next();
    e->link->next = old;
    if (old != nullptr) {
        old->link->prev = e;
    }
    link->next = e;
    e->link->prev = this;
}

AttachmentPair& EquationElement::Attachments() {
    if (attachments == nullptr) {
        attachments = new AttachmentPair;
    }
    return *attachments;
}

void EquationElement::DetachUpper() {
    if (attachments == nullptr) {
        return;
    }
    attachments->upper = nullptr;
    if (attachments->lower == nullptr) {
        delete attachments;
        attachments = nullptr;
    }
}

void EquationElement::DetachLower() {
    if (attachments == nullptr) {
        return;
    }
    attachments->lower = nullptr;
    if (attachments->upper == nullptr) {
        delete attachments;
        attachments = nullptr;
    }
}

void EquationElement::SetAccent(EquationElement* a) {
    if (accent != nullptr) {
        accent->Destroy();
    }
    accent = a;
}

bool IsOperatorTag(char c) {
    switch (c) {
    case '*':
    case '+':
    case '-':
    case '<':
    case '=':
    case '>':
    case kSymbolTimes:
        return true;
    default:
        return false;
    }
}

bool IsRelationTag(char c) {
    return c == '<' || c == '=' || c == '>';
}

bool PrevIsOwner(const EquationElement& g) {
    const EquationElement* p = g.prev();
    return p == nullptr || p->next() != &g;
}

GroupElement* ContainingGroup(const EquationElement* e) {
    if (e == nullptr) {
        return nullptr;
    }
    const EquationElement* head = e;
    while (head->prev() != nullptr && !PrevIsOwner(*head)) {
        head = head->prev();
    }
    EquationElement* owner = head->prev();
    if (owner == nullptr || !owner->IsGroup()) {
        return nullptr;
    }
    return static_cast<GroupElement*>(owner);
}

GroupElement* LineRoot(EquationElement* e) {
    if (e == nullptr) {
        return nullptr;
    }
    while (e->prev() != nullptr) {
        e = e->prev();
    }
    return e->IsGroup() ? static_cast<GroupElement*>(e) : nullptr;
}

std::size_t CountElements(EquationElement* root) {
    if (root == nullptr) {
        return 0;
    }
    ElementList list;
    root->Collect(list);
    return list.Count();
}

std::size_t SubtreeSize(EquationElement* e) {
    if (e == nullptr) {
        return 0;
    }
    if (e->FirstChild() == nullptr && e->attachments == nullptr) {
        return 1; // the common case needs no list
    }
    ElementList list;
    e->CollectSubtree(list);
    return list.Count();
}

void DestroyChain(EquationElement* root) {
    if (root == nullptr) {
        return;
    }
    ElementList list;
    root->Collect(list);
    list.DestroyAll();
}

void DestroySubtree(EquationElement* e) {
    if (e == nullptr) {
        return;
    }
    ElementList list;
    e->CollectSubtree(list);
    list.DestroyAll();
}

void CloneRun(const ElementList& source, std::size_t first, std::size_t count,
              ElementList& clones) {
    first = std::min(first, source.Count());
    count = std::min(count, source.Count() - first);
    // Originals sorted by address, each with the index of its clone, for the re-pointing below.
    std::vector<std::pair<const EquationElement*, std::size_t>> index;
    index.reserve(count);
    const std::size_t base = clones.Count();
    for (std::size_t i = 0; i < count; ++i) {
        EquationElement* original = source[first + i];
        EquationElement* copy = original->Clone();
        clones.Append(copy);
        index.emplace_back(original, base + i);
    }
    std::sort(index.begin(), index.end());
    auto map = [&](const EquationElement* p) -> EquationElement* {
        if (p == nullptr) {
            return nullptr;
        }
        auto it = std::lower_bound(index.begin(), index.end(),
                                   std::pair<const EquationElement*, std::size_t>(p, 0));
        if (it == index.end() || it->first != p) {
            return nullptr;
        }
        return clones[it->second];
    };
    for (std::size_t i = 0; i < count; ++i) {
        EquationElement* copy = clones[base + i];
        copy->link->next = map(copy->link->next);
        copy->link->prev = map(copy->link->prev);
        if (copy->IsGroup()) {
            copy->SetFirstChild(map(copy->FirstChild()));
        }
        if (copy->attachments != nullptr) {
            copy->attachments->upper = map(copy->attachments->upper);
            copy->attachments->lower = map(copy->attachments->lower);
            if (copy->attachments->upper == nullptr && copy->attachments->lower == nullptr) {
                delete copy->attachments;
                copy->attachments = nullptr;
            }
        }
    }
}

EquationElement* CloneSubtree(EquationElement* e) {
    if (e == nullptr) {
        return nullptr;
    }
    ElementList list;
    e->CollectSubtree(list);
    ElementList clones;
    CloneRun(list, 0, list.Count(), clones);
    return clones[0];
}

} // namespace zx::equation

namespace zx::equation {

namespace {

// Re-points whatever referred to old from its left side (neighbour, owning group's first child, or
// an owner's attachment slot) to replacement.
void RepointLeft(EquationElement* old, EquationElement* replacement) {
    EquationElement* p = old->prev();
    if (p == nullptr) {
        return;
    }
    if (p->next() == old) {
        p->link->next = replacement;
    } else if (p->IsGroup() && p->FirstChild() == old) {
        p->SetFirstChild(replacement);
    } else if (p->attachments != nullptr) {
        if (p->attachments->upper == old) {
            p->attachments->upper = replacement;
        }
        if (p->attachments->lower == old) {
            p->attachments->lower = replacement;
        }
    }
}

} // namespace

void TakePlace(EquationElement* old, EquationElement* replacement) {
    RepointLeft(old, replacement);
    replacement->link->prev = old->prev();
    replacement->link->next = old->next();
    if (EquationElement* n = old->next()) {
        n->link->prev = replacement;
    }
    if (old->attachments != nullptr) {
        delete replacement->attachments;
        replacement->attachments = old->attachments;
        old->attachments = nullptr;
        if (EquationElement* u = replacement->upper()) {
            u->link->prev = replacement;
        }
        if (EquationElement* l = replacement->lower()) {
            l->link->prev = replacement;
        }
    }
    if (old->accent != nullptr) {
        replacement->SetAccent(old->accent);
        old->accent = nullptr;
    }
    old->link->prev = nullptr;
    old->link->next = nullptr;
}

void Unlink(EquationElement* e) {
    RepointLeft(e, e->next());
    if (EquationElement* n = e->next()) {
        n->link->prev = e->prev();
    }
    e->link->prev = nullptr;
    e->link->next = nullptr;
}

} // namespace zx::equation

namespace zx::equation {

bool CanCarryAttachments(const EquationElement& e) {
    if (e.IsGroup() && PrevIsOwner(e)) {
        return false;
    }
    return true;
}

EquationElement* InsertionPoint(EquationElement* e) {
    if (e != nullptr && e->IsGroup() && PrevIsOwner(*e) && e->FirstChild() != nullptr) {
        EquationElement* last = e->FirstChild();
        while (last->next() != nullptr) {
            last = last->next();
        }
        return last;
    }
    return e;
}

EquationElement* HoldingGroup(EquationElement* e) {
    if (e == nullptr) {
        return nullptr;
    }
    if (e->IsGroup()) {
        if (e->prev() == nullptr || PrevIsOwner(*e)) {
            return e;
        }
        return ContainingGroup(e);
    }
    return ContainingGroup(e);
}

} // namespace zx::equation
