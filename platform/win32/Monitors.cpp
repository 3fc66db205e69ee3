#include "platform/Monitors.h"

#include <windows.h>

#include <utility>

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

BOOL CALLBACK collectLargest(HMONITOR monitor, HDC, LPRECT area, LPARAM largest)
{
    auto& best = *reinterpret_cast<std::pair<HMONITOR, int64_t>*>(largest);
    const int64_t size = int64_t(area->right - area->left) * (area->bottom - area->top);
    if (size > best.second)
        best = {monitor, size};
    return TRUE;
}

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

Rect workAreaAt(Point point) { return workAreaOf(MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST)); }

Rect workAreaFor(const Rect& rect)
{
    const RECT area{rect.left(), rect.top(), rect.right(), rect.bottom()};
    return workAreaOf(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

Rect largestMonitorWorkArea()
{
    std::pair<HMONITOR, int64_t> largest{nullptr, -1};
    EnumDisplayMonitors(nullptr, nullptr, collectLargest, reinterpret_cast<LPARAM>(&largest));
    return largest.first ? workAreaOf(largest.first) : primaryWorkArea();
}

} // namespace platform
