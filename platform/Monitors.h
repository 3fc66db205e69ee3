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

// The work area of the monitor that holds the point, or of the nearest
// monitor when none does.
Rect workAreaAt(Point point);
// The work area of the monitor that shares the most area with the
// rectangle, or of the nearest monitor when none does.
Rect workAreaFor(const Rect& rect);
// The work area of the monitor with the largest area (the first of equals).
Rect largestMonitorWorkArea();

} // namespace platform
