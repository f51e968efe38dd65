#include "symbol_table.h"

namespace zxhost {

int32_t SymbolTable::intern(const std::string& name) {
    auto found = ids_.find(name);
    if (found != ids_.end()) {
        return found->second;
    }
    const auto id = static_cast<int32_t>(names_.size());
    names_.push_back(name);
    ids_.emplace(name, id);
    return id;
}

const std::string& SymbolTable::name(int32_t symbol) const {
    return known(symbol) ? names_[static_cast<size_t>(symbol)] : names_[0];
}

bool SymbolTable::known(int32_t symbol) const {
    return symbol > 0 && static_cast<size_t>(symbol) < names_.size();
}

} // namespace zxhost
