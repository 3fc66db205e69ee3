#include "platform/Monitors.h"

#include <windows.h>

namespace platform {

namespace {

Rect toRect(const RECT& r) { return Rect::fromEdges(r.left, r.top, r.right, r.bottom); }

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

} // namespace platform
