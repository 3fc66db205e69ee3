#include "platform/Clock.h"
#include "platform/SystemTimers.h"
#include "platform/headless/HeadlessInput.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace platform {

namespace {

// Far from zero, so code that treats 0 as "never" is not fooled by the start.
constexpr uint64_t kClockStart = 1'000'000;

struct Timer {
    uintptr_t id;
    uint64_t interval;
    uint64_t due;
    // Shared so that a callback that stops its own timer keeps running on a
    // live function object.
    std::shared_ptr<TimerCallback> callback;
};

struct FakeTimers {
    uint64_t now = kClockStart;
    uintptr_t nextId = 1;
    // In start order, which is also the order of increasing id.
    std::vector<Timer> timers;
};

FakeTimers& state()
{
    static FakeTimers timers;
    return timers;
}

// The earliest timer due at or before the limit (ties: the one started first).
Timer* nextDue(uint64_t limit)
{
    Timer* next = nullptr;
    for (Timer& timer : state().timers) {
        if (timer.due <= limit && (!next || timer.due < next->due))
            next = &timer;
    }
    return next;
}

} // namespace

uint64_t monotonicMilliseconds() { return state().now; }

void sleepMilliseconds(uint32_t ms) { state().now += ms; }

uintptr_t startSystemTimer(uint32_t intervalMs, TimerCallback callback)
{
    FakeTimers& timers = state();
    const uint64_t interval = intervalMs == 0 ? 1 : intervalMs;
    const uintptr_t id = timers.nextId++;
    timers.timers.push_back(
        {id, interval, timers.now + interval, std::make_shared<TimerCallback>(std::move(callback))});
    return id;
}

void stopSystemTimer(uintptr_t id)
{
    std::erase_if(state().timers, [id](const Timer& timer) { return timer.id == id; });
}

size_t runningSystemTimerCount() { return state().timers.size(); }

namespace headless {

void advanceClock(uint64_t ms)
{
    FakeTimers& timers = state();
    const uint64_t target =
        ms > std::numeric_limits<uint64_t>::max() - timers.now ? std::numeric_limits<uint64_t>::max() : timers.now + ms;
    // The table is searched afresh after every call, since a callback may
    // start or stop any timer.
    while (Timer* timer = nextDue(target)) {
        // A sleep may have carried the clock past a due time: it never runs back.
        timers.now = std::max(timers.now, timer->due);
        timer->due += timer->interval;
        const std::shared_ptr<TimerCallback> callback = timer->callback;
        if (*callback)
            (*callback)();
    }
    timers.now = target;
}

} // namespace headless

} // namespace platform
