// The text-form reader: one editing step per character code.
#include "reader.h"

#include "char_element.h"
#include "function_element.h"
#include "group_element.h"
#include "structure_elements.h"

namespace zx::equation {

namespace {

// The group attached above (upper) or below of e, created when missing.
EquationElement* AttachedGroup(EquationElement& e, bool upperGroup) {
    AttachmentPair& pair = e.Attachments();
    EquationElement*& slot = upperGroup ? pair.upper : pair.lower;
    if (slot == nullptr) {
        auto* group = new GroupElement;
        group->link->prev = &e;
        slot = group;
    }
    return slot;
}

} // namespace

void EquationReader::SetCurrent(EquationElement* e) {
    current_ = e;
    lineCounted_ = false;
}

std::size_t EquationReader::FeedString(std::string_view text) {
    for (char c : text) {
        Feed(c);
    }
    return text.size();
}

void EquationReader::Feed(char c) {
    if (current_ == nullptr) {
        return;
    }
    // '|' separates the fields of a stored text and NUL ends it: neither may enter an equation.
    if (c == '|' || c == '\0') {
        return;
    }
    if (inBraces_ == 0) {
        FeedCode(c);
        return;
    }
    if (c == '}') {
        CloseBraces();
        return;
    }
    if (braceMode_ == 0) {
        if (c == 'F') {
            braceMode_ = 1;
            return;
        }
        if (c == 'S') {
            braceMode_ = 2;
            return;
        }
        braceMode_ = 1;
    }
    name_ += c;
}

void EquationReader::CloseBraces() {
    if (braceMode_ == 1) {
        Insert(new FunctionElement(name_));
    } else if (braceMode_ == 2) {
        for (char symbol : name_) {
            Insert(new SymbolElement(symbol));
        }
    }
    name_.clear();
    inBraces_ = 0;
    braceMode_ = 0;
}

bool EquationReader::HasRoom(std::size_t added) {
    if (!lineCounted_) {
        lineCount_ = CountElements(LineRoot(current_));
        lineCounted_ = true;
    }
    if (lineCount_ + added > kMaxLineElements) {
        return false;
    }
    lineCount_ += added;
    return true;
}

void EquationReader::Insert(EquationElement* e) {
    if (!HasRoom(SubtreeSize(e))) {
        DestroySubtree(e);
        return;
    }
    InsertionPoint(current_)->InsertAfter(e);
    current_ = e;
}

// "@": the chain ends, so current becomes the group that holds it; when that group is attached to
// an element, that element. A group that is current stands in its outer chain (the caret is after
// it), so its "@" ends that chain. A root group stays current: stepping to its (absent) owner would
// leave current null.
void EquationReader::EndOfChain() {
    EquationElement* group = HoldingGroup(current_);
    if (group == nullptr) {
        return;
    }
    if (group->prev() != nullptr && PrevIsOwner(*group)) {
        current_ = group->prev();
    } else {
        current_ = group;
    }
}

void EquationReader::FeedCode(char c) {
    switch (c) {
    case '{':
        inBraces_ = 1;
        braceMode_ = 0;
        name_.clear();
        return;
    case '^':
    case '&': {
        const bool upperGroup = c == '^';
        const bool exists =
            upperGroup ? current_->upper() != nullptr : current_->lower() != nullptr;
        if (!exists && (!CanCarryAttachments(*current_) || !HasRoom(2))) {
            return;
        }
        EquationElement* group = AttachedGroup(*current_, upperGroup);
        current_ = group->FirstChild() != nullptr ? group->FirstChild() : group;
        return;
    }
    case '@':
        EndOfChain();
        return;
    case ')':
        if (EquationElement* g = current_->EnclosingGroup()) {
            current_ = g;
        }
        return;
    case '(':
    case '%':
    case '[': {
        GroupElement* group = c == '('   ? MakeParenthesesGroup()
                              : c == '%' ? MakeSquareRootGroup()
                                         : MakeSquareBracketsGroup();
        EquationElement* before = current_;
        Insert(group);
        if (current_ != before) {
            current_ = group->FirstChild();
        }
        return;
    }
    case '/':
        Insert(FractionElement::MakeWithGroups());
        return;
    case '$':
        Insert(new DeltaElement);
        return;
    case '~':
        current_->SetAccent(new SymbolElement(kSymbolRightArrow));
        return;
    case ' ':
        return;
    case 2:
        if (current_->prev() != nullptr) {
            current_ = current_->prev();
        }
        return;
    case 6:
        if (current_->next() != nullptr) {
            current_ = current_->next();
        }
        return;
    case 21:
        if (current_->upper() != nullptr) {
            current_ = current_->upper();
        }
        return;
    case 4:
        if (current_->lower() != nullptr) {
            current_ = current_->lower();
        }
        return;
    default:
        break;
    }
    if (c == '.' || (c >= '0' && c <= '9')) {
        Insert(new DigitElement(c));
    } else {
        Insert(new CharElement(c));
    }
}

EquationElement* ReadInto(GroupElement& group, std::string_view text) {
    EquationReader reader;
    EquationElement* last = group.LastChild();
    reader.SetCurrent(last != nullptr ? last : &group);
    reader.FeedString(text);
    return reader.Current();
}

} // namespace zx::equation
