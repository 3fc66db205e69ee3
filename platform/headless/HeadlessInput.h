#pragma once
// Controls of the headless clock, timers and input state, for tests. Only
// the headless build has this header's functions.

#include "platform/Geometry.h"
#include "platform/NativeHandle.h"

#include <cstdint>

namespace platform::headless {

// Moves the fake clock forward by ms, firing every timer that falls due on
// the way, in the order of their due times (ties in the order they were
// started); a timer due several times in the span fires that many times.
void advanceClock(uint64_t ms);

void setCursorPosition(Point screenPosition);
// Holds or releases a key or mouse button (virtual-key code). The generic
// Shift, Control and Alt codes read as held while either side is held.
void setKeyDown(uint32_t virtualKey, bool down);
void setDoubleClickSettings(uint32_t timeMs, Size size);
// The cursor most recently set with platform::setCursor.
NativeHandle currentCursor();

// Nothing held, pointer at (0, 0), double clicks 500 ms and 4 x 4, arrow
// cursor. Timers and the clock are left alone.
void resetInput();

} // namespace platform::headless
