// The key handler: moves, insertions and the keys that call the other editing operations.
#include "char_element.h"
#include "editing.h"
#include "editing_support.h"
#include "equation_context.h"
#include "group_element.h"
#include "structure_elements.h"

namespace zx::equation {

namespace editing {

bool LineHasRoom(EquationContext& ctx, std::size_t added) {
    EquationElement* root = ctx.currentLine != nullptr ? ctx.currentLine : LineRoot(ctx.caret);
    return CountElements(root) + added <= kMaxLineElements;
}

bool InsertAtCaret(EquationContext& ctx, EquationElement* e) {
    if (!LineHasRoom(ctx, SubtreeSize(e))) {
        DestroySubtree(e);
        return false;
    }
    InsertionPoint(ctx.caret)->InsertAfter(e);
    ctx.caret = e;
    return true;
}

void BeginEdit(EquationContext& ctx, const char* resultText) {
    ctx.resultsShown = 0;
    ctx.SetCurrentResultText(resultText);
}

} // namespace editing

namespace {

using editing::InsertAtCaret;

// "^" and "&": into the caret's upper or lower group, created when missing.
void EnterAttachment(EquationContext& ctx, bool upperGroup) {
    EquationElement* caret = ctx.caret;
    if (caret->IsPlaceholder() || !CanCarryAttachments(*caret)) {
        return;
    }
    EquationElement* existing = upperGroup ? caret->upper() : caret->lower();
    if (existing == nullptr) {
        if (!editing::LineHasRoom(ctx, 2)) {
            return;
        }
        auto* group = new GroupElement;
        group->link->prev = caret;
        (upperGroup ? caret->Attachments().upper : caret->Attachments().lower) = group;
        existing = group;
    }
    ctx.caret = existing->FirstChild() != nullptr ? existing->FirstChild() : existing;
}

void InsertGroup(EquationContext& ctx, GroupElement* group) {
    if (InsertAtCaret(ctx, group)) {
        ctx.caret = group->FirstChild();
    }
}

// "=" stands only at the top level of the line and never right after another "=".
bool AcceptsEquals(const EquationContext& ctx) {
    if (ctx.caret->tag == '=') {
        return false;
    }
    return HoldingGroup(ctx.caret) == ctx.currentLine;
}

} // namespace

void HandleKey(EquationContext& ctx, int code) {
    if (ctx.caret == nullptr || ctx.currentLine == nullptr || ctx.caret->editable == 0) {
        return;
    }
    editing::BeginEdit(ctx, " ");
    const char c = static_cast<char>(code);
    switch (code) {
    case kKeyBackspace:
        Delete(ctx);
        break;
    case kKeyReturn:
        NewLine(ctx);
        break;
    case kKeyLeft:
        if (ctx.caret->prev() != nullptr) {
            ctx.caret = ctx.caret->prev();
        }
        break;
    case kKeyRight:
        if (ctx.caret->next() != nullptr) {
            ctx.caret = ctx.caret->next();
        }
        break;
    case kKeyUp:
        if (ctx.caret->upper() != nullptr) {
            ctx.caret = ctx.caret->upper();
        }
        break;
    case kKeyDown:
        if (ctx.caret->lower() != nullptr) {
            ctx.caret = ctx.caret->lower();
        }
        break;
    case kKeySpace:
        StepOut(ctx);
        break;
    case kKeyDelete:
        if (ctx.caret->next() != nullptr) {
            ctx.caret = ctx.caret->next();
        }
        Delete(ctx);
        break;
    case '$':
        InsertAtCaret(ctx, new DeltaElement);
        break;
    case '^':
    case '&':
        EnterAttachment(ctx, code == '^');
        break;
    case '(':
        InsertGroup(ctx, MakeParenthesesGroup());
        break;
    case '[':
        InsertGroup(ctx, MakeSquareBracketsGroup());
        break;
    case ')':
    case ']':
        if (EquationElement* g = ctx.caret->EnclosingGroup()) {
            ctx.caret = g;
        }
        break;
    case '/':
        InsertFraction(ctx);
        break;
    case 0:
    case '|':
        // '|' separates the fields of the stored text; it never enters an equation.
        break;
    default:
        if (c == '.' || (c >= '0' && c <= '9')) {
            InsertAtCaret(ctx, new DigitElement(c));
        } else if (c != '=' || AcceptsEquals(ctx)) {
            InsertAtCaret(ctx, new CharElement(c));
        }
        break;
    }
    ctx.FlattenCurrentLine();
}

} // namespace zx::equation
