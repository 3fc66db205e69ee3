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

std::vector<uint32_t> UIBrush::gradientColors(int32_t length) const
{
    std::vector<uint32_t> colors;
    if (length <= 0)
        return colors;
    colors.reserve(static_cast<size_t>(length));
    if (kind != BrushKind::LinearGradient || stops.size() < 2) {
        const uint32_t only = (kind == BrushKind::LinearGradient && stops.size() == 1) ? stops[0] : color;
        colors.assign(static_cast<size_t>(length), only | 0xFF000000u);
        return colors;
    }
    const size_t count = stops.size();
    // Missing positions are taken as evenly spread.
    const auto positionAt = [&](size_t i) {
        return i < positions.size() ? static_cast<double>(positions[i]) : static_cast<double>(i) / (count - 1);
    };
    int32_t remaining = length;
    for (size_t i = 0; i + 1 < count && remaining > 0; ++i) {
        int32_t steps = remaining;
        if (i + 2 < count) {
            const double span = (positionAt(i + 1) - positionAt(i)) * length;
            steps = std::clamp(static_cast<int32_t>(std::lround(span)), 0, remaining);
        }
        remaining -= steps;
        const uint32_t from = stops[i], to = stops[i + 1];
        for (int32_t k = 0; k < steps; ++k) {
            uint32_t c = 0xFF000000u;
            for (int shift = 0; shift <= 16; shift += 8) {
                const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
                const double v = std::round(a - k * (a - b) / steps);
                c |= static_cast<uint32_t>(std::clamp(v, 0.0, 255.0)) << shift;
            }
            colors.push_back(c);
        }
    }
    return colors;
}
