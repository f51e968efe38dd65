// The stored text of a pane: every equation and variable setting in one string of fields
// separated by '|', kept in the member's saved block and in its "Eq1String" property.
//
//   ["2|"] equation 1 [ "|" equation 2 ] { "|" name "|" definition } { "|" name "|IVAR" }
//
// Equations and definitions are in the equation text form. The variable fields follow only when
// the text before them is longer than one character. A definition line whose variable pane is
// open writes "UNCH" (read back as "leave it"), one whose pane holds only the independent
// button writes "IVAR"; without the pane, independent variables are listed with "IVAR".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zx::equation {

class EquationContext;

// The saved block has room for this many characters and a terminating NUL.
inline constexpr std::size_t kStoredTextBuffer = 256;

// Refreshes the variable lists, then composes the stored text.
std::string ComposeStoredText(EquationContext& ctx);

// Replaces the equations, definitions and independent variables by those of text. An empty text
// changes nothing. With functionVariables, equation 1's dependent variable gets its argument
// list. The caret ends at the end of equation 1.
void ReadStoredText(EquationContext& ctx, std::string_view text, bool functionVariables);

// The text as the saved block holds it: cut to 255 characters.
std::string TextForSaving(std::string_view text);
// The text of a loaded buffer of kStoredTextBuffer bytes: its last byte counts as NUL whatever
// the stream held, so a text without terminator never runs past the buffer.
std::string TextFromSavedBuffer(const char (&buffer)[kStoredTextBuffer]);

} // namespace zx::equation
