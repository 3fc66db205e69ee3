#pragma once
// Native fonts and text measuring on a device context, shared by the
// measurer of Fonts.h and the device-context paint engine.

#include "platform/PaintTypes.h"
#include "platform/win32/GdiHandles.h"

#include <vector>

namespace platform::win32 {

// The native font of a description: height round(points x dpi / 72),
// weight 700 when bold, natural ClearType quality.
UniqueFont createFont(const FontDescription& font);

FontMetrics metricsOf(HDC dc);
// Widest line by one line height per line (lines split at LF, CR ignored).
Size textSizeOn(HDC dc, StringView text);
void textExtentsOn(HDC dc, StringView text, std::vector<int32_t>& extents);

} // namespace platform::win32
