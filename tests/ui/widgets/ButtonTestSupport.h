#pragma once
// What the button, check box and label tests share: skins whose frames are
// each one solid colour, so a pixel tells which frame was drawn, and the
// area a colour covers in a painted widget.

#include "tests/ui/core/WidgetTestSupport.h"
#include "ui/core/UIImage.h"
#include "ui/core/UISkin.h"

#include <algorithm>
#include <vector>

namespace buttontest {

constexpr int32_t kFrameSide = 4;

// Frame i is filled with colors[i]; the frames are not sliced, so each is
// stretched over whatever it is drawn into.
inline UISkin solidFrames(const std::vector<uint32_t>& colors)
{
    const auto count = static_cast<int32_t>(colors.size());
    UIImage strip(kFrameSide * count, kFrameSide, false);
    for (int32_t i = 0; i < count; ++i)
        strip.fillRect({i * kFrameSide, 0, kFrameSide, kFrameSide}, colors[static_cast<size_t>(i)]);
    return UISkin::create(strip, {SkinOrientation::Horizontal, count, kFrameSide, kFrameSide, {}, {}});
}

// Distinct opaque colours for frame strips.
inline std::vector<uint32_t> frameColors(int32_t count)
{
    std::vector<uint32_t> colors;
    for (int32_t i = 0; i < count; ++i)
        colors.push_back(0xFF000000u | static_cast<uint32_t>(0x101010 * (i + 1)));
    return colors;
}

// The smallest rectangle of the widget's painting in the colour (alpha
// ignored); empty when the colour does not show.
inline Rect areaOf(UIWidget& widget, uint32_t color)
{
    const UIImage& image = widget.paintBuffer();
    Rect area;
    for (int32_t y = 0; y < widget.height(); ++y)
        for (int32_t x = 0; x < widget.width(); ++x)
            if (((image.pixel(x, y) ^ color) & 0xFFFFFFu) == 0)
                area = area.united({x, y, 1, 1});
    return area;
}

// The smallest rectangle of pixels in which the channel (16 red, 8 green,
// 0 blue) clearly outweighs the other two: text is smoothed into its
// background, so its colour seldom shows pure.
inline Rect inkOf(UIWidget& widget, int channelShift)
{
    const UIImage& image = widget.paintBuffer();
    Rect area;
    for (int32_t y = 0; y < widget.height(); ++y)
        for (int32_t x = 0; x < widget.width(); ++x) {
            const uint32_t p = image.pixel(x, y);
            const int32_t main = static_cast<int32_t>((p >> channelShift) & 0xFF);
            int32_t others = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                if (shift != channelShift)
                    others = std::max(others, static_cast<int32_t>((p >> shift) & 0xFF));
            if (main > others + 64)
                area = area.united({x, y, 1, 1});
        }
    return area;
}

inline uint32_t rgbAt(UIWidget& widget, Point p) { return widget.paintBuffer().pixel(p.x, p.y) & 0xFFFFFFu; }

} // namespace buttontest
