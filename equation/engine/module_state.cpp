#include "module_state.h"

namespace zx::equation {

ModuleState& Module() {
    static ModuleState state;
    return state;
}

} // namespace zx::equation
