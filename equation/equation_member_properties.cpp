// The equation member's 23 properties in SymbolTable order. Plain fields are converted by
// the frame; the others are computed from or written into the member's pane. Writes that
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

namespace formulon {
namespace {

using zx::FieldType;
using zx::HostUtilities;
using zx::HostValue;
using zx::Result;
using zx::equation::EquationContext;
using zx::equation::EquationPane;

// Room for a script's text: names and the stored text are far shorter.
constexpr int32_t kTextCapacity = 4095;

int32_t integerOf(HostUtilities& u, const HostValue* value, int32_t current) {
    int32_t number = current; // a failed conversion keeps the old value
    u.ops->valueToInteger(&u, value, &number);
    return number;
}

double floatOf(HostUtilities& u, const HostValue* value, double current) {
    double number = current;
    u.ops->valueToFloat(&u, value, &number);
    return number;
}

std::string textOf(HostUtilities& u, const HostValue* value) {
    std::vector<char> buffer(kTextCapacity + 1, '\0');
    u.ops->valueToString(&u, value, buffer.data(), kTextCapacity);
    buffer.back() = '\0';
    return std::string(buffer.data());
}

Result integerValue(HostUtilities& u, int32_t number, HostValue* out) {
    return u.ops->integerToValue(&u, number, out);
}
Result floatValue(HostUtilities& u, double number, HostValue* out) {
    return u.ops->floatToValue(&u, number, out);
}
Result textValue(HostUtilities& u, const std::string& text, HostValue* out) {
    return u.ops->stringToValue(&u, text.c_str(), out);
}

Result refused(zx::AssetRecord&, HostUtilities&, const HostValue*) {
    return zx::kUnknownProperty;
}
Result writeOnly(zx::AssetRecord&, HostUtilities&, HostValue*) {
    return zx::kUnknownProperty;
}

// ---- the pane ----

// A live id takes a reference and drops the old pane's; an id naming no live pane is ignored,
// so a script can never make the member point at freed or foreign memory.
Result setEquatPane(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationBlock& b = equationBlock(asset);
    const int32_t id = integerOf(u, value, b.paneId);
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
Result getIdle(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    return integerValue(u, equationBlock(asset).numEquations, out);
}

Result setNumEquations(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationBlock& b = equationBlock(asset);
    b.numEquations = integerOf(u, value, b.numEquations);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetEquationCount(pane->context(), b.numEquations);
        zx::equation::RefreshVariables(pane->context());
    }
    return zx::kOk;
}

// ---- options ----

// The angle mode is module-wide: a read reports (and keeps, for saving) the mode the member
// written last has set.
Result getAngleUnits(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationBlock& b = equationBlock(asset);
    b.angleUnits = zx::equation::Module().angleMode != zx::equation::kAngleRadians ? 1 : 0;
    return integerValue(u, b.angleUnits, out);
}

Result setAngleUnits(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationBlock& b = equationBlock(asset);
    b.angleUnits = integerOf(u, value, b.angleUnits);
    zx::equation::Module().angleMode =
        b.angleUnits != 0 ? zx::equation::kAngleDegrees : zx::equation::kAngleRadians;
    return zx::kOk;
}

Result setShowIndepVars(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationBlock& b = equationBlock(asset);
    const int32_t shown = integerOf(u, value, b.showIndepVars);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetShowIndependentVariables(pane->context(), shown);
    }
    b.showIndepVars = shown;
    return zx::kOk;
}

Result setShowFunctionVars(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationBlock& b = equationBlock(asset);
    b.showFunctionVars = integerOf(u, value, b.showFunctionVars);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::SetFunctionVariableOption(pane->context(), b.showFunctionVars != 0);
    }
    return zx::kOk;
}

// ---- equations ----

Result setReset(zx::AssetRecord& asset, HostUtilities&, const HostValue*) {
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

Result getResult(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    return floatValue(u, resultOf(asset, 0), out);
}
Result getResultEq2(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    return floatValue(u, resultOf(asset, 1), out);
}

Result getEq1String(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    return textValue(u, pane != nullptr ? zx::equation::ComposeStoredText(pane->context()) : "",
                     out);
}

Result setEq1String(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    const std::string text = textOf(u, value);
    if (EquationPane* pane = memberPane(asset)) {
        zx::equation::ReadStoredText(pane->context(), text,
                                     equationBlock(asset).showFunctionVars != 0);
    }
    return zx::kOk;
}

// ---- dependent variables ----

template <int K>
Result getDepVarName(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    return textValue(u, pane != nullptr ? zx::equation::DependentName(pane->context(), K) : "",
                     out);
}

template <int K>
Result setDepVarName(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    const std::string name = textOf(u, value);
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return zx::kOk;
    }
    return zx::equation::SetDependentName(pane->context(), K, name) ? zx::kOk
                                                                    : zx::kUnknownProperty;
}

