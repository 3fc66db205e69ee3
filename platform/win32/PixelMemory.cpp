// Pixel blocks on Windows: top-down DIB sections, so a memory device
// context can draw straight into the pixels the program reads. The system
// hands out section memory zeroed.
#include "platform/PixelMemory.h"

#include "platform/HandleCounts.h"
#include "platform/win32/GdiHandles.h"

namespace platform {

PixelMemory::~PixelMemory() { release(); }

bool PixelMemory::allocate(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t stride)
{
    release();
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return false;
    // A DIB section's rows are padded to 4 bytes; other layouts cannot be had.
    const int64_t dibStride = (static_cast<int64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    if (stride != dibStride)
        return false;
    const BITMAPINFO info = win32::topDownBitmapInfo(width, height, bitsPerPixel);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return false;
    if (!bits) {
        DeleteObject(bitmap);
        return false;
    }
    countHandleCreated(HandleKind::Bitmap);
    m_native = bitmap;
    m_bits = static_cast<uint8_t*>(bits);
    return true;
}

void PixelMemory::release()
{
    if (m_native) {
        DeleteObject(static_cast<HBITMAP>(m_native));
        countHandleDestroyed(HandleKind::Bitmap);
    }
    m_native = nullptr;
    m_bits = nullptr;
}

} // namespace platform
