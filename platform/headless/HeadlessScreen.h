#pragma once
// Controls of the headless screen, for tests: which monitors exist and what
// their pixels are. Only the headless build has this header's functions.

#include "platform/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace platform::headless {

// Default: one 1920 x 1080 monitor at (0, 0) whose work area is 1920 x 1040.
void setMonitors(std::vector<Rect> monitors, Rect primaryWorkArea);
void resetMonitors();

} // namespace platform::headless
