#pragma once
// Owning wrappers for GDI objects, device contexts, icons and GDI+ objects.
// Each wrapper counts its handle in the live counts of HandleCounts.h, so a
// leak is visible to tests: construct from a freshly created handle (null is
// fine and not counted), the destructor deletes it.

#include "platform/HandleCounts.h"

#include <windows.h>

#include <utility>

namespace platform::win32 {

template <typename Handle, HandleKind Kind, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle)
    {
        if (m_handle)
            countHandleCreated(Kind);
    }
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset(Handle handle = nullptr)
    {
        if (m_handle) {
            Traits::destroy(m_handle);
            countHandleDestroyed(Kind);
        }
        m_handle = handle;
        if (m_handle)
            countHandleCreated(Kind);
    }
    // Gives up ownership (the handle leaves the counts too).
    Handle release()
    {
        if (m_handle)
            countHandleDestroyed(Kind);
        return std::exchange(m_handle, nullptr);
    }

private:
    Handle m_handle = nullptr;
};

struct DeleteGdiObject {
    static void destroy(HGDIOBJ object) { DeleteObject(object); }
};
struct DeleteDc {
    static void destroy(HDC dc) { DeleteDC(dc); }
};
struct DestroyIconHandle {
    static void destroy(HICON icon) { DestroyIcon(icon); }
};
struct DestroyCursorHandle {
    static void destroy(HICON cursor) { DestroyCursor(cursor); }
};

using UniquePen = UniqueHandle<HPEN, HandleKind::Pen, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, HandleKind::Brush, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, HandleKind::Font, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, HandleKind::Bitmap, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, HandleKind::Region, DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, HandleKind::DeviceContext, DeleteDc>;
using UniqueIcon = UniqueHandle<HICON, HandleKind::Icon, DestroyIconHandle>;
using UniqueCursor = UniqueHandle<HICON, HandleKind::Cursor, DestroyCursorHandle>;

// Selects an object into a device context for the guard's lifetime and puts
// the previous one back afterwards (GDI refuses to delete selected objects).
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectionGuard()
    {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;
    bool ok() const { return m_previous && m_previous != HGDI_ERROR; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

struct ReleaseScreenDc {
    static void destroy(HDC dc) { ReleaseDC(nullptr, dc); }
};

// The screen's device context, borrowed for the object's lifetime: it goes
// back with ReleaseDC (not DeleteDC) and is counted like every other device
// context, so a missing release shows in the live counts.
class ScreenDc : public UniqueHandle<HDC, HandleKind::DeviceContext, ReleaseScreenDc> {
public:
    ScreenDc() : UniqueHandle(GetDC(nullptr)) {}
};

// A BITMAPINFO header for top-down 24- or 32-bit rows.
inline BITMAPINFO topDownBitmapInfo(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace platform::win32