// ---- independent variables, indexed by PropIndex ----

Result getIndVarValue(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    double number = 0.0;
    if (pane == nullptr ||
        !zx::equation::IndependentValue(pane->context(), equationBlock(asset).propIndex, number)) {
        return zx::kUnknownProperty;
    }
    return floatValue(u, number, out);
}

Result setIndVarValue(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    EquationPane* pane = memberPane(asset);
    const int32_t index = equationBlock(asset).propIndex;
    double number = 0.0;
    if (pane == nullptr || !zx::equation::IndependentValue(pane->context(), index, number)) {
        return zx::kUnknownProperty;
    }
    number = floatOf(u, value, number);
    return zx::equation::SetIndependentValue(pane->context(), index, number) ? zx::kOk
                                                                             : zx::kUnknownProperty;
}

Result getIndVarName(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    return textValue(u,
                     pane != nullptr ? zx::equation::IndependentName(pane->context(),
                                                                     equationBlock(asset).propIndex)
                                     : "",
                     out);
}

Result setIndVarName(zx::AssetRecord& asset, HostUtilities& u, const HostValue* value) {
    const std::string name = textOf(u, value);
    EquationPane* pane = memberPane(asset);
    if (pane == nullptr) {
        return zx::kOk;
    }
    return zx::equation::SetIndependentName(pane->context(), equationBlock(asset).propIndex, name)
               ? zx::kOk
               : zx::kUnknownProperty;
}

Result getNumUsedIndVars(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    const std::size_t count =
        pane != nullptr ? zx::equation::UsedIndependentCount(pane->context()) : 0;
    return integerValue(u, static_cast<int32_t>(count), out);
}

Result getUsedIndName(zx::AssetRecord& asset, HostUtilities& u, HostValue* out) {
    EquationPane* pane = memberPane(asset);
    return textValue(u,
                     pane != nullptr ? zx::equation::UsedIndependentName(
                                           pane->context(), equationBlock(asset).propIndex)
                                     : "",
                     out);
}

#define FIELD(name) static_cast<uint32_t>(offsetof(EquationBlock, name))

constexpr zx::PropertySpec kProperties[] = {
    {"EquatPane", FieldType::Integer, FIELD(paneId), 0, nullptr, setEquatPane},
    {"EquatInit", FieldType::Integer, FIELD(paneReady)},
    {"Idle", FieldType::Integer, 0, 0, getIdle, refused},
    {"NumEquations", FieldType::Integer, FIELD(numEquations), 0, nullptr, setNumEquations},
    {"NumUsedIndVars", FieldType::Integer, 0, 0, getNumUsedIndVars, refused},
    {"AngleUnits", FieldType::Integer, FIELD(angleUnits), 0, getAngleUnits, setAngleUnits},
    {"ShowIndepVars", FieldType::Integer, FIELD(showIndepVars), 0, nullptr, setShowIndepVars},
    {"Reset", FieldType::Integer, 0, 0, writeOnly, setReset},
    {"Enabled", FieldType::Integer, FIELD(enabled)},
    {"ResultEq2", FieldType::Float, 0, 0, getResultEq2, refused},
    {"Result", FieldType::Float, 0, 0, getResult, refused},
    {"IndVarValue", FieldType::Float, 0, 0, getIndVarValue, setIndVarValue},
    {"IndVarName", FieldType::Text, 0, 0, getIndVarName, setIndVarName},
    {"DepVar1Name", FieldType::Text, 0, 0, getDepVarName<0>, setDepVarName<0>},
    {"DepVar2Name", FieldType::Text, 0, 0, getDepVarName<1>, setDepVarName<1>},
    {"Eq1String", FieldType::Text, 0, 0, getEq1String, setEq1String},
    {"UsedIndName", FieldType::Text, 0, 0, getUsedIndName, refused},
    {"BackColor", FieldType::Color, FIELD(backColor)},
    {"TextColor", FieldType::Color, FIELD(textColor)},
    {"ShowFunctionVars", FieldType::Integer, FIELD(showFunctionVars), 0, nullptr,
     setShowFunctionVars},
    {"PropIndex", FieldType::Integer, FIELD(propIndex)},
    {"BlackBorder", FieldType::Integer, FIELD(blackBorder)},
    {"Shockwave", FieldType::Integer, FIELD(shockwave)},
};

#undef FIELD

static_assert(std::size(kProperties) == 23);

} // namespace

std::span<const zx::PropertySpec> memberProperties() {
    return kProperties;
}

} // namespace formulon
