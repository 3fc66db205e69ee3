// Native icons and bitmaps on the headless build: there are none, so every
// creation reports failure and the owning wrappers never hold a handle.
#include "platform/NativeBitmap.h"
#include "platform/NativeIcon.h"

#include <utility>

namespace platform {

NativeIcon::NativeIcon(void* handle, bool isCursor) : m_handle(handle), m_isCursor(isCursor) {}
NativeIcon::~NativeIcon() { reset(); }
NativeIcon::NativeIcon(NativeIcon&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_isCursor(other.m_isCursor)
{
}
NativeIcon& NativeIcon::operator=(NativeIcon&& other) noexcept
{
    if (this != &other) {
        reset();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_isCursor = other.m_isCursor;
    }
    return *this;
}
void* NativeIcon::release() { return std::exchange(m_handle, nullptr); }
void NativeIcon::reset() { m_handle = nullptr; }

NativeIcon createNativeIcon(const PixelRows&, bool, int32_t, int32_t) { return {}; }

NativeBitmap::NativeBitmap(void* handle) : m_handle(handle) {}
NativeBitmap::~NativeBitmap() { reset(); }
NativeBitmap::NativeBitmap(NativeBitmap&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
NativeBitmap& NativeBitmap::operator=(NativeBitmap&& other) noexcept
{
    if (this != &other) {
        reset();
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}
void* NativeBitmap::release() { return std::exchange(m_handle, nullptr); }
void NativeBitmap::reset() { m_handle = nullptr; }

NativeBitmap createNativeBitmap(const PixelRows&) { return {}; }

bool nativeBitmapSize(void*, int32_t& width, int32_t& height)
{
    width = height = 0;
    return false;
}

bool readNativeBitmap(void*, const PixelRows&) { return false; }

} // namespace platform
