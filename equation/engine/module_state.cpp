#include "module_state.h"

#include "evaluation_message.h"
#include "math_function.h"

namespace zx::equation {

ModuleState& Module() {
    static ModuleState state;
    return state;
}

void RecordingMessageSink::Show(const char* text, const char* caption) {
    messages_.push_back({text != nullptr ? text : "", caption != nullptr ? caption : ""});
}

RecordingMessageSink& DefaultMessageRecorder() {
    static RecordingMessageSink recorder;
    return recorder;
}

MessageSink& CurrentMessageSink() {
    MessageSink* sink = Module().messageSink;
    return sink != nullptr ? *sink : DefaultMessageRecorder();
}

void ConnectMessageSink(MessageSink* sink) {
    Module().messageSink = sink;
}

} // namespace zx::equation
