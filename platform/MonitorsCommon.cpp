#include "platform/Monitors.h"

namespace platform {

std::vector<Rect> monitorRects()
{
    std::vector<Rect> rects;
    for (const MonitorArea& monitor : monitorAreas())
        rects.push_back(monitor.bounds);
    return rects;
}

Rect virtualDesktopRect()
{
    Rect bounds;
    for (const MonitorArea& monitor : monitorAreas())
        bounds = bounds.united(monitor.bounds);
    return bounds;
}

} // namespace platform
