// Screen capture through GDI: the screen area is copied into a bitmap
// compatible with the screen, whose pixels GetDIBits then converts to 32-bit
// top-down rows in the caller's memory. (Under Wine this is several times
// faster than copying into a fresh DIB section.) Every handle lives in a
// counted wrapper for the length of one call.
#include "platform/ScreenCapture.h"

#include "platform/win32/GdiHandles.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// Source copy with layered windows captured.
constexpr DWORD kCaptureRasterOperation = SRCCOPY | CAPTUREBLT;

// The part of `rect` that lies on the virtual screen.
Rect onVirtualScreen(const Rect& rect)
{
    const Rect screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return rect.intersected(screen);
}

} // namespace

bool copyScreenArea(const Rect& rect, uint8_t* bits, int32_t stride)
{
    if (rect.isEmpty() || !bits)
        return false;
    const win32::ScreenDc screen;
    if (!screen)
        return false;
    const win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), rect.width, rect.height));
    if (!memory || !bitmap)
        return false;
    // Only the part on the screen is copied; the rest of the new bitmap
    // stays black. Wine's copy fails as a whole when the source reaches
    // past the screen's edge, which would blank a view near the edge.
    const Rect source = onVirtualScreen(rect);
    bool copied = source.isEmpty();
    if (!copied) {
        const win32::SelectionGuard selected(memory.get(), bitmap.get());
        if (selected.ok())
            copied = BitBlt(memory.get(), source.x - rect.x, source.y - rect.y, source.width, source.height,
                            screen.get(), source.x, source.y, kCaptureRasterOperation)
                != FALSE;
    }
    // The bitmap is out of the memory context again, as GetDIBits wants.
    BITMAPINFO info = win32::topDownBitmapInfo(rect.width, rect.height, 32);
    const size_t rowBytes = static_cast<size_t>(rect.width) * 4;
    if (static_cast<size_t>(stride) == rowBytes)
        return GetDIBits(memory.get(), bitmap.get(), 0, rect.height, bits, &info, DIB_RGB_COLORS) == rect.height
            && copied;
    std::vector<uint8_t> rows(rowBytes * static_cast<size_t>(rect.height));
    const bool converted =
        GetDIBits(memory.get(), bitmap.get(), 0, rect.height, rows.data(), &info, DIB_RGB_COLORS) == rect.height;
    for (int32_t y = 0; y < rect.height; ++y)
        std::memcpy(bits + static_cast<ptrdiff_t>(y) * stride, rows.data() + static_cast<size_t>(y) * rowBytes,
                    rowBytes);
    return converted && copied;
}

} // namespace platform
