// Fuzz target for the reader of embedded dialog templates (the resource embedder's text
// format). Any bytes give a template or nothing; a template's rectangles are ordered as
// read and survive being written out in the same format and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dialog_template.h"

namespace {

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "\t" + std::to_string(r.top) + "\t" +
           std::to_string(int64_t{r.right} - r.left) + "\t" +
           std::to_string(int64_t{r.bottom} - r.top);
}

std::string written(const zxw32::user::DialogTemplate& t) {
    std::string out = "DIALOG\t" + rectText(t.rect) + "\nCAPTION\t" + escaped(t.caption) +
                      "\nFONT\t" + std::to_string(t.fontSize) + "\t" + escaped(t.fontFace) + "\n";
    for (const auto& c : t.controls) {
        out += "CONTROL\t" + std::to_string(c.id) + "\t" + zxw32::user::controlToken(c) + "\t" +
               rectText(c.rect) + "\t" + escaped(c.text) + "\n";
    }
    return out;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto t = zxw32::user::readDialogTemplate(data, size);
    if (!t) {
        return 0;
    }
    const std::string text = written(*t);
    const auto again = zxw32::user::readDialogTemplate(
        reinterpret_cast<const unsigned char*>(text.data()), text.size());
    Require(again.has_value());
    Require(sameRect(again->rect, t->rect) && again->caption == t->caption &&
            again->fontFace == t->fontFace && again->controls.size() == t->controls.size());
    for (size_t i = 0; i < t->controls.size(); ++i) {
        Require(sameRect(again->controls[i].rect, t->controls[i].rect) &&
                again->controls[i].id == t->controls[i].id &&
                again->controls[i].kind == t->controls[i].kind &&
                again->controls[i].text == t->controls[i].text);
        // The style a kind word carries survives the round trip too.
        Require(std::string(zxw32::user::controlToken(again->controls[i])) ==
                zxw32::user::controlToken(t->controls[i]));
    }
    return 0;
}
