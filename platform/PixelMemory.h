#pragma once
// One block of pixel rows that the platform's drawing can render into.
//
// On Windows the block is a top-down device-independent bitmap section, so a
// device context can draw straight into the memory the program reads; on the
// headless build it is plain heap memory. Either way the rows start zeroed,
// row 0 is the top row and `stride` bytes separate consecutive rows.
//
// The object owns its memory (and native bitmap) and frees both when it is
// destroyed; it cannot be copied. `nativeBitmap` stays owned by the block.

#include <cstdint>

namespace platform {

class PixelMemory {
public:
    PixelMemory() = default;
    ~PixelMemory();
    PixelMemory(const PixelMemory&) = delete;
    PixelMemory& operator=(const PixelMemory&) = delete;

    // Allocates width x height pixels of 24 or 32 bits with rows of `stride`
    // bytes (stride is at least width x bytes per pixel, a multiple of 4).
    // Fails (and stays empty) when the memory or the native bitmap cannot
    // be had.
    bool allocate(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t stride);

    uint8_t* bits() const { return m_bits; }
    // The native bitmap (an HBITMAP on Windows, null on the headless build).
    void* nativeBitmap() const { return m_native; }

private:
    void release();

    uint8_t* m_bits = nullptr;
    void* m_native = nullptr;
};

} // namespace platform
