#pragma once
// PictureLayer: one image of a UIPicture with how it is fitted into the
// picture. The picture owns its layers; pointers to them stay valid while
// the picture lives.

#include "platform/Geometry.h"
#include "ui/core/Alignment.h"
#include "ui/core/UIImage.h"

#include <cstdint>

// How an image is fitted into the widget. The numbers are stored values.
enum class FitMode : int32_t {
    // Natural size, placed by the alignment.
    Natural = 0,
    // Scaled over the whole widget.
    Stretch = 1,
    // An image larger than the widget is scaled down to fit, keeping its
    // aspect ratio; then placed by the alignment like Natural.
    ShrinkToFit = 2,
    // Repeated over the whole widget from its top-left corner.
    Tile = 3,
};

struct PictureLayer {
    static constexpr uint32_t kDefaultAlignment = Alignment::Left | Alignment::Top;

    UIImage image;
    FitMode fitMode = FitMode::Natural;
    uint32_t alignment = kDefaultAlignment;
    bool visible = true;
    // Where the last painting put the image (widget coordinates).
    Rect rect;
};
