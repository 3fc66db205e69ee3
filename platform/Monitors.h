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

} // namespace platform
