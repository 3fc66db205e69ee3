// The real thread timers and the performance-counter clock under a running
// message loop. Counts are taken over bounded loops, never against a timer.
#include "platform/Clock.h"
#include "platform/MessageLoop.h"
#include "platform/SystemTimers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

namespace {

constexpr uint32_t kInterval = 10;
constexpr int kMaxTurns = 5000;
// Ends a loop whose timers never fire, rather than blocking for ever.
constexpr uint32_t kWatchdogInterval = 5000;

// Dispatches the thread's messages until done() holds, the watchdog fires or
// the loop has turned kMaxTurns times.
void pumpUntil(const std::function<bool()>& done)
{
    bool gaveUp = false;
    const uintptr_t watchdog = platform::startSystemTimer(kWatchdogInterval, [&] { gaveUp = true; });
    for (int turn = 0; turn < kMaxTurns && !gaveUp && !done(); ++turn) {
        platform::Message message;
        if (platform::waitMessage(message) != platform::WaitResult::Message)
            break;
        platform::dispatchMessage(message);
    }
    platform::stopSystemTimer(watchdog);
}

// Lets another timer fire three times, which gives a stopped one the time to
// misbehave.
void letThreeIntervalsPass()
{
    int observed = 0;
    const uintptr_t observer = platform::startSystemTimer(kInterval, [&] { ++observed; });
    pumpUntil([&] { return observed >= 3; });
    platform::stopSystemTimer(observer);
    EXPECT_EQ(observed, 3);
}

} // namespace

TEST(SystemTimersWin32, ThreadTimerFiresUntilStopped)
{
    const size_t before = platform::runningSystemTimerCount();
    int fired = 0;
    const uint64_t started = platform::monotonicMilliseconds();
    const uintptr_t id = platform::startSystemTimer(kInterval, [&] { ++fired; });
    ASSERT_NE(id, 0u);
    EXPECT_EQ(platform::runningSystemTimerCount(), before + 1);

    pumpUntil([&] { return fired >= 5; });
    EXPECT_EQ(fired, 5);
    // Five firings cannot come sooner than about four intervals after the start.
    EXPECT_GE(platform::monotonicMilliseconds() - started, 4 * kInterval - kInterval / 2);

    platform::stopSystemTimer(id);
    EXPECT_EQ(platform::runningSystemTimerCount(), before);
    letThreeIntervalsPass();
    EXPECT_EQ(fired, 5);
    EXPECT_EQ(platform::runningSystemTimerCount(), before);
}

TEST(SystemTimersWin32, TimerStopsItselfFromItsCallback)
{
    const size_t before = platform::runningSystemTimerCount();
    int fired = 0;
    uintptr_t id = 0;
    id = platform::startSystemTimer(kInterval, [&] {
        if (++fired == 2)
            platform::stopSystemTimer(id);
    });
    ASSERT_NE(id, 0u);
    pumpUntil([&] { return fired >= 2; });
    EXPECT_EQ(platform::runningSystemTimerCount(), before);
    letThreeIntervalsPass();
    EXPECT_EQ(fired, 2);
}

TEST(ClockWin32, MonotonicAndInStepWithTheTickCount)
{
    // Each tick reading is bracketed by two clock readings, so a preemption
    // between the calls widens the bracket instead of failing the test.
    const uint64_t startBefore = platform::monotonicMilliseconds();
    const DWORD startTick = GetTickCount();
    const uint64_t startAfter = platform::monotonicMilliseconds();
    uint64_t previous = startAfter;
    bool monotonic = true;
    int fired = 0;
    const uintptr_t id = platform::startSystemTimer(kInterval, [&] {
        ++fired;
        const uint64_t now = platform::monotonicMilliseconds();
        monotonic = monotonic && now >= previous;
        previous = now;
    });
    pumpUntil([&] { return fired >= 10; });
    platform::stopSystemTimer(id);
    const uint64_t endBefore = platform::monotonicMilliseconds();
    const DWORD endTick = GetTickCount();
    const uint64_t endAfter = platform::monotonicMilliseconds();

    EXPECT_TRUE(monotonic);
    EXPECT_EQ(fired, 10);
    // The tick count moves in steps of up to about 16 ms.
    constexpr int64_t kTickResolution = 20;
    const int64_t tickSpan = int64_t(endTick - startTick);
    EXPECT_GE(tickSpan, int64_t(endBefore - startAfter) - kTickResolution);
    EXPECT_LE(tickSpan, int64_t(endAfter - startBefore) + kTickResolution);
}
