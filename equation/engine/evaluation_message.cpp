#include "evaluation_message.h"

#include "module_state.h"

namespace zx::equation {

void RecordingMessageSink::Show(const char* text, const char* caption) {
    if (messages_.size() >= kMaxMessages) {
        messages_.erase(messages_.begin());
    }
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
