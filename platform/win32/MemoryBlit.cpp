#include "platform/MemoryBlit.h"
#include "platform/win32/GdiHandles.h"

#include <windows.h>

namespace platform {

struct MemoryBlit::State {
    Size size;
    win32::UniqueMemoryDc sourceDc;
    win32::UniqueMemoryDc targetDc;
    win32::UniqueBitmap sourceBitmap;
    win32::UniqueBitmap targetBitmap;
    HGDIOBJ sourcePrevious = nullptr;
    HGDIOBJ targetPrevious = nullptr;
};

MemoryBlit::MemoryBlit(Size size) : m_state(std::make_unique<State>())
{
    State& s = *m_state;
    s.size = size;
    win32::ScreenDc screen;
    s.sourceDc.reset(CreateCompatibleDC(screen.get()));
    s.targetDc.reset(CreateCompatibleDC(screen.get()));
    // 32-bit sections, the format of a window's canvas.
    BITMAPINFO info = win32::topDownBitmapInfo(size.width, size.height, 32);
    void* bits = nullptr;
    s.sourceBitmap.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    s.targetBitmap.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (s.sourceDc && s.targetDc && s.sourceBitmap && s.targetBitmap) {
        s.sourcePrevious = SelectObject(s.sourceDc.get(), s.sourceBitmap.get());
        s.targetPrevious = SelectObject(s.targetDc.get(), s.targetBitmap.get());
    }
}

MemoryBlit::~MemoryBlit()
{
    State& s = *m_state;
    if (s.sourcePrevious)
        SelectObject(s.sourceDc.get(), s.sourcePrevious);
    if (s.targetPrevious)
        SelectObject(s.targetDc.get(), s.targetPrevious);
}

bool MemoryBlit::copy()
{
    const State& s = *m_state;
    if (!s.sourcePrevious || !s.targetPrevious)
        return false;
    const bool copied = BitBlt(s.targetDc.get(), 0, 0, s.size.width, s.size.height, s.sourceDc.get(), 0, 0, SRCCOPY);
    GdiFlush();
    return copied;
}

} // namespace platform
