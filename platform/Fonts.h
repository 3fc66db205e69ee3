#pragma once
// Installed fonts and text measuring outside painting.
//
// Measuring uses one shared screen-compatible device context with the most
// recently used font kept selected, so repeated measurements with the same
// font create nothing (on the headless build: fixed-width metrics derived
// from the point size, no glyphs).

#include "platform/PaintTypes.h"

#include <vector>

namespace platform {

// Vertical dots per inch of the screen (96 on the headless build).
int32_t screenDpiY();
// round(points x dpi / 72), halves away from zero: the native font height.
int32_t fontPixelHeight(float points);

// Whether a font family of that name is installed (compared without case).
bool isFontFamilyInstalled(StringView family);

FontMetrics measureFontMetrics(const FontDescription& font);
// Same rules as PaintEngine::textSize / textExtents.
Size measureText(const FontDescription& font, StringView text);
void measureTextExtents(const FontDescription& font, StringView text, std::vector<int32_t>& extents);

} // namespace platform
