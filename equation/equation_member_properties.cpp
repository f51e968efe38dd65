// The equation member's 23 properties in SymbolTable order, with their places in the saved
// block and the dialog. Plain fields are converted by the frame; the others are computed from
// or written into the member's pane. Writes that
// would reach outside the variable table, negative indexes and names that hold the stored
// text's field separator '|' are refused with the unknown-property code.
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "engine/equation_pane.h"
#include "engine/evaluation.h"
#include "engine/member_rules.h"
#include "engine/module_state.h"
#include "engine/stored_text.h"
#include "engine/variables.h"
#include "equation_member.h"
#include "formulon32_res.h"
#include "zxplugin/kind_support.h"

namespace formulon {
namespace {

using zx::Result;
using zx::ScriptAnswer;
using zx::ScriptValue;
using zx::equation::EquationContext;
using zx::equation::EquationPane;

// ---- the pane ----

// A live id takes a reference and drops the old pane's; an id naming no live pane is ignored,
// so a script can never make the member point at freed or foreign memory.
Result setEquatPane(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationBlock& b = equationBlock(asset);
    const int32_t id = value.integer(b.paneId);
    if (id == b.paneId || !zx::equation::Panes().Acquire(id)) {
        return zx::kOk;
    }
    const int32_t old = b.paneId;
    b.paneId = id;
    zx::equation::Panes().Release(old);
    return zx::kOk;
}

// ---- equation count ----

// Idle reads the same number as NumEquations; the writable Idle is the sprite's.
Result getIdle(zx::AssetRecord& asset, ScriptAnswer& out) {
    return out.integer(equationBlock(asset).numEquations);
}

Result setNumEquations(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationBlock& b = equationBlock(asset);
    b.numEquations = value.integer(b.numEquations);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetEquationCount(pane->context(), b.numEquations);
        zx::equation::RefreshVariables(pane->context());
    }
    return zx::kOk;
}

// ---- options ----

// The angle mode is module-wide: a read reports (and keeps, for saving) the mode the member
// written last has set.
Result getAngleUnits(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationBlock& b = equationBlock(asset);
    b.angleUnits = zx::equation::Module().angleMode != zx::equation::kAngleRadians ? 1 : 0;
    return out.integer(b.angleUnits);
}

Result setAngleUnits(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationBlock& b = equationBlock(asset);
    b.angleUnits = value.integer(b.angleUnits);
    zx::equation::Module().angleMode =
        b.angleUnits != 0 ? zx::equation::kAngleDegrees : zx::equation::kAngleRadians;
    return zx::kOk;
}

Result setShowIndepVars(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationBlock& b = equationBlock(asset);
    const int32_t shown = value.integer(b.showIndepVars);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetShowIndependentVariables(pane->context(), shown);
    }
    b.showIndepVars = shown;
    return zx::kOk;
}

Result setShowFunctionVars(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationBlock& b = equationBlock(asset);
    b.showFunctionVars = value.integer(b.showFunctionVars);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetFunctionVariableOption(pane->context(), b.showFunctionVars != 0);
    }
    return zx::kOk;
}

// ---- equations ----

Result setReset(zx::AssetRecord& asset, const ScriptValue&) {
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::ResetEquations(pane->context());
    }
    return zx::kOk;
}

double resultOf(zx::AssetRecord& asset, std::size_t equation) {
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return 0.0;
    }
    EquationContext& ctx = pane->context();
    return zx::equation::EvaluateEquation(
        ctx, equation < ctx.equations.size() ? ctx.equations[equation] : nullptr);
}

Result getResult(zx::AssetRecord& asset, ScriptAnswer& out) {
    return out.number(resultOf(asset, 0));
}
Result getResultEq2(zx::AssetRecord& asset, ScriptAnswer& out) {
    return out.number(resultOf(asset, 1));
}

Result getEq1String(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    return out.text(pane != nullptr ? zx::equation::ComposeStoredText(pane->context()) : "");
}

Result setEq1String(zx::AssetRecord& asset, const ScriptValue& value) {
    const std::string text = value.text();
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::ReadStoredText(pane->context(), text,
                                     equationBlock(asset).showFunctionVars != 0);
    }
    return zx::kOk;
}

// ---- dependent variables ----

template <int K>
Result getDepVarName(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    return out.text(pane != nullptr ? zx::equation::DependentName(pane->context(), K) : "");
}

template <int K>
Result setDepVarName(zx::AssetRecord& asset, const ScriptValue& value) {
    const std::string name = value.text();
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return zx::kOk;
    }
    return zx::equation::SetDependentName(pane->context(), K, name) ? zx::kOk
                                                                    : zx::kUnknownProperty;
}

// ---- independent variables, indexed by PropIndex ----

Result getIndVarValue(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    double number = 0.0;
    if (pane == nullptr ||
        !zx::equation::IndependentValue(pane->context(), equationBlock(asset).propIndex, number)) {
        return zx::kUnknownProperty;
    }
    return out.number(number);
}

Result setIndVarValue(zx::AssetRecord& asset, const ScriptValue& value) {
    EquationPane* pane = memberPane(asset);
    const int32_t index = equationBlock(asset).propIndex;
    double number = 0.0;
    if (pane == nullptr || !zx::equation::IndependentValue(pane->context(), index, number)) {
        return zx::kUnknownProperty;
    }
    number = value.number(number);
    return zx::equation::SetIndependentValue(pane->context(), index, number) ? zx::kOk
                                                                             : zx::kUnknownProperty;
}

