// Helpers shared by the editing operations (not part of the engine's interface).
#pragma once

#include <cstddef>

#include "element.h"

namespace zx::equation {

class EquationContext;

namespace editing {

// True when the current line can take `added` more elements.
bool LineHasRoom(EquationContext& ctx, std::size_t added);
// Inserts e after the caret and moves the caret to it; when the line is full e is destroyed and
// nothing changes. Returns whether e was inserted.
bool InsertAtCaret(EquationContext& ctx, EquationElement* e);
// The prologue of every inserting command: clears ResultsShown and sets the current line's
// result text.
void BeginEdit(EquationContext& ctx, const char* resultText);

} // namespace editing
} // namespace zx::equation
