#include "variable_table.h"

namespace zx::equation {

VariableTable::VariableTable() : values_(kMinimumCapacity, 0.0) {}

int VariableTable::Find(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void VariableTable::EnsureCapacity(std::size_t slots) {
    if (values_.size() < slots) {
        values_.resize(slots, 0.0);
    }
}

std::size_t VariableTable::Append(std::string_view name) {
    names_.emplace_back(name);
    EnsureCapacity(names_.size());
    return names_.size() - 1;
}

std::size_t VariableTable::AppendTemporary(std::string_view name, double value) {
    std::size_t index = Append(name);
    covered_.push_back({index, values_[index]});
    values_[index] = value;
    return index;
}

double VariableTable::Value(std::size_t index) const {
    return index < values_.size() ? values_[index] : 0.0;
}

bool VariableTable::SetValue(std::size_t index, double value) {
    if (index >= values_.size()) {
        return false;
    }
    values_[index] = value;
    return true;
}

void VariableTable::RemoveName(std::size_t index) {
    if (index < names_.size()) {
        names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void VariableTable::Shrink(std::size_t count) {
    if (count < names_.size()) {
        names_.resize(count);
    }
    while (!covered_.empty() && covered_.back().index >= count) {
        values_[covered_.back().index] = covered_.back().value;
        covered_.pop_back();
    }
}

} // namespace zx::equation
