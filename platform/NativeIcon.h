#pragma once
// An owned native icon or cursor (HICON / HCURSOR on Windows).
//
// Move-only: the object destroys the handle when it goes, unless the handle
// was handed on with `release`, after which the receiver owns it.

#include "platform/NativeBitmap.h"

namespace platform {

class NativeIcon {
public:
    NativeIcon() = default;
    NativeIcon(void* handle, bool isCursor);
    ~NativeIcon();
    NativeIcon(NativeIcon&& other) noexcept;
    NativeIcon& operator=(NativeIcon&& other) noexcept;
    NativeIcon(const NativeIcon&) = delete;
    NativeIcon& operator=(const NativeIcon&) = delete;

    bool isNull() const { return m_handle == nullptr; }
    bool isCursor() const { return m_isCursor; }
    void* handle() const { return m_handle; }
    // Gives up ownership; the caller must destroy the handle.
    void* release();
    void reset();

private:
    void* m_handle = nullptr;
    bool m_isCursor = false;
};

// An icon (or a cursor with the hotspot) from square 32-bit rows with
// straight alpha; an all-zero mask goes with them, so the alpha channel
// alone decides transparency. Null on failure and on the headless build.
NativeIcon createNativeIcon(const PixelRows& rows, bool isCursor, int32_t hotspotX, int32_t hotspotY);

// Releases a handle the platform created (used by NativeIcon only).
void destroyNativeIcon(void* handle, bool isCursor);

} // namespace platform
