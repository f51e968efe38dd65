// Result codes of every host-facing operation. 0 is success.
#pragma once

#include "zxframe/abi.h"

namespace zx {

constexpr Result kOk = 0;
constexpr Result kResourceNotFound = static_cast<Result>(0x80040001u);
constexpr Result kOutOfMemory = static_cast<Result>(0x80040002u);
constexpr Result kObjectsAlive = static_cast<Result>(0x80040003u);
constexpr Result kNoSuchInterface = static_cast<Result>(0x80040004u);
constexpr Result kNoSuchClass = static_cast<Result>(0x80040005u);
constexpr Result kNotSupported = static_cast<Result>(0x800407D0u);
constexpr Result kUnknownProperty = static_cast<Result>(0x800407D5u);
constexpr Result kUnknownCommand = static_cast<Result>(0x800407DFu);
// The command needs one to four script arguments.
constexpr Result kTooFewArguments1 = static_cast<Result>(0x800407E1u);
constexpr Result kTooFewArguments2 = static_cast<Result>(0x800407E2u);
constexpr Result kTooFewArguments3 = static_cast<Result>(0x800407E3u);
constexpr Result kTooFewArguments4 = static_cast<Result>(0x800407E4u);

} // namespace zx
