#pragma once
// UIBrush: how an area is filled: a solid colour or a linear gradient.
//
// The stored numbers (kind 1 solid, 2 linear gradient; orientation 1
// vertical, anything else horizontal) are those of the style data.

#include <cstdint>
#include <vector>

enum class BrushKind : int32_t { Solid = 1, LinearGradient = 2 };
enum class GradientOrientation : int32_t { Horizontal = 0, Vertical = 1 };

struct UIBrush {
    BrushKind kind = BrushKind::Solid;
    uint32_t color = 0xFF0000FFu; // 0xAARRGGBB; the solid colour
    GradientOrientation orientation = GradientOrientation::Vertical;
    std::vector<uint32_t> stops;  // gradient colours
    std::vector<float> positions; // one per stop, 0..1, ascending

    static UIBrush solid(uint32_t color);
    // A gradient with the stops spread evenly from 0 to 1.
    static UIBrush gradient(std::vector<uint32_t> stops,
                            GradientOrientation orientation = GradientOrientation::Vertical);
    static UIBrush gradient(std::vector<uint32_t> stops, std::vector<float> positions,
                            GradientOrientation orientation = GradientOrientation::Vertical);

    bool isGradient() const { return kind == BrushKind::LinearGradient; }
    // Whether filling with the brush draws anything: a solid colour (or a
    // gradient without stops) with alpha above 0, or a gradient with at
    // least one stop whose alpha is above 0.
    bool isVisible() const;

    // The colour of each of `length` pixel rows (vertical) or columns
    // (horizontal) of a gradient fill: for each pair of neighbouring stops
    // the segment is round((p[i+1] - p[i]) x length) long, the last segment
    // takes what remains, and step k of a segment of n steps gets
    // round(c[i] - k x (c[i] - c[i+1]) / n) per red, green, blue (alpha
    // 255). A gradient with fewer than two stops is its one colour (or the
    // brush colour) throughout.
    std::vector<uint32_t> gradientColors(int32_t length) const { return gradientColors(length, 0, length); }
    // Entries first..first+count-1 of the above (clipped to the length),
    // computed without the others: the work is proportional to `count`.
    std::vector<uint32_t> gradientColors(int32_t length, int32_t first, int32_t count) const;

    friend bool operator==(const UIBrush&, const UIBrush&) = default;
};
