#pragma once
// An owned native bitmap (an HBITMAP on Windows) independent of any image,
// for handing pixels to native consumers (clipboard, drag images, windows).
//
// Move-only: the object deletes the bitmap when it goes, unless it was handed
// on with `release`, after which the receiver owns it.

#include <cstdint>

namespace platform {

class NativeBitmap {
public:
    NativeBitmap() = default;
    explicit NativeBitmap(void* handle);
    ~NativeBitmap();
    NativeBitmap(NativeBitmap&& other) noexcept;
    NativeBitmap& operator=(NativeBitmap&& other) noexcept;
    NativeBitmap(const NativeBitmap&) = delete;
    NativeBitmap& operator=(const NativeBitmap&) = delete;

    bool isNull() const { return m_handle == nullptr; }
    void* handle() const { return m_handle; }
    // Gives up ownership; the caller must delete the bitmap.
    void* release();
    void reset();

private:
    void* m_handle = nullptr;
};

// Layout of pixel rows handed to or read from the platform.
struct PixelRows {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    int32_t bitsPerPixel = 32; // 24 (B, G, R) or 32 (B, G, R, A)
};

// A new top-down 24- or 32-bit bitmap holding a copy of the rows; null on
// failure (sizes beyond the image limit included) or on the headless build.
NativeBitmap createNativeBitmap(const PixelRows& rows);

// Releases a bitmap the platform created (used by NativeBitmap only).
void destroyNativeBitmap(void* handle);

// Size of a native bitmap (0 x 0 when it is not a bitmap).
bool nativeBitmapSize(void* bitmap, int32_t& width, int32_t& height);

// Copies a native bitmap's pixels as 32-bit B, G, R, A rows into `rows`
// (whose width and height must match the bitmap's). Fails on the headless
// build.
bool readNativeBitmap(void* bitmap, const PixelRows& rows);

} // namespace platform
