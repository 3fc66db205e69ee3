#pragma once
// GDI+ through its flat API, with owning wrappers that count every object in
// the ImagingObject live count, and the wrapping of borrowed pixel rows as a
// GDI+ bitmap without copying.

#include "platform/HandleCounts.h"
#include "platform/NativeBitmap.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace platform::win32 {

namespace gp = Gdiplus::DllExports;

template <typename Object, auto Dispose>
class GdiplusObject {
public:
    GdiplusObject() = default;
    ~GdiplusObject() { reset(); }
    GdiplusObject(GdiplusObject&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    GdiplusObject& operator=(GdiplusObject&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;

    Object* get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // Takes a freshly created object; pass the address of `receiver` to a
    // creating call and then `adopt` it, or use `out`.
    void adopt(Object* object)
    {
        reset();
        m_object = object;
        if (m_object)
            countHandleCreated(HandleKind::ImagingObject);
    }
    void reset()
    {
        if (m_object) {
            Dispose(m_object);
            countHandleDestroyed(HandleKind::ImagingObject);
            m_object = nullptr;
        }
    }

private:
    Object* m_object = nullptr;
};

inline void disposeImage(Gdiplus::GpImage* image) { gp::GdipDisposeImage(image); }
inline void deleteGraphics(Gdiplus::GpGraphics* graphics) { gp::GdipDeleteGraphics(graphics); }
inline void disposeAttributes(Gdiplus::GpImageAttributes* attributes) { gp::GdipDisposeImageAttributes(attributes); }
inline void deleteBrush(Gdiplus::GpBrush* brush) { gp::GdipDeleteBrush(brush); }

using GpImagePtr = GdiplusObject<Gdiplus::GpImage, disposeImage>;
using GpGraphicsPtr = GdiplusObject<Gdiplus::GpGraphics, deleteGraphics>;
using GpAttributesPtr = GdiplusObject<Gdiplus::GpImageAttributes, disposeAttributes>;
using GpBrushPtr = GdiplusObject<Gdiplus::GpBrush, deleteBrush>;

// Whether some ImagingSession has started the library.
bool imagingLibraryStarted();

// A GDI+ bitmap over borrowed rows (no copy): 24-bit RGB, 32-bit ARGB or
// 32-bit premultiplied ARGB. The rows must outlive the bitmap.
inline GpImagePtr wrapRows(const PixelRows& rows, bool hasAlpha, bool premultiplied)
{
    Gdiplus::PixelFormat format = PixelFormat24bppRGB;
    if (rows.bitsPerPixel == 32)
        format = !hasAlpha ? PixelFormat32bppRGB : premultiplied ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
    Gdiplus::GpBitmap* bitmap = nullptr;
    GpImagePtr result;
    if (gp::GdipCreateBitmapFromScan0(rows.width, rows.height, rows.stride, format, rows.bits, &bitmap) == Gdiplus::Ok)
        result.adopt(bitmap);
    return result;
}

} // namespace platform::win32
