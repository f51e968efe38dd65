// Interned names. A symbol is stable for the host's lifetime and distinct per name; the
// empty name is interned like any other, so it never collides with a real one, and 0 is
// never handed out (a zeroed table entry matches nothing).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace zxhost {

class SymbolTable {
public:
    int32_t intern(const std::string& name);
    // The name of a symbol, or "" for one never handed out.
    const std::string& name(int32_t symbol) const;
    bool known(int32_t symbol) const;

private:
    std::unordered_map<std::string, int32_t> ids_;
    std::vector<std::string> names_{std::string()}; // index 0 unused
};

} // namespace zxhost
