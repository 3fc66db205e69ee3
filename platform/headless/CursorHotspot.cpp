#include "platform/CursorHotspot.h"

namespace platform {

std::optional<Point> cursorHotspot(NativeHandle) { return std::nullopt; }

} // namespace platform
