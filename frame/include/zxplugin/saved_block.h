// The saved block: a kind's saved rows in their saved order, big-endian, most significant
// byte first for integers and colours, all eight bytes reversed for doubles, texts as whole
// buffers.
#pragma once

#include <cstdint>

#include "zxplugin/property_row.h"

namespace zx {

// Converts one field between its place in a PropertyBlock and its stored bytes.
void encodeField(const PropertyRow& row, const void* block, uint8_t* out);
void decodeField(const PropertyRow& row, const uint8_t* in, void* block);

} // namespace zx
