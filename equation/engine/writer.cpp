// The writer of the text form: every kind appends its own code, its attachments ("^" upper, "&"
// lower), "~" for an accent, then the rest of its chain or "@" at the end of the chain.
#include <string>

#include "char_element.h"
#include "element.h"
#include "enclosure.h"
#include "function_element.h"
#include "group_element.h"
#include "pane_elements.h"
#include "reader.h"
#include "structure_elements.h"

namespace zx::equation {

void EquationElement::WriteAttachments(std::string& text) const {
    if (EquationElement* u = upper()) {
        text += '^';
        u->WriteText(text);
    }
    if (EquationElement* l = lower()) {
        text += '&';
        l->WriteText(text);
    }
    if (accent != nullptr) {
        text += '~';
    }
}

void EquationElement::WriteNext(std::string& text) const {
    if (EquationElement* n = next()) {
        n->WriteText(text);
    } else {
        text += '@';
    }
}

void EquationElement::WriteText(std::string& text) const {
    if (kind != kPlaceholderKind) {
        text += tag;
    }
    WriteAttachments(text);
    WriteNext(text);
}

void SymbolElement::WriteText(std::string& text) const {
    text += "{S";
    text += tag;
    text += '}';
    WriteAttachments(text);
    WriteNext(text);
}

void DeltaElement::WriteText(std::string& text) const {
    text += '$';
    WriteAttachments(text);
    WriteNext(text);
}

void FunctionElement::WriteText(std::string& text) const {
    if (!name_.empty()) {
        text += '{';
        // The reader takes a leading "F" or "S" after "{" as the brace's mode, not as part of
        // the name: such a name is written with its "F" so that it reads back as itself.
        if (name_.front() == 'F' || name_.front() == 'S') {
            text += 'F';
        }
        text += name_;
        text += '}';
    }
    WriteAttachments(text);
    WriteNext(text);
}

void VariableButtonElement::WriteText(std::string& text) const {
    if (state == 1) {
        text += "IVAR";
    } else if (state == 0) {
        text += "UNCH";
    }
}

void Enclosure::WritePrefix(std::string& text) const {
    switch (code_) {
    case 's':
        text += '%';
        break;
    case '(':
        text += '(';
        break;
    case '[':
        text += '[';
        break;
    default:
        break;
    }
}

// A group writes no accent code: the reader can give a group an accent, but the writer never
// stored one, and stored texts are read as they were written.
void GroupElement::WriteText(std::string& text) const {
    enclosure_->WritePrefix(text);
    if (firstChild_ != nullptr) {
        firstChild_->WriteText(text);
    } else {
        text += '@';
    }
    if (EquationElement* u = upper()) {
        text += '^';
        u->WriteText(text);
    }
    if (EquationElement* l = lower()) {
        text += '&';
        l->WriteText(text);
    }
    if (EquationElement* n = next()) {
        n->WriteText(text);
    } else if (enclosure_->NeedsTerminator()) {
        text += '@';
    }
}

std::string ContentsText(const GroupElement& group) {
    std::string text;
    if (EquationElement* child = group.FirstChild()) {
        child->WriteText(text);
    } else {
        text += '@';
    }
    return text;
}

std::string ChainText(const EquationElement& e) {
    std::string text;
    e.WriteText(text);
    return text;
}

} // namespace zx::equation
