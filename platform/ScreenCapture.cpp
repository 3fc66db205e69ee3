// The portable half of screen capture: the monitor alpha rule on top of the
// platform's raw copy.
#include "platform/ScreenCapture.h"

#include "platform/Monitors.h"

#include <cstddef>

namespace platform {

bool captureScreen(const Rect& rect, uint8_t* bits, int32_t stride)
{
    if (rect.isEmpty() || !bits)
        return false;
    const bool copied = copyScreenArea(rect, bits, stride);
    applyMonitorAlpha(rect, monitorRects(), bits, stride);
    return copied;
}

void applyMonitorAlpha(const Rect& rect, const std::vector<Rect>& monitors, uint8_t* bits, int32_t stride)
{
    if (rect.isEmpty() || !bits)
        return;
    const auto setAlpha = [&](const Rect& area, uint8_t alpha) {
        for (int32_t y = area.y; y < area.bottom(); ++y) {
            uint8_t* p =
                bits + static_cast<ptrdiff_t>(y - rect.y) * stride + static_cast<ptrdiff_t>(area.x - rect.x) * 4 + 3;
            for (int32_t x = 0; x < area.width; ++x, p += 4)
                *p = alpha;
        }
    };
    // Every pixel starts off the desktop; the monitors then claim theirs.
    // Clearing even when no monitor touches the area keeps the promise
    // that pixels on no monitor read A = 0, whatever the copy left there.
    setAlpha(rect, 0);
    for (const Rect& monitor : monitors) {
        const Rect overlap = monitor.intersected(rect);
        if (!overlap.isEmpty())
            setAlpha(overlap, 255);
    }
}

} // namespace platform
