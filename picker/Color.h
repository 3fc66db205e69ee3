#pragma once
// A colour as four bytes in the order B, G, R, A: read as a little-endian
// 32-bit number it is 0xAARRGGBB, the layout of screen pixels and of the
// toolkit's own colours. All four bytes zero (transparent black) also
// means "nothing picked yet".

#include <cstdint>

struct Color {
    uint8_t b = 0;
    uint8_t g = 0;
    uint8_t r = 0;
    uint8_t a = 0;

    static constexpr Color fromRgb(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255)
    {
        return Color{blue, green, red, alpha};
    }
    static constexpr Color fromValue(uint32_t argb)
    {
        return Color{uint8_t(argb), uint8_t(argb >> 8), uint8_t(argb >> 16), uint8_t(argb >> 24)};
    }
    // 0xAARRGGBB.
    constexpr uint32_t value() const
    {
        return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    }
    constexpr bool isNull() const { return value() == 0; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

static_assert(sizeof(Color) == 4, "Color must match the 32-bit pixel layout");
