// The named values that equations read: independent variables set by scripts, and, during one
// evaluation, defined variables, constants and the values of dependent variables appended after
// them. Names and values are parallel; a value stays at its index when names move.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zx::equation {

class VariableTable {
public:
    // Scripts may set values at indexes below this before naming them.
    static constexpr std::size_t kMinimumCapacity = 50;

    VariableTable();

    std::size_t Count() const { return names_.size(); }
    // Number of value slots: at least kMinimumCapacity, and never fewer than the names.
    std::size_t Capacity() const { return values_.size(); }

    // Index of the first entry with exactly this name, or -1.
    int Find(std::string_view name) const;
    const std::string& Name(std::size_t index) const { return names_[index]; }
    const std::vector<std::string>& Names() const { return names_; }

    // Appends a name and returns its index. The value slot keeps what it held; slots that
    // did not exist before start at 0.
    std::size_t Append(std::string_view name);
    // Appends a name for the length of one evaluation and writes its value. The slot's old
    // value is kept and comes back when Shrink drops the name, so a value a script set at
    // an index it has not named yet survives the evaluation.
    std::size_t AppendTemporary(std::string_view name, double value);

    // Values by index; out-of-range reads give 0 and writes are refused (return false).
    double Value(std::size_t index) const;
    bool SetValue(std::size_t index, double value);

    // Removes the name at index; later names move up one place, values stay where they are.
    void RemoveName(std::size_t index);
    // Drops the names from count on (an evaluation returns the table to its entry count) and
    // restores the values that temporary entries at those indexes covered.
    void Shrink(std::size_t count);
    // Drops every name; values are kept at their indexes.
    void ClearNames() { names_.clear(); }

private:
    void EnsureCapacity(std::size_t slots);

    std::vector<std::string> names_;
    std::vector<double> values_;
    struct SavedValue {
        std::size_t index;
        double value;
    };
    std::vector<SavedValue> covered_; // values under temporary entries, oldest first
};

} // namespace zx::equation