Result getIndVarName(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    return out.text(pane != nullptr ? zx::equation::IndependentName(pane->context(),
                                                                    equationBlock(asset).propIndex)
                                    : "");
}

Result setIndVarName(zx::AssetRecord& asset, const ScriptValue& value) {
    const std::string name = value.text();
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return zx::kOk;
    }
    return zx::equation::SetIndependentName(pane->context(), equationBlock(asset).propIndex, name)
               ? zx::kOk
               : zx::kUnknownProperty;
}

Result getNumUsedIndVars(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    const std::size_t count =
        pane != nullptr ? zx::equation::UsedIndependentCount(pane->context()) : 0;
    return out.integer(static_cast<int32_t>(count));
}

Result getUsedIndName(zx::AssetRecord& asset, ScriptAnswer& out) {
    EquationPane* pane = memberPane(asset);
    return out.text(pane != nullptr ? zx::equation::UsedIndependentName(
                                          pane->context(), equationBlock(asset).propIndex)
                                    : "");
}

using zx::computed;
using zx::field;

// The script-visible rows in SymbolTable order, then the stored text that only the saved
// block carries.
constexpr zx::PropertyRow kRows[] = {
    field("EquatPane", ZX_FIELD(EquationBlock, paneId))
        .writes(setEquatPane)
        .means("id of the member's equation pane; only a live pane's id is taken"),
    field("EquatInit", ZX_FIELD(EquationBlock, paneReady))
        .means("1 when the pane is ready for commands"),
    computed<int32_t>("Idle", getIdle).means("the equation count (the sprite's Idle blinks)"),
    field("NumEquations", ZX_FIELD(EquationBlock, numEquations))
        .writes(setNumEquations)
        .saved(7)
        .dialog(IDC_NUM_EQUATIONS)
        .means("equations shown, 1 or 2"),
    computed<int32_t>("NumUsedIndVars", getNumUsedIndVars)
        .means("independent variables the equations use"),
    field("AngleUnits", ZX_FIELD(EquationBlock, angleUnits))
        .reads(getAngleUnits)
        .writes(setAngleUnits)
        .saved(6)
        .radios(IDC_RADIANS, 2)
        .means("0 radians, 1 degrees; shared by every equation member"),
    field("ShowIndepVars", ZX_FIELD(EquationBlock, showIndepVars))
        .writes(setShowIndepVars)
        .saved(5)
        .checkBox(IDC_SHOW_INDEP_VARS)
        .means("show the independent variables' pane"),
    computed<int32_t>("Reset", nullptr, setReset)
        .means("writing any value clears the definitions, independent variables and equations, "
               "leaving each equation's \"y=\" start"),
    field("Enabled", ZX_FIELD(EquationBlock, enabled))
        .saved(3)
        .checkBox(IDC_ENABLED)
        .means("0: presses and keys beep and are left to the host"),
    computed<double>("ResultEq2", getResultEq2).means("value of the second equation"),
    computed<double>("Result", getResult).means("value of the first equation"),
    computed<double>("IndVarValue", getIndVarValue, setIndVarValue)
        .means("value of independent variable PropIndex"),
    computed<const char*>("IndVarName", getIndVarName, setIndVarName)
        .means("name of independent variable PropIndex"),
    computed<const char*>("DepVar1Name", getDepVarName<0>, setDepVarName<0>)
        .means("dependent variable of the first equation"),
    computed<const char*>("DepVar2Name", getDepVarName<1>, setDepVarName<1>)
        .means("dependent variable of the second equation"),
    computed<const char*>("Eq1String", getEq1String, setEq1String)
        .means("the equations, definitions and variables in the stored text form"),
    computed<const char*>("UsedIndName", getUsedIndName)
        .means("name of used independent variable PropIndex"),
    field("BackColor", ZX_FIELD(EquationBlock, backColor))
        .saved(1)
        .dialog(IDC_BACK_COLOR)
        .means("background colour"),
    field("TextColor", ZX_FIELD(EquationBlock, textColor))
        .saved(2)
        .dialog(IDC_TEXT_COLOR)
        .means("colour of the equations"),
    field("ShowFunctionVars", ZX_FIELD(EquationBlock, showFunctionVars))
        .writes(setShowFunctionVars)
        .saved(4)
        .checkBox(IDC_SHOW_FUNCTION_VARS)
        .means("list variables that stand for functions too"),
    field("PropIndex", ZX_FIELD(EquationBlock, propIndex))
        .means("index for IndVarValue, IndVarName and UsedIndName"),
    field("BlackBorder", ZX_FIELD(EquationBlock, blackBorder))
        .saved(0)
        .checkBox(IDC_BLACK_BORDER)
        .means("outline the sprite in black"),
    field("Shockwave", ZX_FIELD(EquationBlock, shockwave))
        .means("1 in a browser: the page keeps the keyboard focus"),
    zx::hidden(ZX_FIELD(EquationBlock, storedText)).saved(8),
};

static_assert(std::size(kRows) == 24);
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 288);

} // namespace

std::span<const zx::PropertyRow> memberRows() {
    return kRows;
}

} // namespace formulon
