// Script values in both directions with the host's conversions: what SetProp and commands
// read, what GetProp and commands answer.
#include <cstring>
#include <vector>

#include "frame_internal.h"

#include "zxplugin/kind_support.h"

namespace zx {

int32_t ScriptValue::integer(int32_t fallback) const {
    int32_t number = fallback;
    if (utilities_.ops->valueToInteger(&utilities_, value_, &number) != kOk) {
        return fallback;
    }
    return number;
}

double ScriptValue::number(double fallback) const {
    double number = fallback;
    if (utilities_.ops->valueToFloat(&utilities_, value_, &number) != kOk) {
        return fallback;
    }
    return number;
}

std::string ScriptValue::text(size_t capacity) const {
    std::vector<char> buffer(capacity + 1, '\0');
    utilities_.ops->valueToString(&utilities_, value_, buffer.data(),
                                  static_cast<int32_t>(capacity));
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void ScriptValue::textInto(char* buffer, size_t size) const {
    if (size == 0) {
        return;
    }
    utilities_.ops->valueToString(&utilities_, value_, buffer, static_cast<int32_t>(size - 1));
    buffer[size - 1] = '\0';
}

Result ScriptAnswer::integer(int32_t value) {
    return utilities_.ops->integerToValue(&utilities_, value, out_);
}

Result ScriptAnswer::number(double value) {
    return utilities_.ops->floatToValue(&utilities_, value, out_);
}

Result ScriptAnswer::text(const char* value) {
    return utilities_.ops->stringToValue(&utilities_, value, out_);
}

int32_t CommandCall::integer(int index, int32_t fallback) const {
    return ScriptValue(utilities, &argv[index]).integer(fallback);
}

double CommandCall::number(int index, double fallback) const {
    return ScriptValue(utilities, &argv[index]).number(fallback);
}

std::string CommandCall::text(int index, size_t capacity) const {
    return ScriptValue(utilities, &argv[index]).text(capacity);
}

int CommandCall::choice(int index, size_t capacity, std::span<const char* const> names) const {
    const std::string given = text(index, capacity);
    Symbol wanted = 0;
    if (utilities.ops->stringToSymbol(&utilities, given.c_str(), &wanted) != kOk) {
        return -1;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        Symbol name = 0;
        if (utilities.ops->stringToSymbol(&utilities, names[i], &name) == kOk && name == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ScriptAnswer CommandCall::answer() const {
    return ScriptAnswer(utilities, result);
}

} // namespace zx
