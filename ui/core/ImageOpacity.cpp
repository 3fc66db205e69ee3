#include "ui/core/ImageOpacity.h"

#include "ui/core/UIImage.h"

bool isOpaqueArea(const UIImage& image, const Rect& area)
{
    const Rect inside = area.intersected(image.rect());
    if (image.isEmpty() || inside.isEmpty())
        return false;
    if (!image.hasAlpha() || image.bitsPerPixel() != 32)
        return true;
    for (int32_t y = inside.y; y < inside.bottom(); ++y) {
        const uint8_t* alpha = image.constScanLine(y) + static_cast<ptrdiff_t>(inside.x) * 4 + 3;
        // AND of the alpha bytes: 255 only if each of them is.
        uint8_t all = 0xFF;
        for (int32_t x = 0; x < inside.width; ++x)
            all &= alpha[static_cast<ptrdiff_t>(x) * 4];
        if (all != 0xFF)
            return false;
    }
    return true;
}
