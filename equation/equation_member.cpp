// The equation cast member's life: defaults, the pane it creates and holds one reference to,
// and the options it applies to the module and the pane.
#include "equation_member.h"
#include "formulon32_res.h"

#include "engine/equation_pane.h"
#include "engine/member_rules.h"
#include "engine/module_state.h"

namespace formulon {
namespace {

using zx::equation::EquationPane;
using zx::equation::Panes;

void setDefaults(void* block) {
    auto& b = *static_cast<EquationBlock*>(block);
    b.paneId = 0;
    b.paneReady = 0;
    b.backColor = zx::packColor(255, 255, 255);
    b.textColor = zx::packColor(0, 0, 0);
    b.showFunctionVars = 0;
    b.enabled = 1;
    b.propIndex = 0;
    b.blackBorder = 0;
    b.shockwave = 0;
    b.numEquations = 1;
    b.angleUnits = 0;
    b.showIndepVars = 1;
    b.storedText[0] = '\0';
}

// The pane is made empty at (0, 0), then given its rectangle, which keeps two pixels free at
// the left for the caret.
zx::Result construct(zx::AssetRecord& asset) {
    connectMessageBoxes();
    EquationBlock& b = equationBlock(asset);
    const int32_t id = Panes().Create(0, 0, 0, 0);
    if (EquationPane* pane = Panes().Find(id)) {
        pane->InitPane(zx::equation::PaneRect{2, 0, 2, 0});
        b.paneId = id;
        b.paneReady = 1;
    }
    zx::equation::Module().angleMode =
        b.angleUnits != 0 ? zx::equation::kAngleDegrees : zx::equation::kAngleRadians;
    return zx::kOk;
}

void destruct(zx::AssetRecord& asset) {
    EquationBlock& b = equationBlock(asset);
    Panes().Release(b.paneId);
    b.paneId = 0;
}

// A load applies the member's options and reads the stored text; OK in the dialog clamps
// the equation count and applies the options.
void normalize(zx::AssetRecord& asset, const zx::Change& change) {
    switch (change.occasion) {
    case zx::Occasion::Load:
        applyLoadedBlock(asset, change.blockRead);
        break;
    case zx::Occasion::DialogOk:
        applyDialogValues(asset);
        break;
    case zx::Occasion::Set:
        break;
    }
}

} // namespace

EquationPane* memberPane(zx::AssetRecord& asset) {
    return Panes().Find(equationBlock(asset).paneId);
}

EquationPane* readyPane(zx::AssetRecord& asset) {
    return equationBlock(asset).paneReady != 0 ? memberPane(asset) : nullptr;
}

void applyMemberOptions(zx::AssetRecord& asset) {
    const EquationBlock& b = equationBlock(asset);
    zx::equation::Module().angleMode =
        b.angleUnits != 0 ? zx::equation::kAngleDegrees : zx::equation::kAngleRadians;
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return;
    }
    zx::equation::SetFunctionVariableOption(pane->context(), b.showFunctionVars != 0);
    zx::equation::SetEquationCount(pane->context(), b.numEquations);
    zx::equation::SetShowIndependentVariables(pane->context(), b.showIndepVars);
}

const zx::AssetKind& equationAsset() {
    static const zx::AssetKind kind = {
        .rows = memberRows(),
        .commands = memberCommands(),
        .blockSize = sizeof(EquationBlock),
        .setDefaults = setDefaults,
        .dialogId = IDD_PROPERTIES,
        .thumbnailId = IDB_THUMBNAIL,
        .defaultRect = {-10, -50, 10, 50},
        .changes = zx::changes::kAfterConstruction | zx::changes::kAfterCommand,
        .normalize = normalize,
        .beforeSave = composeStoredText,
        .construct = construct,
        .destruct = destruct,
    };
    return kind;
}

} // namespace formulon
