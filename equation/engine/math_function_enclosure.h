// What a group's enclosure does to the group's value: nothing, or the square root.
#pragma once

#include <cstdint>

namespace zx::equation {

class EnclosureFunction {
public:
    static constexpr int32_t kIdentity = 0;
    static constexpr int32_t kSquareRoot = 83; // 'S'

    constexpr EnclosureFunction() = default;
    constexpr explicit EnclosureFunction(int32_t code) : code_(code) {}

    int32_t Code() const { return code_; }
    // Identity, or the square root; a negative argument gives the root of its magnitude and
    // marks the result invalid (status 1).
    double Call(double x) const;

private:
    int32_t code_ = kIdentity;
};

} // namespace zx::equation
