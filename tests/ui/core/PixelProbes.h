#pragma once
// Reading back what a drawing left in an image, for the canvas tests of
// both paint engines.

#include "platform/Geometry.h"
#include "ui/core/UIImage.h"

#include <cstdint>

// The colour of a pixel without its alpha.
inline uint32_t rgb(const UIImage& image, int32_t x, int32_t y) { return image.pixel(x, y) & 0xFFFFFFu; }

// The smallest rectangle holding every pixel that is not black.
inline Rect inkedArea(const UIImage& image)
{
    Rect area;
    for (int32_t y = 0; y < image.height(); ++y)
        for (int32_t x = 0; x < image.width(); ++x)
            if (rgb(image, x, y) != 0)
                area = area.united({x, y, 1, 1});
    return area;
}
