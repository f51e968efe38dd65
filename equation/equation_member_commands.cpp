// The equation member's commands. While the member is not ready (EquatInit 0) a command
// finds nothing to run and the call ends as for an unknown command.
#include <string>

#include <windows.h>

#include "engine/editing.h"
#include "engine/equation_pane.h"
#include "engine/evaluation.h"
#include "engine/member_rules.h"
#include "engine/variables.h"
#include "equation_member.h"

namespace formulon {
namespace {

using zx::equation::EquationPane;

// "InsertString" reads at most this many characters of its argument.
constexpr int32_t kInsertCapacity = 79;

// Evaluates the equations and shows their results; an improper equation has shown its
// message already, and the default beep follows it.
zx::Result calculate(zx::CommandCall& call) {
    EquationPane* pane = readyPane(call.asset);
    if (pane == nullptr) {
        return zx::kUnknownCommand;
    }
    if (zx::equation::CalculateEquations(pane->context()) == 0) {
        MessageBeep(0);
    }
    return zx::kOk;
}

zx::Result clear(zx::CommandCall& call) {
    EquationPane* pane = readyPane(call.asset);
    if (pane == nullptr) {
        return zx::kUnknownCommand;
    }
    zx::equation::ClearAll(pane->context());
    zx::equation::RefreshVariables(pane->context());
    return zx::kOk;
}

// The text is inserted at the caret in the equation text form; '|' characters are dropped
// there, since they would split the stored text when the member is saved and reloaded.
zx::Result insertString(zx::CommandCall& call) {
    const std::string text = call.text(1, kInsertCapacity);
    EquationPane* pane = readyPane(call.asset);
    if (pane == nullptr) {
        return zx::kUnknownCommand;
    }
    zx::equation::InsertString(pane->context(), text.c_str());
    return zx::kOk;
}

constexpr zx::CommandSpec kCommands[] = {
    {"Calculate", 0, calculate,
     "no arguments: evaluates the equations and writes \" = value\" behind each"},
    {"Clear", 0, clear,
     "no arguments: empties the equations and drops the definitions and independent "
     "variables"},
    {"InsertString", 1, insertString, "text: inserts text of the stored form at the caret"},
};

} // namespace

std::span<const zx::CommandSpec> memberCommands() {
    return kCommands;
}

} // namespace formulon
