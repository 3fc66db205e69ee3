#include "platform/Monitors.h"

#include <windows.h>

namespace platform {

namespace {

Rect toRect(const RECT& r) { return Rect::fromEdges(r.left, r.top, r.right, r.bottom); }

BOOL CALLBACK collectMonitor(HMONITOR, HDC, LPRECT area, LPARAM list)
{
    reinterpret_cast<std::vector<Rect>*>(list)->push_back(toRect(*area));
    return TRUE;
}

} // namespace

std::vector<Rect> monitorRects()
{
    std::vector<Rect> monitors;
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
