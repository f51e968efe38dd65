// The equation cast member: its PropertyBlock and the asset description that the kind
// (formulon_kind.cpp) hands to the frame. The member owns one reference to its pane in the
// module's pane registry and refers to it by id, never by pointer, because scripts can read
// and write the id ("EquatPane").
#pragma once

#include <cstdint>
#include <span>

#include "engine/stored_text.h"
#include "zxplugin/kind.h"
#include "zxplugin/records.h"

namespace zx::equation {
class EquationPane;
}

namespace formulon {

struct EquationBlock {
    int32_t paneId;    // EquatPane: a live id of the pane registry, 0 without a pane
    int32_t paneReady; // EquatInit: commands do nothing while it is 0
    uint32_t backColor;
    uint32_t textColor;
    int32_t showFunctionVars;
    int32_t enabled;
    int32_t propIndex;
    int32_t blackBorder;
    int32_t shockwave;
    int32_t numEquations; // what a script wrote; the pane works with clamp(value, 1, 2)
    int32_t angleUnits;   // 0 radians, 1 degrees
    int32_t showIndepVars;
    // The stored text as the saved block carries it: composed just before a save, read
    // just after a load.
    char storedText[zx::equation::kStoredTextBuffer];
};

inline EquationBlock& equationBlock(zx::AssetRecord& asset) {
    return zx::blockOf<EquationBlock>(asset);
}

// The live pane the member refers to, or null.
zx::equation::EquationPane* memberPane(zx::AssetRecord& asset);
// The pane when the member is ready for commands (EquatInit non-zero), else null.
zx::equation::EquationPane* readyPane(zx::AssetRecord& asset);

// Applies the member's stored options to the module and its pane, in the order a load
// applies them: angle mode, function-variable option, equation count, independent-variable
// pane option.
void applyMemberOptions(zx::AssetRecord& asset);

// Sends the engine's messages ("Improper Equation") to message boxes.
void connectMessageBoxes();

// The member's asset description for the kind.
const zx::AssetKind& equationAsset();

// Its parts, each in its own file: the rows (23 properties in SymbolTable order and the
// stored text), the three commands, the save and load steps of the stored text, the OK step
// of the dialog.
std::span<const zx::PropertyRow> memberRows();
std::span<const zx::CommandSpec> memberCommands();
void composeStoredText(zx::AssetRecord& asset);
void applyLoadedBlock(zx::AssetRecord& asset, bool blockRead);
void applyDialogValues(zx::AssetRecord& asset);

} // namespace formulon
