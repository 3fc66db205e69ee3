// The headless screen's pixels come from a function the tests set; a
// capture reads it once per pixel.
#include "platform/ScreenCapture.h"
#include "platform/headless/HeadlessScreen.h"

#include <cstddef>
#include <cstring>

namespace platform {

namespace {

std::function<uint32_t(int32_t, int32_t)>& screenPixels()
{
    static std::function<uint32_t(int32_t, int32_t)> pixelAt;
    return pixelAt;
}

} // namespace

bool copyScreenArea(const Rect& rect, uint8_t* bits, int32_t stride)
{
    if (rect.isEmpty() || !bits)
        return false;
    const auto& pixelAt = screenPixels();
    for (int32_t y = 0; y < rect.height; ++y) {
        uint8_t* row = bits + static_cast<ptrdiff_t>(y) * stride;
        if (!pixelAt) {
            std::memset(row, 0, static_cast<size_t>(rect.width) * 4);
            continue;
        }
        for (int32_t x = 0; x < rect.width; ++x) {
            const uint32_t argb = pixelAt(rect.x + x, rect.y + y);
            uint8_t* p = row + static_cast<ptrdiff_t>(x) * 4;
            p[0] = static_cast<uint8_t>(argb);
            p[1] = static_cast<uint8_t>(argb >> 8);
            p[2] = static_cast<uint8_t>(argb >> 16);
            p[3] = static_cast<uint8_t>(argb >> 24);
        }
    }
    return true;
}

namespace headless {
void setScreenPixels(std::function<uint32_t(int32_t x, int32_t y)> pixelAt) { screenPixels() = std::move(pixelAt); }
void resetScreenPixels() { screenPixels() = nullptr; }
} // namespace headless

} // namespace platform
