// Where the evaluation's user-facing message goes. The engine knows no windows: the plug-in
// connects a sink that shows a message box; until then messages are recorded.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zx::equation {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows text under caption with an OK button and no owner window.
    virtual void Show(const char* text, const char* caption) = 0;
};

// Keeps the messages shown, oldest first; only the latest kMaxMessages, so a module that never
// connects a sink does not grow without bound.
class RecordingMessageSink final : public MessageSink {
public:
    static constexpr std::size_t kMaxMessages = 256;
    struct Message {
        std::string text;
        std::string caption;
    };
    void Show(const char* text, const char* caption) override;
    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};

// The sink messages currently go to (the default recorder unless one was connected).
MessageSink& CurrentMessageSink();
// Connects a sink; null reconnects the default recorder.
void ConnectMessageSink(MessageSink* sink);
// The module's default recorder.
RecordingMessageSink& DefaultMessageRecorder();

} // namespace zx::equation
