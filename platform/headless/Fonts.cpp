// Fonts of the headless build: every family counts as installed and every
// character is as wide as half the font's pixel height, so text layout is
// predictable in tests.
#include "platform/Fonts.h"
#include "platform/headless/HeadlessText.h"

#include <algorithm>

namespace platform {

int32_t screenDpiY() { return 96; }

bool isFontFamilyInstalled(StringView family) { return !family.empty(); }

FontMetrics measureFontMetrics(const FontDescription& font) { return headless::fixedMetrics(font); }

Size measureText(const FontDescription& font, StringView text) { return headless::fixedTextSize(font, text); }

void measureTextExtents(const FontDescription& font, StringView text, std::vector<int32_t>& extents)
{
    headless::fixedTextExtents(font, text, extents);
}

namespace headless {

FontMetrics fixedMetrics(const FontDescription& font)
{
    const int32_t height = std::max(1, fontPixelHeight(font.size));
    const int32_t descent = height / 5;
    return {height - descent, descent, std::max(1, height / 2)};
}

Size fixedTextSize(const FontDescription& font, StringView text)
{
    const FontMetrics metrics = fixedMetrics(font);
    int32_t lines = 1, widest = 0, current = 0;
    for (char16_t c : text) {
        if (c == u'\n') {
            ++lines;
            current = 0;
        } else if (c != u'\r') {
            widest = std::max(widest, ++current);
        }
    }
    return {widest * metrics.averageCharWidth, lines * metrics.lineHeight()};
}

void fixedTextExtents(const FontDescription& font, StringView text, std::vector<int32_t>& extents)
{
    const int32_t width = fixedMetrics(font).averageCharWidth;
    extents.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        extents[i] = static_cast<int32_t>(i + 1) * width;
}

} // namespace headless

} // namespace platform
