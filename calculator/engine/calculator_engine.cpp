#include "calculator_engine.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "display_format.h"

namespace zx::calculator {

namespace {

// Typing stops at this display length: a sign position and eight digits or point.
constexpr std::size_t kEntryLength = 9;

constexpr double kErrorValue = std::numeric_limits<double>::infinity();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int32_t CalculatorEngine::press(int32_t key) {
    if (key == kKeyClear || key == kKeyFinish) {
        reset();
        return key == kKeyFinish ? 1 : 0;
    }
    if (error_->raised || key < 0 || key >= kKeyCount) {
        return 0;
    }
    if (isDigitKey(key)) {
        enterDigit(key);
    } else if (key == kKeyPoint) {
        enterPoint();
    } else if (key == kKeyDivide || key == kKeyMultiply) {
        multiplicative(key);
    } else if (key == kKeyAdd || key == kKeySubtract) {
        additive(key);
    } else if (key == kKeyEquals) {
        equals();
    } else if (key == kKeyChangeSign) {
        changeSign();
    }
    return 0;
}

void CalculatorEngine::startEntryIfNew() {
    if (newEntry_) {
        display_.assign(1, ' ');
        entry_ = 0.0;
        newEntry_ = false;
    }
}

void CalculatorEngine::enterDigit(int32_t digit) {
    startEntryIfNew();
    if (display_.size() < kEntryLength) {
        display_.push_back(static_cast<char>('0' + digit));
        parseDisplay();
    }
}

void CalculatorEngine::enterPoint() {
    startEntryIfNew();
    if (display_.find('.') == std::string::npos && display_.size() < kEntryLength) {
        display_.push_back('.');
        // A lone point is no number yet: the entry keeps its value until a digit follows.
        for (char c : display_) {
            if (isDigit(c)) {
                parseDisplay();
                break;
            }
        }
    }
}

void CalculatorEngine::parseDisplay() {
    // The sign position is a space or '-'; from_chars takes the '-' but not the space.
    const char* first = display_.data();
    const char* last = first + display_.size();
    if (first != last && *first == ' ') {
        ++first;
    }
    double value = 0.0;
    if (std::from_chars(first, last, value).ec == std::errc()) {
        entry_ = value;
    }
}

// Applies the operator that waits for the entry as its right operand. A multiply or divide
// that follows an add or subtract parks the addition in the additive accumulator instead.
void CalculatorEngine::applyPending() {
    switch (pending_) {
    case kKeyDivide:
        // Division by zero yields the error value; show turns it into the error display.
        entry_ = entry_ == 0.0 ? kErrorValue : accumulator_ / entry_;
        break;
    case kKeyMultiply:
        entry_ = entry_ * accumulator_;
        break;
    case kKeyAdd:
        entry_ = entry_ + accumulator_;
        break;
    case kKeySubtract:
        entry_ = accumulator_ - entry_;
        break;
    default:
        break;
    }
}

void CalculatorEngine::foldAdditive() {
    if (pendingAdditive_ == kKeyAdd) {
        entry_ = additiveAccumulator_ + entry_;
    } else if (pendingAdditive_ == kKeySubtract) {
        entry_ = additiveAccumulator_ - entry_;
    }
    pendingAdditive_ = 0;
    additiveAccumulator_ = 0.0;
}

void CalculatorEngine::multiplicative(int32_t key) {
    newEntry_ = true;
    if (pending_ == kKeyAdd || pending_ == kKeySubtract) {
        pendingAdditive_ = pending_;
        additiveAccumulator_ = accumulator_;
    } else {
        applyPending();
    }
    accumulator_ = entry_;
    pending_ = key;
    show();
}

void CalculatorEngine::additive(int32_t key) {
    newEntry_ = true;
    applyPending();
    foldAdditive();
    accumulator_ = entry_;
    pending_ = key;
    show();
}

void CalculatorEngine::equals() {
    newEntry_ = true;
    applyPending();
    foldAdditive();
    accumulator_ = 0.0;
    pending_ = 0;
    show();
}

void CalculatorEngine::changeSign() {
    // Only the sign position changes, so the digits typed so far stay as they are.
    display_[0] = display_[0] == '-' ? ' ' : '-';
    entry_ = -entry_;
}

void CalculatorEngine::reset() {
    error_->raised = false;
    newEntry_ = false;
    accumulator_ = 0.0;
    additiveAccumulator_ = 0.0;
    entry_ = 0.0;
    pending_ = 0;
    pendingAdditive_ = 0;
    display_.assign(1, ' ');
}

void CalculatorEngine::show() {
    if (auto text = formatDisplay(entry_)) {
        display_ = std::move(*text);
        return;
    }
    // Overflow, division by zero and whatever else is not finite all end here, so the display
    // never shows "inf" or "nan".
    entry_ = kErrorValue;
    error_->raised = true;
    display_ = kErrorDisplay;
}

} // namespace zx::calculator
