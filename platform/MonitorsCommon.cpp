#include "Monitors.h"

namespace platform {

Rect virtualDesktopRect()
{
    Rect bounds;
    for (const Rect& monitor : monitorRects())
        bounds = bounds.united(monitor);
    return bounds;
}

} // namespace platform
