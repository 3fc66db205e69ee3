#pragma once
// Copies of what the screen shows.
//
// A capture fills caller-owned memory: rect.width x rect.height pixels of
// the bytes B, G, R, A, rows top-down and `stride` bytes apart. Layered
// windows are included. Afterwards the alpha byte tells where the desktop
// is: 255 on pixels that lie on a monitor, 0 on pixels that lie on none
// (the gaps of an uneven multi-monitor layout). Nothing is kept between
// calls; every handle taken for a capture is released before it returns.

#include "platform/Geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// Copies the screen area `rect` (screen coordinates) into `bits` and then
// sets the alpha bytes from the monitors (applyMonitorAlpha with
// monitorRects()). Returns false when the platform's copy failed; the
// pixels then hold whatever the copy left (zeroes at worst), and the alpha
// rule has still been applied.
bool captureScreen(const Rect& rect, uint8_t* bits, int32_t stride);

// The platform's raw copy of the screen area `rect` into `bits`, without
// any alpha treatment. Implemented per platform; captureScreen is the
// operation to call.
bool copyScreenArea(const Rect& rect, uint8_t* bits, int32_t stride);

// The alpha rule of a capture of `rect`: every alpha byte becomes 0, then
// the pixels of each monitor's intersection with `rect` get alpha 255.
void applyMonitorAlpha(const Rect& rect, const std::vector<Rect>& monitors, uint8_t* bits, int32_t stride);

} // namespace platform
