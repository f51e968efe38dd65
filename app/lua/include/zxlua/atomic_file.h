// Output files that appear whole or not at all.
#pragma once

#include <filesystem>
#include <functional>

namespace zxlua {

// Calls write(tmp) with a temporary path in the folder of `target`, then renames it onto
// `target`. If write throws, the temporary is removed and the failure passes on as a
// std::runtime_error naming `target`, so a failed render or save never leaves a
// half-written file behind.
void writeAtomically(const std::filesystem::path& target,
                     const std::function<void(const std::filesystem::path&)>& write);

} // namespace zxlua
