// Deleting at the caret: the caret element (with its attached groups and, for a group, its whole
// contents), or an empty group the caret stands in.
#include "char_element.h"
#include "editing.h"
#include "editing_support.h"
#include "equation_context.h"
#include "group_element.h"

namespace zx::equation {

namespace {

// Removes the empty group whose placeholder the caret stood on. An attached group is detached
// from its owner and the caret goes to the owner. An inline group is cut out of its chain; when
// it carries attachments a hole takes its place and keeps them.
void DeleteEmptyGroup(EquationContext& ctx, GroupElement* group) {
    EquationElement* owner = group->prev();
    ElementList doomed;
    if (PrevIsOwner(*group)) {
        if (owner->upper() == group) {
            owner->DetachUpper();
        }
        if (owner->lower() == group) {
            owner->DetachLower();
        }
        group->link->prev = nullptr;
        // Anything chained after an attached group goes with it; nothing else holds it.
        group->Collect(doomed);
        ctx.selectionAnchor = nullptr;
        ctx.DestroyElements(doomed);
        ctx.caret = owner;
        return;
    }
    EquationElement* newCaret = owner;
    if (group->attachments != nullptr) {
        auto* hole = new HoleElement(group);
        TakePlace(group, hole);
        newCaret = hole;
    } else {
        Unlink(group);
    }
    group->CollectSubtree(doomed);
    ctx.selectionAnchor = nullptr;
    ctx.DestroyElements(doomed);
    ctx.caret = newCaret;
}

// Removes the caret element with everything it holds and puts the caret on the element before.
void DeleteCaretElement(EquationContext& ctx) {
    EquationElement* e = ctx.caret;
    EquationElement* before = e->prev();
    if (before == nullptr) {
        return; // a line's root group is never deleted
    }
    ElementList doomed;
    if (e->IsGroup() && PrevIsOwner(*e)) {
        // An attached group the caret stood on: detach it from its owner; the owner's own chain
        // is left as it is.
        if (before->upper() == e) {
            before->DetachUpper();
        }
        if (before->lower() == e) {
            before->DetachLower();
        }
        e->link->prev = nullptr;
        e->Collect(doomed);
    } else {
        Unlink(e);
        e->CollectSubtree(doomed);
    }
    ctx.DestroyElements(doomed);
    ctx.caret = before;
}

} // namespace

void Delete(EquationContext& ctx) {
    if (ctx.caret == nullptr || ctx.currentLine == nullptr || ctx.caret->editable == 0) {
        return;
    }
    editing::BeginEdit(ctx, "");
    ctx.FlattenCurrentLine();
    EquationElement* caret = ctx.caret;
    if (caret->IsPlaceholder()) {
        if (caret->next() != nullptr) {
            ctx.caret = caret->next();
        } else {
            EquationElement* owner = caret->prev();
            if (owner == nullptr || !owner->IsGroup()) {
                return;
            }
            auto* group = static_cast<GroupElement*>(owner);
            ctx.selectionAnchor = caret;
            if (group->enclosureCode() == '{') {
                ctx.selectionAnchor = nullptr;
                if (ctx.paneHooks != nullptr) {
                    ctx.paneHooks->ResetPane(ctx, *group);
                }
                ctx.FlattenCurrentLine();
                return;
            }
            if (group->prev() == nullptr || group->prev()->kind == kFractionKind) {
                // An empty root, numerator or denominator stays.
                ctx.selectionAnchor = nullptr;
                return;
            }
            DeleteEmptyGroup(ctx, group);
            ctx.FlattenCurrentLine();
            return;
        }
    }
    DeleteCaretElement(ctx);
    ctx.FlattenCurrentLine();
}

} // namespace zx::equation
