#pragma once
// Repeating timers without a window, run on the thread that started them:
// thread timers on Windows; in the headless build a fake clock that tests
// move forward with platform::headless::advanceClock.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform {

using TimerCallback = std::function<void()>;

// Starts a repeating timer whose callback runs from the thread's message
// dispatch each time the interval has elapsed. Returns a non-zero id, or 0
// when the system refuses. An interval of 0 is taken as 1 ms.
uintptr_t startSystemTimer(uint32_t intervalMs, TimerCallback callback);
// Stops the timer; an unknown or already stopped id is ignored. A callback
// may stop its own timer (or any other) while it runs.
void stopSystemTimer(uintptr_t id);
// How many timers are running (for leak checks in tests).
size_t runningSystemTimerCount();

} // namespace platform
