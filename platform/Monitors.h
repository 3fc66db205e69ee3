#pragma once
// The monitors attached to the desktop, in screen coordinates.

#include "platform/Geometry.h"

#include <vector>

namespace platform {

struct MonitorArea {
    Rect bounds;
    // The part of the monitor that task bars and docked bars leave free.
    Rect workArea;
};

// Every monitor with its work area, in the order the system enumerates them.
std::vector<MonitorArea> monitorAreas();
// The monitors' rectangles, in the same order.
std::vector<Rect> monitorRects();
// The work area of the primary monitor.
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
