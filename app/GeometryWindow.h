#pragma once
// What the settings store needs of a top-level window to save and restore
// its position and size. Real windows implement it; the store only borrows
// the window for the duration of one call.

#include "platform/Geometry.h"

class GeometryWindow {
public:
    virtual ~GeometryWindow() = default;

    // The window's frame rectangle in screen coordinates.
    virtual Rect outerRect() const = 0;
    // The smallest outer size the window accepts.
    virtual Size minimumSize() const = 0;
    // Changes the outer size, keeping the top-left corner.
    virtual void resize(Size size) = 0;
    // Moves the top-left corner, keeping the size.
    virtual void move(Point topLeft) = 0;
};
