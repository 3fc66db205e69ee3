#pragma once
// Whether an image hides what lies below it. Blending pixels that are all
// opaque is a plain copy, and a picture wholly covered by such pixels need
// not paint its backdrop; the system's blending (GDI+) is slow enough that
// one pass over the alpha bytes is the cheaper way to find out.

#include "platform/Geometry.h"

class UIImage;

// True when every pixel of `area` (clipped to the image) is opaque: an image
// without alpha, or one whose alpha bytes there are all 255. False for an
// empty image or area.
bool isOpaqueArea(const UIImage& image, const Rect& area);
