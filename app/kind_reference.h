// The reference of a kind, as `zentrix props` prints it: an aligned table for the terminal
// or a Markdown page, both from the description the kind's module gives.
#pragma once

#include <string>

#include "zxframe/kind_description.h"

namespace zentrix {

std::string referenceTable(const ZxKindDescription& kind);
std::string referenceMarkdown(const ZxKindDescription& kind);

} // namespace zentrix
