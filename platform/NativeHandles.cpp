// Ownership of native icons, cursors and bitmaps, the same on every
// platform: each live handle is counted, and the platform's destroy
// function releases it.
#include "platform/HandleCounts.h"
#include "platform/NativeBitmap.h"
#include "platform/NativeIcon.h"

#include <utility>

namespace platform {

namespace {
HandleKind iconKind(bool isCursor) { return isCursor ? HandleKind::Cursor : HandleKind::Icon; }
} // namespace

NativeIcon::NativeIcon(void* handle, bool isCursor) : m_handle(handle), m_isCursor(isCursor)
{
    if (m_handle)
        countHandleCreated(iconKind(m_isCursor));
}

NativeIcon::~NativeIcon() { reset(); }

NativeIcon::NativeIcon(NativeIcon&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr))
    , m_isCursor(other.m_isCursor)
{}

NativeIcon& NativeIcon::operator=(NativeIcon&& other) noexcept
{
    if (this != &other) {
        reset();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_isCursor = other.m_isCursor;
    }
    return *this;
}

void* NativeIcon::release()
{
    if (m_handle)
        countHandleDestroyed(iconKind(m_isCursor));
    return std::exchange(m_handle, nullptr);
}

void NativeIcon::reset()
{
    if (!m_handle)
        return;
    destroyNativeIcon(m_handle, m_isCursor);
    countHandleDestroyed(iconKind(m_isCursor));
    m_handle = nullptr;
}

NativeBitmap::NativeBitmap(void* handle) : m_handle(handle)
{
    if (m_handle)
        countHandleCreated(HandleKind::Bitmap);
}

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

void* NativeBitmap::release()
{
    if (m_handle)
        countHandleDestroyed(HandleKind::Bitmap);
    return std::exchange(m_handle, nullptr);
}

void NativeBitmap::reset()
{
    if (!m_handle)
        return;
    destroyNativeBitmap(m_handle);
    countHandleDestroyed(HandleKind::Bitmap);
    m_handle = nullptr;
}

} // namespace platform
