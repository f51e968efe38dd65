// OK in the equation member's properties dialog (two colours, four check boxes, the equation
// count and the angle unit as a pair of radio buttons; the rows bind them) clamps the
// equation count to the two equations a pane can hold and applies the options as a load
// does.
#include <algorithm>

#include "equation_member.h"

namespace formulon {
void applyDialogValues(zx::AssetRecord& asset) {
    EquationBlock& b = equationBlock(asset);
    b.numEquations = std::clamp<int32_t>(b.numEquations, 1, 2);
    applyMemberOptions(asset);
}

} // namespace formulon
