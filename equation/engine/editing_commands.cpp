// New lines, stepping out, the fraction key, the clipboard and the line commands.
#include <string>

#include "editing.h"
#include "editing_support.h"
#include "equation_context.h"
#include "group_element.h"
#include "reader.h"
#include "structure_elements.h"

namespace zx::equation {

void NewLine(EquationContext& ctx) {
    if (ctx.caret == nullptr || ctx.currentLine == nullptr) {
        return;
    }
    GroupElement* current = ctx.currentLine;
    if (current->IsEmpty()) {
        return;
    }
    auto* line = new GroupElement;
    line->origin = current->origin;
    line->origin.y -= 1.2 * current->Height();
    line->start = line->origin;
    ctx.InsertLineAfter(current, line);
    ctx.SelectLine(line);
}

void StepOut(EquationContext& ctx) {
    EquationElement* caret = ctx.caret;
    if (caret == nullptr) {
        return;
    }
    if (caret->attachments == nullptr) {
        EquationElement* group = HoldingGroup(caret);
        if (group == nullptr) {
            return;
        }
        if (group->prev() != nullptr) {
            ctx.caret = group->prev();
        } else if (group->next() != nullptr) {
            ctx.caret = group->next();
        }
        return;
    }
    EquationElement* target = caret->lower() != nullptr ? caret->lower() : caret->upper();
    if (target != nullptr && target->FirstChild() != nullptr) {
        ctx.caret = target->FirstChild();
    }
}

// With a term before the caret (a number, a letter, a delta and its letter) the term becomes the
// numerator and the caret goes to the empty denominator; otherwise an empty fraction is inserted
// with the caret in its numerator.
void InsertFraction(EquationContext& ctx) {
    EquationElement* caret = ctx.caret;
    if (caret == nullptr) {
        return;
    }
    FractionElement* fraction = FractionElement::MakeWithGroups();
    const bool takesTerm = !caret->IsGroup() && !caret->IsPlaceholder() &&
                           !IsOperatorTag(caret->tag) && caret->prev() != nullptr;
    if (!takesTerm) {
        if (editing::InsertAtCaret(ctx, fraction)) {
            ctx.caret = fraction->upper()->FirstChild();
        }
        return;
    }
    if (!editing::LineHasRoom(ctx, 5)) {
        DestroySubtree(fraction);
        return;
    }
    EquationElement* first = caret->TermStart();
    EquationElement* before = first->prev();
    EquationElement* after = caret->next();
    // The fraction takes the run's place in the chain.
    before->link->next = fraction;
    fraction->link->prev = before;
    fraction->link->next = after;
    if (after != nullptr) {
        after->link->prev = fraction;
    }
    // The run moves into the numerator, after its placeholder.
    EquationElement* placeholder = fraction->upper()->FirstChild();
    placeholder->link->next = first;
    first->link->prev = placeholder;
    caret->link->next = nullptr;
    ctx.caret = fraction->lower()->FirstChild();
}

void SetClipboard(EquationContext& ctx, std::string_view text) {
    auto* root = new GroupElement;
    ReadInto(*root, text);
    ctx.clipboard.Clear();
    DestroyChain(ctx.clipboardRoot);
    ctx.clipboardRoot = root;
    if (EquationElement* contents = root->FirstChild()) {
        contents->Collect(ctx.clipboard);
    }
}

// Clones the clipboard and links its top-level chain after the caret: the clipboard's placeholder
// is not pasted, and nested elements come along inside their groups. The last pasted element takes
// the caret's old right neighbour and becomes the caret.
void Paste(EquationContext& ctx) {
    if (ctx.caret == nullptr || ctx.currentLine == nullptr || ctx.caret->editable == 0) {
        return;
    }
    editing::BeginEdit(ctx, "");
    if (ctx.clipboard.Count() < 2) {
        return;
    }
    ElementList clones;
    CloneRun(ctx.clipboard, 0, ctx.clipboard.Count(), clones);
    EquationElement* placeholder = clones[0];
    EquationElement* first = placeholder->next();
    placeholder->link->next = nullptr;
    if (first != nullptr) {
        first->link->prev = nullptr;
    }
    DestroySubtree(placeholder);
    ElementList pasted;
    if (first != nullptr) {
        first->Collect(pasted);
    }
    if (first == nullptr || !editing::LineHasRoom(ctx, pasted.Count())) {
        pasted.DestroyAll();
        return;
    }
    for (EquationElement* e = first; e != nullptr;) {
        EquationElement* following = e->next();
        e->link->next = nullptr;
        e->link->prev = nullptr;
        InsertionPoint(ctx.caret)->InsertAfter(e);
        ctx.caret = e;
        e = following;
    }
    ctx.FlattenCurrentLine();
}

void InsertString(EquationContext& ctx, std::string_view text) {
    SetClipboard(ctx, text);
    Paste(ctx);
}

void RemoveCurrentLine(EquationContext& ctx) {
    if (ctx.currentLine == nullptr) {
        return;
    }
    if (ctx.caret != nullptr && ctx.caret->editable == 0) {
        return;
    }
    ctx.DestroyLine(ctx.currentLine);
    ctx.currentLine = nullptr;
    ctx.caret = nullptr;
    ctx.lineElements.Clear();
}

void ClearLine(EquationContext& ctx) {
    GroupElement* line = ctx.currentLine;
    if (line == nullptr) {
        return;
    }
    if (ctx.caret != nullptr && ctx.caret->editable == 0) {
        return;
    }
    ElementList doomed;
    if (EquationElement* placeholder = line->FirstChild()) {
        if (EquationElement* rest = placeholder->next()) {
            rest->Collect(doomed);
            placeholder->link->next = nullptr;
        }
    }
    // Elements chained after the root itself belong to the line as well.
    if (EquationElement* beyond = line->next()) {
        beyond->Collect(doomed);
        line->link->next = nullptr;
    }
    ctx.DestroyElements(doomed);
    ctx.caret = line->FirstChild();
    ctx.SetCurrentResultText("");
    ctx.resultsShown = 0;
    ctx.FlattenCurrentLine();
}

} // namespace zx::equation
