#pragma once
// The monotonic millisecond clock every timing of the toolkit reads.

#include <cstdint>

namespace platform {

// Milliseconds from the high-resolution performance counter
// (counter x 1000 / frequency, truncated). The headless build answers the
// fake clock, which only platform::headless::advanceClock moves.
uint64_t monotonicMilliseconds();
// Blocks the thread for about `ms` milliseconds; no message or timer is
// handled meanwhile. The headless build moves the fake clock on instead,
// leaving the timers that fall due for the next advanceClock.
void sleepMilliseconds(uint32_t ms);

} // namespace platform
