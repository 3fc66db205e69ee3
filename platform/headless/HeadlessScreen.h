#pragma once
// Controls of the headless screen, for tests: which monitors exist and what
// their pixels are. Only the headless build has this header's functions.

#include "platform/Geometry.h"
#include "platform/Monitors.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace platform::headless {

// Default: one 1920 x 1080 monitor at (0, 0) whose work area is 1920 x 1040.
// The primary monitor is the one holding the origin. setMonitors gives the
// primary monitor `primaryWorkArea` and every other monitor its whole
// rectangle as work area.
void setMonitors(std::vector<Rect> monitors, Rect primaryWorkArea);
void setMonitorAreas(std::vector<MonitorArea> monitors);
void resetMonitors();

// What a capture of the screen reads at screen position (x, y), as
// 0xAARRGGBB (the alpha is replaced by the capture's monitor rule).
// Default, and after resetScreenPixels: black everywhere.
void setScreenPixels(std::function<uint32_t(int32_t x, int32_t y)> pixelAt);
void resetScreenPixels();

} // namespace platform::headless
