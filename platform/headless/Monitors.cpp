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
