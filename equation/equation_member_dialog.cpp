// The equation member's properties dialog (resource 108): two colours, four check boxes,
// the equation count and the angle unit as a pair of radio buttons. OK clamps the equation
// count to the two equations a pane can hold and applies the options as a load does.
#include <algorithm>
#include <cstddef>

#include "equation_member.h"

namespace formulon {
namespace {

using zx::ControlType;

#define FIELD(name) static_cast<uint32_t>(offsetof(EquationBlock, name))

constexpr zx::DialogControl kDialog[] = {
    {ControlType::Color, 1000, FIELD(backColor)},
    {ControlType::Color, 1003, FIELD(textColor)},
    {ControlType::Check, 1006, FIELD(blackBorder)},
    {ControlType::Check, 1007, FIELD(enabled)},
    {ControlType::Check, 1008, FIELD(showIndepVars)},
    {ControlType::Check, 1009, FIELD(showFunctionVars)},
    {ControlType::Integer, 1010, FIELD(numEquations)},
    {ControlType::Radio, 1011, FIELD(angleUnits), 0, 0},
    {ControlType::Radio, 1012, FIELD(angleUnits), 0, 1},
};

#undef FIELD

} // namespace

std::span<const zx::DialogControl> memberDialogControls() {
    return kDialog;
}

void applyDialogValues(zx::AssetRecord& asset) {
    EquationBlock& b = equationBlock(asset);
    b.numEquations = std::clamp<int32_t>(b.numEquations, 1, 2);
    applyMemberOptions(asset);
}

} // namespace formulon
