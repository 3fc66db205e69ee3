#pragma once
// Controls of the headless system's settings, for tests. Only the headless
// build has this header's functions.

#include <cstdint>

namespace platform::headless {

// Default, and after resetSystemInfo: 400 ms, the usual system default.
void setMenuShowDelay(uint32_t delayMs);
// Default, and after resetSystemInfo: off, as the system ships.
void setSnapToDefaultButton(bool on);
void resetSystemInfo();

} // namespace platform::headless
