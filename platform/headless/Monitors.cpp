#include "platform/Monitors.h"
#include "HeadlessScreen.h"

namespace platform {

namespace {

struct HeadlessMonitors {
    std::vector<Rect> monitors{{0, 0, 1920, 1080}};
    Rect workArea{0, 0, 1920, 1040};
};

HeadlessMonitors& state()
{
    static HeadlessMonitors monitors;
    return monitors;
}

} // namespace

std::vector<Rect> monitorRects() { return state().monitors; }
Rect primaryWorkArea() { return state().workArea; }

namespace headless {
void setMonitors(std::vector<Rect> monitors, Rect primaryWorkArea)
{
    state().monitors = std::move(monitors);
    state().workArea = primaryWorkArea;
}
void resetMonitors() { state() = HeadlessMonitors(); }
} // namespace headless

} // namespace platform
