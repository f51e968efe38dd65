// Editing an equation at the caret: the key handler, deletion, new lines, stepping out, the
// fraction key, the clipboard and the line commands.
#pragma once

#include <string_view>

namespace zx::equation {

class EquationContext;

// Key codes the handler gives a meaning of its own besides inserting characters.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyLeft = 28;
inline constexpr int kKeyRight = 29;
inline constexpr int kKeyUp = 30;
inline constexpr int kKeyDown = 31;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyDelete = 127;

void HandleKey(EquationContext& ctx, int code);
void Delete(EquationContext& ctx);
void NewLine(EquationContext& ctx);
void StepOut(EquationContext& ctx);
void InsertFraction(EquationContext& ctx);
// Fills the clipboard from a text in the text form ('|' characters are dropped: '|' separates the
// fields of the stored text and must never enter an equation).
void SetClipboard(EquationContext& ctx, std::string_view text);
void Paste(EquationContext& ctx);
// SetClipboard followed by Paste: the "InsertString" command.
void InsertString(EquationContext& ctx, std::string_view text);
void RemoveCurrentLine(EquationContext& ctx);
void ClearLine(EquationContext& ctx);
// End of a mouse interaction; changes nothing in the editing state.
inline void EndDrag(EquationContext&) {}

} // namespace zx::equation
