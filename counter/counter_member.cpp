// The counter's cast member as data: its nine properties, the 40-byte saved block, the
// dialog's controls, its result-only commands and its default rectangle.
#include <cstddef>
#include <limits>

#include "counter_block.h"
#include "zxplugin/records.h"

namespace tallydisc {
namespace {

using zx::ControlType;
using zx::FieldType;

#define FIELD(name) static_cast<uint32_t>(offsetof(CounterBlock, name))

constexpr zx::PropertySpec kProperties[] = {
    {"BackColorLeft", FieldType::Color, FIELD(backColorLeft)},
    {"BackColorRight", FieldType::Color, FIELD(backColorRight)},
    {"ForeColorLeft", FieldType::Color, FIELD(foreColorLeft)},
    {"ForeColorRight", FieldType::Color, FIELD(foreColorRight)},
    {"DivideColorLeft", FieldType::Color, FIELD(divideColorLeft)},
    {"DivideColorRight", FieldType::Color, FIELD(divideColorRight)},
    {"Value", FieldType::Float, FIELD(value)},
    {"DigitsLeft", FieldType::Integer, FIELD(digitsLeft)},
    {"DigitsRight", FieldType::Integer, FIELD(digitsRight)},
};

constexpr zx::SavedField kSaved[] = {
    {FieldType::Integer, FIELD(digitsLeft)},    {FieldType::Integer, FIELD(digitsRight)},
    {FieldType::Color, FIELD(foreColorLeft)},   {FieldType::Color, FIELD(foreColorRight)},
    {FieldType::Color, FIELD(backColorLeft)},   {FieldType::Color, FIELD(backColorRight)},
    {FieldType::Color, FIELD(divideColorLeft)}, {FieldType::Color, FIELD(divideColorRight)},
    {FieldType::Float, FIELD(value)},
};

constexpr zx::DialogControl kDialog[] = {
    {ControlType::Integer, 1000, FIELD(digitsLeft)},
    {ControlType::Integer, 1001, FIELD(digitsRight)},
    {ControlType::Color, 1002, FIELD(foreColorLeft)},
    {ControlType::Color, 1005, FIELD(foreColorRight)},
    {ControlType::Color, 1008, FIELD(backColorLeft)},
    {ControlType::Color, 1011, FIELD(backColorRight)},
    {ControlType::Float, 1014, FIELD(value)},
    {ControlType::Color, 1015, FIELD(divideColorLeft)},
    {ControlType::Color, 1018, FIELD(divideColorRight)},
};

#undef FIELD

// The counter defines no commands of its own; two names answer fixed result codes.
zx::Result fourArgs(zx::CommandCall&) {
    return zx::kTooFewArguments4;
}
zx::Result badParam(zx::CommandCall&) {
    return zx::kResourceNotFound;
}

constexpr zx::CommandSpec kCommands[] = {
    {"FourArgs", 0, fourArgs},
    {"BadParam", 0, badParam},
};

void setDefaults(void* block) {
    auto& b = *static_cast<CounterBlock*>(block);
    b.backColorLeft = zx::packColor(255, 255, 255);
    b.backColorRight = zx::packColor(0, 0, 0);
    b.foreColorLeft = zx::packColor(0, 0, 0);
    b.foreColorRight = zx::packColor(255, 255, 255);
    b.divideColorLeft = zx::packColor(0xAA, 0xAA, 0xAA);
    b.divideColorRight = zx::packColor(0x55, 0x55, 0x55);
    b.digitsLeft = 3;
    b.digitsRight = 0;
    b.value = 0.0;
}

// Ten pixels per digit and sixteen high, centred; huge digit counts saturate instead of
// overflowing.
void defaultRect(const zx::AssetRecord& asset, zx::HostRect* out) {
    const auto& b = zx::blockOf<CounterBlock>(asset);
    const int64_t digits = static_cast<int64_t>(b.digitsLeft) + b.digitsRight;
    const int64_t half = 5 * digits;
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    const auto clamp = [](int64_t v) {
        return static_cast<int32_t>(v > kMax ? kMax : (v < kMin ? kMin : v));
    };
    *out = zx::HostRect{-8, clamp(-half), 8, clamp(half)};
}

} // namespace

const zx::AssetKind kCounterAsset = {
    .properties = kProperties,
    .saved = kSaved,
    .commands = kCommands,
    .dialog = kDialog,
    .blockSize = sizeof(CounterBlock),
    .setDefaults = setDefaults,
    .dialogId = 102,
    .thumbnailId = 101,
    .defaultRect = {},
    .getDefaultRect = defaultRect,
    .keepsMemberHost = true,
    .unknownSetSucceeds = true,
    .dialogOkSetsChanged = true,
};

} // namespace tallydisc
