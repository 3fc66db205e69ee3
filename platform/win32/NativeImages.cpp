// Native icons, cursors and bitmaps made from (or read into) pixel rows.
#include "platform/NativeBitmap.h"
#include "platform/NativeIcon.h"

#include "platform/ImageCodec.h"
#include "platform/win32/GdiHandles.h"

#include <cstring>
#include <vector>

namespace platform {

NativeIcon createNativeIcon(const PixelRows& rows, bool isCursor, int32_t hotspotX, int32_t hotspotY)
{
    if (!rows.bits || rows.width != rows.height || rows.bitsPerPixel != 32
        || !isImageSizeAllowed(rows.width, rows.height))
        return {};
    const BITMAPINFO info = win32::topDownBitmapInfo(rows.width, rows.height, 32);
    void* bits = nullptr;
    win32::UniqueBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color || !bits)
        return {};
    for (int32_t y = 0; y < rows.height; ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<ptrdiff_t>(y) * rows.width * 4,
                    rows.bits + static_cast<ptrdiff_t>(y) * rows.stride, static_cast<size_t>(rows.width) * 4);
    GdiFlush();
    // An all-zero AND mask: with alpha in the colour bitmap the system
    // takes transparency from the alpha channel alone.
    const std::vector<uint8_t> zeros(static_cast<size_t>((rows.width + 15) / 16 * 2) * rows.height, 0);
    win32::UniqueBitmap mask(CreateBitmap(rows.width, rows.height, 1, 1, zeros.data()));
    if (!mask)
        return {};
    ICONINFO iconInfo{};
    iconInfo.fIcon = isCursor ? FALSE : TRUE;
    iconInfo.xHotspot = static_cast<DWORD>(hotspotX < 0 ? 0 : hotspotX);
    iconInfo.yHotspot = static_cast<DWORD>(hotspotY < 0 ? 0 : hotspotY);
    iconInfo.hbmMask = mask.get();
    iconInfo.hbmColor = color.get();
    return NativeIcon(CreateIconIndirect(&iconInfo), isCursor);
}

void destroyNativeIcon(void* handle, bool isCursor)
{
    if (isCursor)
        DestroyCursor(static_cast<HCURSOR>(handle));
    else
        DestroyIcon(static_cast<HICON>(handle));
}

void destroyNativeBitmap(void* handle) { DeleteObject(static_cast<HBITMAP>(handle)); }

NativeBitmap createNativeBitmap(const PixelRows& rows)
{
    if (!rows.bits || !isImageSizeAllowed(rows.width, rows.height)
        || (rows.bitsPerPixel != 24 && rows.bitsPerPixel != 32))
        return {};
    const BITMAPINFO info = win32::topDownBitmapInfo(rows.width, rows.height, rows.bitsPerPixel);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return {};
    NativeBitmap result(bitmap);
    if (!bits)
        return {};
    // Sizes in 64 bits: width x bits per pixel overflows int32 long before
    // the pixel block does.
    const int64_t stride = (static_cast<int64_t>(rows.width) * rows.bitsPerPixel + 31) / 32 * 4;
    const size_t rowBytes = static_cast<size_t>(rows.width) * static_cast<size_t>(rows.bitsPerPixel / 8);
    for (int32_t y = 0; y < rows.height; ++y)
        std::memcpy(static_cast<uint8_t*>(bits) + static_cast<ptrdiff_t>(y) * stride,
                    rows.bits + static_cast<ptrdiff_t>(y) * rows.stride, rowBytes);
    GdiFlush();
    return result;
}

bool nativeBitmapSize(void* bitmap, int32_t& width, int32_t& height)
{
    width = height = 0;
    BITMAP info{};
    if (!bitmap || GetObjectW(static_cast<HBITMAP>(bitmap), sizeof info, &info) != sizeof info)
        return false;
    width = info.bmWidth;
    height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return true;
}

bool readNativeBitmap(void* bitmap, const PixelRows& rows)
{
    BITMAP info{};
    if (!bitmap || !rows.bits || rows.bitsPerPixel != 32
        || GetObjectW(static_cast<HBITMAP>(bitmap), sizeof info, &info) != sizeof info)
        return false;
    const int32_t height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (info.bmWidth != rows.width || height != rows.height || rows.stride != static_cast<int64_t>(rows.width) * 4)
        return false;
    BITMAPINFO request = win32::topDownBitmapInfo(rows.width, rows.height, 32);
    const win32::ScreenDc screen;
    if (GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap), 0, static_cast<UINT>(rows.height), rows.bits, &request,
                  DIB_RGB_COLORS)
        != rows.height)
        return false;
    // Only a 32-bit bitmap carries alpha, and one whose alpha is all zero
    // was drawn without it: both read as opaque.
    bool anyAlpha = false;
    if (info.bmBitsPixel == 32)
        for (int32_t y = 0; y < rows.height && !anyAlpha; ++y)
            for (int32_t x = 0; x < rows.width && !anyAlpha; ++x)
                anyAlpha = rows.bits[static_cast<ptrdiff_t>(y) * rows.stride + static_cast<ptrdiff_t>(x) * 4 + 3] != 0;
    if (!anyAlpha)
        for (int32_t y = 0; y < rows.height; ++y)
            for (int32_t x = 0; x < rows.width; ++x)
                rows.bits[static_cast<ptrdiff_t>(y) * rows.stride + static_cast<ptrdiff_t>(x) * 4 + 3] = 0xFF;
    return true;
}

} // namespace platform
