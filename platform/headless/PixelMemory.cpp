// Pixel blocks of the headless build: zeroed heap memory, no native bitmap.
#include "platform/PixelMemory.h"

#include <cstdlib>

namespace platform {

PixelMemory::~PixelMemory() { release(); }

bool PixelMemory::allocate(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t stride)
{
    release();
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32)
        || stride < static_cast<int64_t>(width) * (bitsPerPixel / 8))
        return false;
    m_bits = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(stride) * static_cast<size_t>(height), 1));
    return m_bits != nullptr;
}

void PixelMemory::release()
{
    std::free(m_bits);
    m_bits = nullptr;
}

} // namespace platform
