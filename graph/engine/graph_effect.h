// What the member glue does after the engine changed the model: which notification goes to
// every sprite of the member, and which message box (if any) is shown.
#pragma once

#include <cstdint>
#include <optional>

namespace plotmark {

// The codes the member passes through its host to each sprite's LinkAsset.
enum class Notification : int32_t {
    None = 0,
    Redraw = 2,
    StartTracking = 3,
};

// A message box with an OK button and no owner window.
struct MessageBoxText {
    const char* text;
    const char* caption;
    bool systemModal;
};

struct Effect {
    Notification notification = Notification::None;
    std::optional<MessageBoxText> message;
};

inline constexpr MessageBoxText kSingularMatrix{"Singular Matrix", "Curve Fit", false};
inline constexpr MessageBoxText kInvalidPoints{"Data contains invalid points!!.", "ERROR", true};
inline constexpr MessageBoxText kNoEmptyCurve{"No Empty Curve Available", "New Curve", false};
inline constexpr MessageBoxText kNoEmptyLine{"No Empty Line Available", "New Line", false};

} // namespace plotmark
