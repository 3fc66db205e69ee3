#pragma once
// The monitors attached to the desktop, in screen coordinates.

#include "Geometry.h"

#include <vector>

namespace platform {

// Monitor rectangles in the order the system enumerates them.
std::vector<Rect> monitorRects();
// The work area (without task bars) of the primary monitor.
Rect primaryWorkArea();
// Bounding rectangle of all monitors.
Rect virtualDesktopRect();

} // namespace platform
