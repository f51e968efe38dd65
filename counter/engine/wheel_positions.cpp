// Digit extraction with rolling and carrying. The value is narrowed to single precision and
// printed with ten decimals, as stored movies expect; the wheels read the characters around
// the decimal point, the first hidden digit (rounded by the second) rolls the last wheel and
// every wheel standing past 9 carries its excess into the wheel on its left.
#include "engine/wheel_positions.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace tallydisc {
namespace {

// Room for the widest finite float printed with ten decimals (39 integer digits).
constexpr int kTextCapacity = 96;

struct FormattedValue {
    char text[kTextCapacity];
    int length;
    int point;

    // The digit at a position relative to the point; anything outside the text is 0, so
    // counts beyond what the text holds never read outside it.
    int digitAt(int64_t index) const {
        if (index < 0 || index >= length) {
            return 0;
        }
        const char c = text[index];
        return c >= '0' && c <= '9' ? c - '0' : 0;
    }
};

FormattedValue format(double value) {
    float narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed)) {
        narrowed = 0.0f;
    }
    FormattedValue out{};
    // The magnitude only: the sign is never shown, and leaving it out keeps it from being
    // read as a digit when there are more integer wheels than digits.
    const int written = std::snprintf(out.text, sizeof out.text, "%030.10f",
                                      static_cast<double>(std::fabs(narrowed)));
    out.length = written < 0 ? 0 : (written < kTextCapacity ? written : kTextCapacity - 1);
    const char* point = static_cast<const char*>(std::memchr(out.text, '.', out.length));
    out.point = point ? static_cast<int>(point - out.text) : out.length;
    return out;
}

// Every wheel of a block wider than the text (integer wheels more than two left of the
// text's first digit, fraction wheels past the text's last two) stands at 0: its digit is 0
// and a carry into it is less than one, so it carries no further. The wheels are therefore
// computed for the part that can move, and the rest are known zeros.
std::vector<float> movingWheels(const FormattedValue& text, int64_t l, int64_t r) {
    if (l + r == 0) {
        return {};
    }

    // Two more fraction positions than shown: the first hidden digit and its rounding digit.
    std::vector<float> w(static_cast<size_t>(l + r + 2));
    for (int64_t k = 0; k < l; ++k) {
        w[k] = static_cast<float>(text.digitAt(text.point - l + k));
    }
    for (int64_t j = 0; j <= r + 1; ++j) {
        w[l + j] = static_cast<float>(text.digitAt(text.point + 1 + j));
    }

    // The last shown wheel rolls by the first hidden digit.
    const int64_t last = l + r;
    const float roll = w[last + 1] >= 5.0f ? w[last] + 1.0f : w[last];
    w[last] = roll;
    w[last - 1] += roll * 0.1f;

    for (int64_t k = last - 1; k >= 1; --k) {
        if (w[k] > 9.0f) {
            w[k - 1] += w[k] - 9.0f;
        }
    }
    w.resize(static_cast<size_t>(last));
    return w;
}

constexpr int64_t kMovingMargin = 2;

} // namespace

std::vector<float> wheelPositions(double value, int32_t left, int32_t right, int64_t first,
                                  int64_t count) {
    const int64_t l = left > 0 ? left : 0;
    const int64_t r = right > 0 ? right : 0;
    if (count <= 0 || first < 0 || first >= l + r) {
        return {};
    }
    count = count < l + r - first ? count : l + r - first;
    const FormattedValue text = format(value);
    const int64_t movingLeft = l < text.point + kMovingMargin ? l : text.point + kMovingMargin;
    const int64_t fraction = text.length - text.point - 1;
    const int64_t movingRight = r < fraction + kMovingMargin ? r : fraction + kMovingMargin;
    const std::vector<float> moving = movingWheels(text, movingLeft, movingRight);
    // Wheel k of the whole counter is moving wheel k - skipped, where it exists.
    const int64_t skipped = l - movingLeft;
    std::vector<float> out(static_cast<size_t>(count), 0.0f);
    for (int64_t i = 0; i < count; ++i) {
        const int64_t k = first + i - skipped;
        if (k >= 0 && k < static_cast<int64_t>(moving.size())) {
            out[static_cast<size_t>(i)] = moving[static_cast<size_t>(k)];
        }
    }
    return out;
}

std::vector<float> wheelPositions(double value, int32_t left, int32_t right) {
    const int64_t l = left > 0 ? left : 0;
    const int64_t r = right > 0 ? right : 0;
    return wheelPositions(value, left, right, 0, l + r);
}

WheelGlyphs wheelGlyphs(float position, int height) {
    // Each glyph with the digit before and after it, so a wheel past 9 shows 0 coming in.
    static constexpr char kStrip[] = "9012345678901";
    const int digit = static_cast<int>(position + 0.5f);
    const int offset =
        static_cast<int>(static_cast<float>(height) * (position - static_cast<float>(digit)));
    int i = digit % 10;
    if (i < 0) {
        i += 10;
    }
    return {kStrip[i], kStrip[i + 1], kStrip[i + 2], offset};
}

} // namespace tallydisc
