// The saved block: a kind's saved fields in big-endian order, most significant byte first
// for integers and colours, all eight bytes reversed for doubles, texts as whole buffers.
#pragma once

#include <cstdint>
#include <span>

#include "zxplugin/kind.h"

namespace zx {

// The stored width of a field.
uint32_t savedWidth(const SavedField& field);
// The total size of a kind's saved block.
uint32_t savedSize(std::span<const SavedField> fields);

// Converts one field between its place in a PropertyBlock and its stored bytes.
void encodeField(const SavedField& field, const void* block, uint8_t* out);
void decodeField(const SavedField& field, const uint8_t* in, void* block);

} // namespace zx
