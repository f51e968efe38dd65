// Module-wide evaluation state of the equation plug-in: the evaluation status, the angle
// mode and the slot in which a function name waits for its operand. All members and sprites
// of the module share it; everything runs on the host's single thread.
#pragma once

#include <cstdint>

namespace zx::equation {

class EquationElement;
class MathFunction;
class MessageSink;
class VariableTable;

// What the last evaluation found; the last writer wins.
enum EvalStatusCode : int32_t {
    kStatusOk = 0,
    kStatusNegativeRoot = 1,   // square root of a negative number (root of the magnitude taken)
    kStatusDivideByZero = 2,   // a non-zero numerator over a zero denominator
    kStatusCannotEvaluate = 3, // unknown variable, domain error, 0/0, non-finite result
    kStatusBareNumber = 4,     // the right-hand side is one plain number
    kStatusNothingToRight = 5, // nothing stands right of the last relation sign
};

// The value every invalid computation yields; valid values are strictly greater.
inline constexpr double kNoValue = -1e32;

enum AngleModeCode : int32_t {
    kAngleRadians = 0,
    kAngleDegrees = 1,
};

struct ModuleState {
    int32_t evalStatus = kStatusOk;
    int32_t angleMode = kAngleDegrees; // degrees until a member says otherwise
    // A function whose operand has not been compiled yet; owned while it waits here.
    MathFunction* pendingFunction = nullptr;
    // The part of an equation being compiled in place: compiling starts at compileStart and
    // never runs on into compileStop (a trailing relation sign). Null outside such a compile.
    const EquationElement* compileStart = nullptr;
    const EquationElement* compileStop = nullptr;
    // The table that variable nodes read while an evaluation runs; null otherwise.
    const VariableTable* variables = nullptr;
    // Where "Improper Equation" goes; null means the default recorder.
    MessageSink* messageSink = nullptr;
};

// The one instance of the module's state.
ModuleState& Module();

} // namespace zx::equation
