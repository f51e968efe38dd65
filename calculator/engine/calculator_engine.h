// The calculator's arithmetic: a pocket calculator with two levels, where multiply and divide
// bind before add and subtract. It keeps the display text, the number being entered, the
// accumulator of the pending operator and, while a product or quotient is being built inside
// a sum, the accumulator of the pending addition or subtraction.
#pragma once

#include <cstdint>
#include <string>

#include "error_flag.h"
#include "key_codes.h"

namespace zx::calculator {

class CalculatorEngine {
public:
    // The error flag is shared with every other engine of the module and must outlive this one.
    explicit CalculatorEngine(ErrorFlag& error) : error_(&error) {}

    // Presses one key (a KeyCode 0-19; other codes do nothing). Returns 1 when the key was
    // finish, else 0. While the module's error flag is raised only clear and finish act.
    int32_t press(int32_t key);

    // The display: a sign position (' ' or '-') and the digits, at most 16 characters.
    const std::string& display() const { return display_; }
    // The number entered or the last result: what the member's Value shows.
    double entry() const { return entry_; }
    double accumulator() const { return accumulator_; }
    double additiveAccumulator() const { return additiveAccumulator_; }
    // KeyCode of the operator waiting for its right operand, or 0 for none.
    int32_t pendingOperator() const { return pending_; }
    int32_t pendingAdditiveOperator() const { return pendingAdditive_; }
    // Set after an operator: the next digit or point starts a new number.
    bool startsNewEntry() const { return newEntry_; }

private:
    void enterDigit(int32_t digit);
    void enterPoint();
    void startEntryIfNew();
    void parseDisplay();
    void applyPending();
    void foldAdditive();
    void multiplicative(int32_t key);
    void additive(int32_t key);
    void equals();
    void changeSign();
    void reset();
    void show();

    ErrorFlag* error_;
    std::string display_ = " ";
    double entry_ = 0.0;
    double accumulator_ = 0.0;
    double additiveAccumulator_ = 0.0;
    int32_t pending_ = 0;
    int32_t pendingAdditive_ = 0;
    bool newEntry_ = false;
};

} // namespace zx::calculator
