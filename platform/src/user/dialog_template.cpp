// Reading the embedded dialog templates.
#include "dialog_template.h"

#include <cstdlib>

namespace zxw32::user {
namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == '\t') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::string unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char e = text[++i];
        out += e == 't' ? '\t' : e == 'n' ? '\n' : e;
    }
    return out;
}

std::optional<int> integer(const std::string& s) {
    if (s.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || v < -0x7FFFFFFFL || v > 0x7FFFFFFFL) {
        return std::nullopt;
    }
    return static_cast<int>(v);
}

std::optional<RECT> rectangle(const std::vector<std::string>& f, size_t first) {
    auto x = integer(f[first]), y = integer(f[first + 1]);
    auto w = integer(f[first + 2]), h = integer(f[first + 3]);
    if (!x || !y || !w || !h) {
        return std::nullopt;
    }
    // The far edges must be ints as well: a rectangle whose right or bottom edge lies past
    // the int range is not one the controls could be placed in.
    const long long right = static_cast<long long>(*x) + *w;
    const long long bottom = static_cast<long long>(*y) + *h;
    if (right < -0x7FFFFFFFLL || right > 0x7FFFFFFFLL || bottom < -0x7FFFFFFFLL ||
        bottom > 0x7FFFFFFFLL) {
        return std::nullopt;
    }
    return RECT{*x, *y, static_cast<int>(right), static_cast<int>(bottom)};
}

// The kind words and what each stands for; the first of a kind's words is the one written.
struct KindWord {
    const char* word;
    ControlKind kind;
    TextAlign align;
    bool defaultButton;
    bool automatic;
};
constexpr KindWord kKindWords[] = {
    {"EDIT", ControlKind::Edit, TextAlign::Left, false, true},
    {"CHECKBOX", ControlKind::CheckBox, TextAlign::Left, false, true},
    {"PLAINCHECKBOX", ControlKind::CheckBox, TextAlign::Left, false, false},
    {"RADIO", ControlKind::Radio, TextAlign::Left, false, true},
    {"PLAINRADIO", ControlKind::Radio, TextAlign::Left, false, false},
    {"BUTTON", ControlKind::Button, TextAlign::Left, false, true},
    {"DEFBUTTON", ControlKind::Button, TextAlign::Left, true, true},
    {"STATIC", ControlKind::Static, TextAlign::Left, false, true},
    {"LTEXT", ControlKind::Static, TextAlign::Left, false, true},
    {"CTEXT", ControlKind::Static, TextAlign::Center, false, true},
    {"RTEXT", ControlKind::Static, TextAlign::Right, false, true},
    {"GROUPBOX", ControlKind::GroupBox, TextAlign::Left, false, true},
};

// Whether a kind word carries the style that matters for the control's kind.
bool sameStyle(const KindWord& k, const ControlTemplate& c) {
    switch (c.kind) {
    case ControlKind::Static:
        return k.align == c.align;
    case ControlKind::Button:
        return k.defaultButton == c.defaultButton;
    case ControlKind::CheckBox:
    case ControlKind::Radio:
        return k.automatic == c.automatic;
    default:
        return true;
    }
}

std::optional<ControlTemplate> controlOfKind(const std::string& name) {
    for (const KindWord& k : kKindWords) {
        if (name == k.word) {
            ControlTemplate c;
            c.kind = k.kind;
            c.align = k.align;
            c.defaultButton = k.defaultButton;
            c.automatic = k.automatic;
            return c;
        }
    }
    return std::nullopt;
}

} // namespace

const char* controlToken(const ControlTemplate& control) {
    for (const KindWord& k : kKindWords) {
        if (k.kind == control.kind && sameStyle(k, control)) {
            return k.word;
        }
    }
    return "STATIC";
}

std::optional<DialogTemplate> readDialogTemplate(const unsigned char* data, size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(data), size);
    DialogTemplate t;
    bool sawHeader = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::vector<std::string> f = fields(text.substr(start, end - start));
        start = end + 1;
        const std::string& key = f[0];
        if (key == "DIALOG" && f.size() == 5) {
            auto r = rectangle(f, 1);
            if (!r) {
                return std::nullopt;
            }
            t.rect = *r;
            sawHeader = true;
        } else if (key == "CAPTION" && f.size() == 2) {
            t.caption = unescape(f[1]);
        } else if (key == "FONT" && f.size() == 3) {
            t.fontSize = integer(f[1]).value_or(0);
            t.fontFace = unescape(f[2]);
        } else if (key == "CONTROL" && f.size() == 8) {
            auto id = integer(f[1]);
            auto c = controlOfKind(f[2]);
            auto r = rectangle(f, 3);
            if (!id || !c || !r) {
                return std::nullopt;
            }
            c->id = *id;
            c->rect = *r;
            c->text = unescape(f[7]);
            t.controls.push_back(std::move(*c));
        } else if (!(key.empty() && f.size() == 1)) {
            return std::nullopt;
        }
    }
    if (!sawHeader) {
        return std::nullopt;
    }
    return t;
}

} // namespace zxw32::user
