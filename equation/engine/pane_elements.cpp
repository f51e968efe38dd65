// The variable-pane elements: button sizes, hit tests, text and activation.
#include "pane_elements.h"

#include <array>

#include "equation_context.h"
#include "group_element.h"

namespace zx::equation {

namespace {

// Filled by the sprite from its four button pictures.
std::array<ButtonSize, 4> gButtonSizes{};

// The pane group the element stands in, with its pane enclosure; null when it is in none.
GroupElement* PaneGroupOf(EquationElement& e, PaneEnclosure*& pane) {
    pane = nullptr;
    GroupElement* g = ContainingGroup(&e);
    if (g != nullptr) {
        pane = PaneOf(*g);
    }
    return pane != nullptr ? g : nullptr;
}

// Destroys every element of the pane's contents except the placeholder and keep, and leaves keep
// (still linked) right after the placeholder.
void ClearPaneExcept(EquationContext& ctx, GroupElement& pane, EquationElement* keep) {
    EquationElement* placeholder = pane.FirstChild();
    if (placeholder == nullptr) {
        return;
    }
    ElementList doomed;
    for (EquationElement* e = placeholder->next(); e != nullptr; e = e->next()) {
        if (e != keep) {
            e->CollectSubtree(doomed);
        }
    }
    placeholder->link->next = keep;
    if (keep != nullptr) {
        keep->link->prev = placeholder;
        keep->link->next = nullptr;
    }
    ctx.DestroyElements(doomed);
}

// Makes the pane's placeholder editable again and cuts e off the pane; e is returned to the
// caller, which deletes it.
EquationElement* CutOff(EquationContext& ctx, GroupElement& pane, EquationElement* e) {
    if (EquationElement* placeholder = pane.FirstChild()) {
        placeholder->editable = 1;
    }
    Unlink(e);
    ElementList gone;
    gone.Append(e);
    ctx.Forget(gone);
    return e;
}

} // namespace

ButtonSize ButtonBitmapSize(int variableIndex) {
    const int i = variableIndex - 1;
    if (i < 0 || i >= static_cast<int>(gButtonSizes.size())) {
        return {};
    }
    return gButtonSizes[static_cast<std::size_t>(i)];
}

void SetButtonBitmapSize(int pictureIndex, ButtonSize size) {
    if (pictureIndex >= 0 && pictureIndex < static_cast<int>(gButtonSizes.size())) {
        gButtonSizes[static_cast<std::size_t>(pictureIndex)] = size;
    }
}

PaneElement::PaneElement(char t, ElementKind k) {
    kind = k;
    tag = t;
    editable = 0;
}

VariableButtonElement::VariableButtonElement(int index, int buttonState)
    : PaneElement('B', kVariableButtonKind), variableIndex(index), state(buttonState),
      bitmapSize(ButtonBitmapSize(index)) {}

EquationElement* VariableButtonElement::Clone() const {
    auto* copy = new VariableButtonElement(variableIndex, state);
    CopyBaseInto(*copy);
    copy->bitmapSize = bitmapSize;
    return copy;
}

double VariableButtonElement::Distance(Point p) const {
    if (ContainsPoint(p)) {
        return 0.0;
    }
    return EquationElement::Distance(p);
}

// The button's bitmap is drawn with its bottom-left corner at the start point.
bool VariableButtonElement::ContainsDevicePoint(int px, int py) const {
    return start.x <= px && px <= start.x + bitmapSize.width && start.y - bitmapSize.height <= py &&
           py <= start.y;
}

bool VariableButtonElement::ContainsPoint(Point p) const {
    return ContainsDevicePoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

EquationElement* VariableButtonElement::Activate(EquationContext& ctx) {
    PaneEnclosure* pane = nullptr;
    GroupElement* group = PaneGroupOf(*this, pane);
    if (group == nullptr) {
        return nullptr;
    }
    if (pane->open == 0) {
        pane->open = 1;
        EquationElement* self = CutOff(ctx, *group, this);
        if (ctx.paneHooks != nullptr) {
            ctx.paneHooks->FillPane(ctx, *group);
        }
        return self;
    }
    pane->open = 0;
    ClearPaneExcept(ctx, *group, this);
    if (state == 1) {
        if (ctx.paneHooks != nullptr) {
            ctx.paneHooks->MakeIndependent(ctx, pane->name());
        }
        return nullptr;
    }
    if (state == 0) {
        pane->secondFlag = 0;
        return CutOff(ctx, *group, this);
    }
    return nullptr;
}

PaneToggleElement::PaneToggleElement() : PaneElement('U', kPaneToggleKind) {}

EquationElement* PaneToggleElement::Clone() const {
    auto* copy = new PaneToggleElement;
    CopyBaseInto(*copy);
    return copy;
}

EquationElement* PaneToggleElement::Activate(EquationContext& ctx) {
    PaneEnclosure* pane = nullptr;
    GroupElement* group = PaneGroupOf(*this, pane);
    if (group == nullptr || pane->open == 0) {
        return nullptr;
    }
    pane->open = 0;
    pane->secondFlag = 0;
    ClearPaneExcept(ctx, *group, this);
    return CutOff(ctx, *group, this);
}

} // namespace zx::equation
