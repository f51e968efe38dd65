// The event log in the Windows build: the host's own, fed by what the host can see (its
// services' output and warnings, and the message boxes its watch records).
#include <deque>
#include <iterator>

#include "platform.h"

namespace zxhost::platform {
namespace {

// A host that never reads the log must not grow it without end: past this many events the
// oldest are dropped.
constexpr size_t kMaxEvents = 100000;

// The host runs on one thread, and so do the hook procedures that log from it.
std::deque<Message>& events() {
    static std::deque<Message>* log = new std::deque<Message>;
    return *log;
}

} // namespace

void logEvent(Message message) {
    auto& log = events();
    if (log.size() == kMaxEvents) {
        log.pop_front();
    }
    log.push_back(std::move(message));
}

std::vector<Message> takeEvents() {
    auto& log = events();
    std::vector<Message> out(std::make_move_iterator(log.begin()),
                             std::make_move_iterator(log.end()));
    log.clear();
    return out;
}

} // namespace zxhost::platform
