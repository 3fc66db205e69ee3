#pragma once
// Live counts of the native graphics handles the program owns, per kind.
//
// Every pen, brush, font, bitmap, device context, icon and cursor the
// platform layer creates goes through a wrapper that counts it up on
// creation and down on destruction, so a test can prove that a run of
// drawing leaves nothing behind (Wine's own GDI object count is always 0).

#include <cstdint>

namespace platform {

// Windows and window classes are counted too: a top-level window of the
// toolkit owns one of each.
enum class HandleKind {
    Pen,
    Brush,
    Font,
    Bitmap,
    DeviceContext,
    Icon,
    Cursor,
    Region,
    ImagingObject,
    Window,
    WindowClass
};

inline constexpr int kHandleKindCount = 11;

// Number of handles of that kind alive right now.
int64_t liveHandleCount(HandleKind kind);

// Wrappers call these; nothing else should.
void countHandleCreated(HandleKind kind);
void countHandleDestroyed(HandleKind kind);

} // namespace platform
