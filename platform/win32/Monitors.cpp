#include "platform/Monitors.h"

#include <windows.h>

namespace platform {

namespace {

Rect toRect(const RECT& r) { return Rect::fromEdges(r.left, r.top, r.right, r.bottom); }

Rect workAreaOf(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return {};
    return toRect(info.rcWork);
}

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT area, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    // A monitor whose details cannot be read counts as wholly free.
    const Rect bounds = toRect(*area);
    const Rect work = GetMonitorInfoW(monitor, &info) ? toRect(info.rcWork) : bounds;
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back({bounds, work});
    return TRUE;
}

} // namespace

std::vector<MonitorArea> monitorAreas()
{
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Rect primaryWorkArea()
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoW(primary, &info))
        return {};
    return toRect(info.rcWork);
}

Rect workAreaAt(Point point) { return workAreaOf(MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST)); }

Rect workAreaFor(const Rect& rect)
{
    const RECT area{rect.left(), rect.top(), rect.right(), rect.bottom()};
    return workAreaOf(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

Rect largestMonitorWorkArea()
{
    const MonitorArea* best = nullptr;
    const std::vector<MonitorArea> monitors = monitorAreas();
    for (const MonitorArea& monitor : monitors)
        if (!best
            || int64_t(monitor.bounds.width) * monitor.bounds.height
                > int64_t(best->bounds.width) * best->bounds.height)
            best = &monitor;
    return best ? best->workArea : primaryWorkArea();
}

} // namespace platform
