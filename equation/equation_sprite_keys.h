// The characters a typed key may bring into an equation.
#pragma once

namespace formulon {

// Letters 'A' to 'z' (the brackets, backslash, circumflex, underscore and grave accent between
// them included), digits, ( ) * + - . / < = > $ & and space, backspace, carriage return, the
// arrow codes 28-31 and delete. Everything else is refused with a beep by the sprite.
bool keyPassesFilter(char c);

} // namespace formulon
