#include "platform/Monitors.h"
#include "platform/headless/HeadlessScreen.h"

namespace platform {

namespace {

std::vector<MonitorArea> defaultMonitors() { return {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}}; }

std::vector<MonitorArea>& state()
{
    static std::vector<MonitorArea> monitors = defaultMonitors();
    return monitors;
}

int64_t distanceSquared(const Rect& monitor, Point point)
{
    const int64_t dx = point.x < monitor.left() ? monitor.left() - point.x
        : point.x >= monitor.right()            ? point.x - monitor.right() + 1
                                                : 0;
    const int64_t dy = point.y < monitor.top() ? monitor.top() - point.y
        : point.y >= monitor.bottom()          ? point.y - monitor.bottom() + 1
                                               : 0;
    return dx * dx + dy * dy;
}

int64_t areaOf(const Rect& r) { return r.isEmpty() ? 0 : int64_t(r.width) * r.height; }

} // namespace

std::vector<MonitorArea> monitorAreas() { return state(); }

Rect primaryWorkArea()
{
    // As on Windows, the primary monitor is the one holding the origin.
    for (const MonitorArea& monitor : state()) {
        if (monitor.bounds.contains(Point{0, 0}))
            return monitor.workArea;
    }
    return state().empty() ? Rect() : state().front().workArea;
}

Rect workAreaAt(Point point)
{
    const auto& monitors = state();
    if (monitors.empty())
        return {};
    size_t best = 0;
    for (size_t i = 1; i < monitors.size(); ++i)
        if (distanceSquared(monitors[i].bounds, point) < distanceSquared(monitors[best].bounds, point))
            best = i;
    return monitors[best].workArea;
}

Rect workAreaFor(const Rect& rect)
{
    const auto& monitors = state();
    int64_t bestArea = 0;
    const MonitorArea* best = nullptr;
    for (const MonitorArea& monitor : monitors) {
        const int64_t area = areaOf(monitor.bounds.intersected(rect));
        if (area > bestArea) {
            bestArea = area;
            best = &monitor;
        }
    }
    return best ? best->workArea : workAreaAt(rect.centre());
}

Rect largestMonitorWorkArea()
{
    const MonitorArea* best = nullptr;
    for (const MonitorArea& monitor : state())
        if (!best || areaOf(monitor.bounds) > areaOf(best->bounds))
            best = &monitor;
    return best ? best->workArea : Rect();
}

namespace headless {
void setMonitors(std::vector<Rect> monitors, Rect primaryWorkArea)
{
    std::vector<MonitorArea> areas;
    for (const Rect& bounds : monitors)
        areas.push_back(MonitorArea{bounds, bounds.contains(Point{0, 0}) ? primaryWorkArea : bounds});
    setMonitorAreas(std::move(areas));
}
void setMonitorAreas(std::vector<MonitorArea> monitors) { state() = std::move(monitors); }
void resetMonitors() { state() = defaultMonitors(); }
} // namespace headless

} // namespace platform
