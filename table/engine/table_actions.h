// The Action property's commands: 0 activates the addressed cell, 51 fits column Col to the
// text widths measured at the last draw. Other codes are only stored.
#pragma once

#include <cstdint>

#include "engine/table_properties.h"

namespace gridcell {

inline constexpr int32_t kActionActivate = 0;
inline constexpr int32_t kActionFitColumn = 51;

// Stores the code as Action and runs its command.
void runAction(TableProperties& table, int32_t code);

// The width that fits column `column`: the largest of MinWidth and each text width + 4
// over its existing cells; MinWidth for a column that does not exist.
int32_t fittedWidth(const TableProperties& table, int32_t column);

} // namespace gridcell
