#include "platform/Monitors.h"
#include "HeadlessScreen.h"

namespace platform {

namespace {

struct HeadlessMonitors {
    std::vector<Rect> monitors{{0, 0, 1920, 1080}};
    Rect workArea{0, 0, 1920, 1040};
    std::vector<Rect> workAreas;
};

HeadlessMonitors& state()
{
    static HeadlessMonitors monitors;
    return monitors;
}

Rect workAreaOf(size_t index)
{
    const HeadlessMonitors& monitors = state();
    if (index < monitors.workAreas.size())
        return monitors.workAreas[index];
    return index == 0 ? monitors.workArea : monitors.monitors[index];
}

int64_t distanceSquared(const Rect& monitor, Point point)
{
    const int64_t dx = point.x < monitor.left() ? monitor.left() - point.x
                       : point.x >= monitor.right() ? point.x - monitor.right() + 1 : 0;
    const int64_t dy = point.y < monitor.top() ? monitor.top() - point.y
                       : point.y >= monitor.bottom() ? point.y - monitor.bottom() + 1 : 0;
    return dx * dx + dy * dy;
}

size_t nearestMonitor(Point point)
{
    const auto& monitors = state().monitors;
    size_t best = 0;
    for (size_t i = 1; i < monitors.size(); ++i)
        if (distanceSquared(monitors[i], point) < distanceSquared(monitors[best], point))
            best = i;
    return best;
}

} // namespace

std::vector<Rect> monitorRects() { return state().monitors; }
Rect primaryWorkArea() { return state().workArea; }

Rect workAreaAt(Point point)
{
    if (state().monitors.empty())
        return state().workArea;
    return workAreaOf(nearestMonitor(point));
}

Rect workAreaFor(const Rect& rect)
{
    const auto& monitors = state().monitors;
    int64_t bestArea = 0;
    size_t best = monitors.size();
    for (size_t i = 0; i < monitors.size(); ++i) {
        const Rect common = monitors[i].intersected(rect);
        const int64_t area = int64_t(common.width) * common.height;
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best < monitors.size() ? workAreaOf(best) : workAreaAt(rect.centre());
}

Rect largestMonitorWorkArea()
{
    const auto& monitors = state().monitors;
    size_t best = 0;
    for (size_t i = 1; i < monitors.size(); ++i)
        if (int64_t(monitors[i].width) * monitors[i].height > int64_t(monitors[best].width) * monitors[best].height)
            best = i;
    return monitors.empty() ? state().workArea : workAreaOf(best);
}

namespace headless {
void setMonitors(std::vector<Rect> monitors, Rect primaryWorkArea)
{
    state().monitors = std::move(monitors);
    state().workArea = primaryWorkArea;
}
void resetMonitors() { state() = HeadlessMonitors(); }
void setMonitorWorkAreas(std::vector<Rect> workAreas) { state().workAreas = std::move(workAreas); }
} // namespace headless

} // namespace platform
