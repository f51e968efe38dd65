// The event log: what would have blocked or made a noise on Windows (message boxes, beeps,
// sounds) and what the host wants to observe (window messages, debug and output lines). The
// host reads and clears it; nothing here ever waits for a user.
#include <cstdio>
#include <deque>
#include <iterator>
#include <mutex>

#include <zxw32/user_ext.h>

namespace zxw32 {
namespace {

// A host that never reads the log must not grow it without end: past this many events the
// oldest are dropped.
constexpr size_t maxEvents = 100000;

struct Log {
    std::mutex mutex;
    std::deque<Event> events;
    bool echo = false;
    EventObserver observer = nullptr;
    void* observerContext = nullptr;
};

// Never destroyed: plug-ins may log from their own static destructors.
Log& log() {
    static Log* l = new Log;
    return *l;
}

} // namespace

std::vector<Event> takeEvents() {
    Log& l = log();
    std::lock_guard lock(l.mutex);
    std::vector<Event> out(std::make_move_iterator(l.events.begin()),
                           std::make_move_iterator(l.events.end()));
    l.events.clear();
    return out;
}

void logEvent(Event event) {
    Log& l = log();
    EventObserver observer = nullptr;
    void* context = nullptr;
    {
        std::lock_guard lock(l.mutex);
        observer = l.observer;
        context = l.observerContext;
    }
    // Outside the lock: an observer may log or read the log itself.
    if (observer != nullptr) {
        observer(event, context);
    }
    std::lock_guard lock(l.mutex);
    if (l.echo) {
        std::fprintf(stderr, "[%s] %s%s%s (flags %ld)\n", event.kind.c_str(), event.text.c_str(),
                     event.caption.empty() ? "" : " / ", event.caption.c_str(), event.flags);
    }
    if (l.events.size() == maxEvents) {
        l.events.pop_front();
    }
    l.events.push_back(std::move(event));
}

void setEventObserver(EventObserver observer, void* context) {
    Log& l = log();
    std::lock_guard lock(l.mutex);
    l.observer = observer;
    l.observerContext = context;
}

void setEventEcho(bool on) {
    Log& l = log();
    std::lock_guard lock(l.mutex);
    l.echo = on;
}

} // namespace zxw32
