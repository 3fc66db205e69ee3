#include "ui/core/UIBrush.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t alphaOf(uint32_t color) { return color >> 24; }

} // namespace

UIBrush UIBrush::solid(uint32_t color)
{
    UIBrush brush;
    brush.color = color;
    return brush;
}

UIBrush UIBrush::gradient(std::vector<uint32_t> stops, GradientOrientation orientation)
{
    std::vector<float> positions(stops.size(), 0.0f);
    // Accumulated in single precision like the style parser does, so equal
    // inputs give equal brushes.
    const float step = stops.size() > 1 ? 1.0f / static_cast<float>(stops.size() - 1) : 0.0f;
    float position = 0.0f;
    for (float& p : positions) {
        p = position;
        position += step;
    }
    return gradient(std::move(stops), std::move(positions), orientation);
}

UIBrush UIBrush::gradient(std::vector<uint32_t> stops, std::vector<float> positions, GradientOrientation orientation)
{
    UIBrush brush;
    brush.kind = BrushKind::LinearGradient;
    brush.orientation = orientation;
    if (!stops.empty())
        brush.color = stops.front();
    brush.stops = std::move(stops);
    brush.positions = std::move(positions);
    return brush;
}

bool UIBrush::isVisible() const
{
    if (kind != BrushKind::LinearGradient || stops.empty())
        return alphaOf(color) != 0;
    return std::any_of(stops.begin(), stops.end(), [](uint32_t c) { return alphaOf(c) != 0; });
}

std::vector<uint32_t> UIBrush::gradientColors(int32_t length, int32_t first, int32_t count) const
{
    std::vector<uint32_t> colors;
    const int64_t begin = std::max<int64_t>(first, 0);
    const int64_t end = std::min<int64_t>(static_cast<int64_t>(first) + std::max(count, 0), length);
    if (length <= 0 || begin >= end)
        return colors;
    colors.reserve(static_cast<size_t>(end - begin));
    if (kind != BrushKind::LinearGradient || stops.size() < 2) {
        const uint32_t only = (kind == BrushKind::LinearGradient && stops.size() == 1) ? stops[0] : color;
        colors.assign(static_cast<size_t>(end - begin), only | 0xFF000000u);
        return colors;
    }
    const size_t stopCount = stops.size();
    // Missing positions are taken as evenly spread.
    const auto positionAt = [&](size_t i) {
        return i < positions.size() ? static_cast<double>(positions[i]) : static_cast<double>(i) / (stopCount - 1);
    };
    int32_t remaining = length;
    int64_t segmentStart = 0;
    for (size_t i = 0; i + 1 < stopCount && remaining > 0 && segmentStart < end; ++i) {
        int32_t steps = remaining;
        if (i + 2 < stopCount) {
            const double span = (positionAt(i + 1) - positionAt(i)) * length;
            steps = std::clamp(static_cast<int32_t>(std::lround(span)), 0, remaining);
        }
        remaining -= steps;
        const uint32_t from = stops[i], to = stops[i + 1];
        // Only the steps of this segment that fall in the range.
        const int64_t lo = std::max<int64_t>(begin - segmentStart, 0);
        const int64_t hi = std::min<int64_t>(end - segmentStart, steps);
        for (int64_t k = lo; k < hi; ++k) {
            uint32_t c = 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8) {
                const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
                const double v = std::round(a - static_cast<double>(k) * (a - b) / steps);
                c |= static_cast<uint32_t>(std::clamp(v, 0.0, 255.0)) << shift;
            }
            colors.push_back(c);
        }
        segmentStart += steps;
    }
    return colors;
}
