// Base64 (RFC 4648, with padding) for saved blocks and bitmaps inside movie files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zxhost {

std::string base64Encode(const std::vector<uint8_t>& bytes);
// nullopt for characters outside the alphabet or a broken length; whitespace is skipped.
std::optional<std::vector<uint8_t>> base64Decode(const std::string& text);

} // namespace zxhost
