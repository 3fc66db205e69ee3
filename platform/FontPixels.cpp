// The point-to-pixel rule of native font heights, shared by every platform.
#include "platform/Fonts.h"

#include <cmath>

namespace platform {

int32_t fontPixelHeight(float points)
{
    return static_cast<int32_t>(std::lround(static_cast<double>(points) * screenDpiY() / 72.0));
}

} // namespace platform
