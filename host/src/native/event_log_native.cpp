// The event log natively: libw32 records what plug-ins do through it (message boxes, beeps,
// sounds, window messages, debug text); the host adds its own lines to the same log, so the
// order between the two is kept.
#include "platform.h"
#include "zxw32/user_ext.h"

namespace zxhost::platform {

void logEvent(Message message) {
    zxw32::logEvent(zxw32::Event{std::move(message.kind), std::move(message.text),
                                 std::move(message.caption), message.flags});
}

std::vector<Message> takeEvents() {
    std::vector<Message> result;
    for (auto& e : zxw32::takeEvents()) {
        result.push_back(
            Message{std::move(e.kind), std::move(e.text), std::move(e.caption), e.flags});
    }
    return result;
}

// libw32 answers message boxes itself and never blocks: nothing to watch.
SystemWatch::SystemWatch() = default;
SystemWatch::~SystemWatch() = default;

} // namespace zxhost::platform
