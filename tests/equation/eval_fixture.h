// Shared set-up for the evaluation and variable tests: a context whose equations and
// definitions are built from the text form.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/definitions.h"
#include "engine/elements.h"
#include "engine/equation_context.h"
#include "engine/evaluation.h"
#include "engine/evaluation_message.h"
#include "engine/module_state.h"
#include "engine/reader.h"
#include "engine/variables.h"
#include "engine/variables_pane.h"

namespace zx::equation {

class EvalTest : public ::testing::Test {
protected:
    void SetUp() override {
        Module().angleMode = kAngleDegrees;
        Module().evalStatus = kStatusOk;
        DefaultMessageRecorder().Clear();
    }

    GroupElement* Equation(const std::string& text) {
        GroupElement* equation = ctx.AppendLine(true);
        ReadInto(*equation, text);
        return equation;
    }
    double Eval(const std::string& text) { return EvaluateEquation(ctx, Equation(text)); }
    void Set(const std::string& name, double value) {
        int index = ctx.variableTable.Find(name);
        std::size_t i =
            index >= 0 ? static_cast<std::size_t>(index) : ctx.variableTable.Append(name);
        ctx.variableTable.SetValue(i, value);
    }
    static int Status() { return Module().evalStatus; }
    static const std::vector<RecordingMessageSink::Message>& Messages() {
        return DefaultMessageRecorder().Messages();
    }

    EquationContext ctx;
};

} // namespace zx::equation
