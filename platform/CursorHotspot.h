#pragma once
// Reading back the hot spot of a native cursor.

#include "platform/Geometry.h"
#include "platform/NativeHandle.h"

#include <optional>

namespace platform {

// The hot spot of a cursor (or icon) handle; nothing for a null or invalid
// handle, and always nothing on the headless build, which makes no cursors.
std::optional<Point> cursorHotspot(NativeHandle cursor);

} // namespace platform
