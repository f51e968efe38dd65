// The calculator's error state. One flag serves every calculator sprite of the module: an
// error in one sprite locks all of them until any sprite clears or finishes. The frame glue
// owns the module's instance; tests make their own.
#pragma once

namespace zx::calculator {

struct ErrorFlag {
    bool raised = false;
};

} // namespace zx::calculator
