#pragma once
// The headless build's fixed-width text metrics: a character is half the
// font's pixel height wide, a line is the pixel height high (ascent four
// fifths of it). Shared by the measurer and the software paint engine.

#include "platform/PaintTypes.h"

#include <vector>

namespace platform::headless {

FontMetrics fixedMetrics(const FontDescription& font);
Size fixedTextSize(const FontDescription& font, StringView text);
void fixedTextExtents(const FontDescription& font, StringView text, std::vector<int32_t>& extents);

} // namespace platform::headless
