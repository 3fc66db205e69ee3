#pragma once
// The drawing back end of the canvas: one engine paints on one target image
// between `begin` and `end`. On Windows it is a device-context engine (GDI,
// with GDI+ for images); the headless build has a small software engine
// with fixed-width text metrics and no glyphs, enough for portable tests.
//
// Coordinates are pixels of the target; rectangles are origin and size.
// The engine draws with the state last passed to `updateState`: the pen
// outlines shapes and draws lines and text (its colour is the text colour),
// the brush fills shapes.

#include "platform/PaintTypes.h"

#include <memory>
#include <vector>

namespace platform {

class PaintEngine {
public:
    virtual ~PaintEngine() = default;

    // Binds the engine to the target's pixels. Fails when already active,
    // or when the target cannot be drawn into.
    virtual bool begin(const PaintTarget& target) = 0;
    // Releases everything `begin` and the state updates created and makes
    // sure all drawing has reached the pixels.
    virtual void end() = 0;
    virtual bool isActive() const = 0;

    // Inverts the colours of the pixels in the rectangle.
    virtual void invertRect(const Rect& rect) = 0;
    // Rectangle outlines with the pen, covering x..x+width and y..y+height
    // inclusive (a rectangle of width w-1 outlines a w-pixel-wide area).
    virtual void drawRects(const Rect* rects, int32_t count) = 0;
    // Solid interiors with the brush, no outline.
    virtual void fillRects(const Rect* rects, int32_t count) = 0;
    // Lines with the pen, both end points included.
    virtual void drawLines(const Line* lines, int32_t count) = 0;
    // The ellipse inside the rectangle, filled with the brush and outlined
    // with the pen.
    virtual void drawEllipse(const Rect& bounds) = 0;

    // Logical-to-device mapping offsets of the target (the engine uses a
    // one-to-one mapping mode, so extents are kept but do not scale).
    virtual Point windowOrigin() const = 0;
    virtual void setWindowOrigin(Point origin) = 0;
    virtual Size windowExtent() const = 0;
    virtual void setWindowExtent(Size extent) = 0;
    virtual Point viewportOrigin() const = 0;
    virtual void setViewportOrigin(Point origin) = 0;
    virtual Size viewportExtent() const = 0;
    virtual void setViewportExtent(Size extent) = 0;

    // Applies the parts of `state` named by its pending bits. A native
    // object that cannot be created leaves the previous one in use.
    virtual void updateState(const PaintState& state) = 0;

    // The polygon filled with the brush by the fill rule and outlined with
    // the pen (closed).
    virtual void drawPolygon(const Point* points, int32_t count, FillRule rule) = 0;
    // Draws `source` of the image scaled into `target`. Images without
    // alpha replace the pixels; images with alpha are blended over them.
    virtual void drawImage(const Rect& target, const ImageSource& image, const Rect& source, ImageScaling scaling) = 0;
    // Repeats the image across the rectangle, starting at its top-left.
    virtual void drawTiledImage(const Rect& target, const ImageSource& image) = 0;
    // Draws text (line breaks allowed) in the pen colour on a transparent
    // background, placed in the rectangle by the alignment flags (1 left,
    // 2 right, 4 top, 8 bottom, 0x10 vertically centred, 0x20 horizontally
    // centred), clipped to the rectangle. Lines are separated by LF (a CR
    // before it is ignored).
    virtual void drawText(const Rect& rect, StringView text, uint32_t alignment) = 0;

    // Measuring with the current font.
    virtual FontMetrics fontMetrics() const = 0;
    // Width and height of the text (line breaks allowed); an empty text is
    // one line high and 0 wide.
    virtual Size textSize(StringView text) const = 0;
    // extents[i] = width of the first i+1 code units of a one-line text.
    virtual void textExtents(StringView text, std::vector<int32_t>& extents) const = 0;
};

std::unique_ptr<PaintEngine> createPaintEngine();

} // namespace platform
