// Dialog templates as the resource embedder stores them: text lines
//   DIALOG\tx\ty\tw\th
//   CAPTION\t<text>
//   FONT\t<size>\t<face>
//   CONTROL\t<id>\t<EDIT|CHECKBOX|RADIO|BUTTON|STATIC>\tx\ty\tw\th\t<text>
// with \\, \t and \n escaped in texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <windef.h>
#include <zxw32/user_ext.h>

namespace zxw32::user {

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    RECT rect{0, 0, 0, 0}; // dialog units
    std::string text;
};

struct DialogTemplate {
    RECT rect{0, 0, 0, 0}; // dialog units
    std::string caption;
    int fontSize = 0;
    std::string fontFace;
    std::vector<ControlTemplate> controls;
};

// Reads a template; nullopt when the bytes are not one.
std::optional<DialogTemplate> readDialogTemplate(const unsigned char* data, size_t size);

} // namespace zxw32::user
