#include "platform/CursorHotspot.h"

#include "platform/win32/GdiHandles.h"

namespace platform {

std::optional<Point> cursorHotspot(NativeHandle cursor)
{
    ICONINFO info{};
    if (!cursor || !GetIconInfo(static_cast<HICON>(cursor), &info))
        return std::nullopt;
    // GetIconInfo hands out copies of both bitmaps, which are ours to delete.
    const win32::UniqueBitmap mask(info.hbmMask);
    const win32::UniqueBitmap color(info.hbmColor);
    return Point{static_cast<int32_t>(info.xHotspot), static_cast<int32_t>(info.yHotspot)};
}

} // namespace platform
