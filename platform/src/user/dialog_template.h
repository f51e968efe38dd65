// Dialog templates as the resource embedder stores them: text lines
//   DIALOG\tx\ty\tw\th
//   CAPTION\t<text>
//   FONT\t<size>\t<face>
//   CONTROL\t<id>\t<kind>\tx\ty\tw\th\t<text>
// with \\, \t and \n escaped in texts. The kinds: EDIT; CHECKBOX and RADIO (automatic),
// PLAINCHECKBOX and PLAINRADIO (the procedure checks them); BUTTON and DEFBUTTON (the default
// push button); STATIC (left-aligned text, also LTEXT), CTEXT, RTEXT; GROUPBOX.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <windef.h>
#include <zxw32/user_ext.h>

namespace zxw32::user {

enum class TextAlign { Left, Center, Right };

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    RECT rect{0, 0, 0, 0}; // dialog units
    std::string text;
    TextAlign align = TextAlign::Left; // static texts
    bool defaultButton = false;        // push buttons
    bool automatic = true;             // check boxes and radios that check themselves
};

// The kind word of a control as the embedded format writes it.
const char* controlToken(const ControlTemplate& control);

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
