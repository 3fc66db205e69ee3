#pragma once
// UICanvas: the painter widgets use to draw on a UIImage.
//
// A canvas is made over a target image for one painting and ends with its
// destruction; it keeps a pointer to the target, which must outlive it. At
// the start the target is detached (given a private pixel block), so the
// drawing never shows in other copies of the image; do not copy the target
// while the canvas draws on it. A canvas over an empty image is inactive
// and all its drawing calls do nothing.
//
// State: pen (colour, width, style), brush (solid or gradient), font, clip
// rectangle and transform. Setting a value equal to the current one does
// nothing; a change is applied to the engine at once. Colours are
// 0xAARRGGBB; drawing uses red, green and blue, and alpha 0 means nothing
// is drawn: a pen of alpha 0 draws no lines, outlines or text, a brush of
// alpha 0 (every stop, for a gradient) fills nothing. Text is drawn in the
// pen colour.

#include "platform/PaintEngine.h"
#include "ui/core/Alignment.h"
#include "ui/core/UIBrush.h"
#include "ui/core/UIFont.h"
#include "ui/core/UIImage.h"

#include <memory>
#include <vector>

using platform::FillRule;
using platform::ImageScaling;
using platform::PenStyle;

// How drawText shortens a line that is wider than its rectangle. The
// numbers are stored in style data.
enum class ElideMode : int32_t {
    None = 0,     // keep the whole text
    Truncate = 1, // the longest prefix that fits
    End = 2,      // the longest prefix that fits with "..." appended
    Middle = 3,   // start and end, each in half the room, "..." between
};

class UICanvas {
public:
    explicit UICanvas(UIImage& target);
    ~UICanvas();
    UICanvas(const UICanvas&) = delete;
    UICanvas& operator=(const UICanvas&) = delete;

    bool isActive() const;
    UIImage& target() const { return *m_target; }

    void setPen(uint32_t color, float width = 1.0f, PenStyle style = PenStyle::Solid);
    void setBrush(uint32_t color);
    void setBrush(const UIBrush& brush);
    // An invalid (unset) font selects the default font.
    void setFont(const UIFont& font);
    // Clipping to a rectangle of target pixels (the transform does not apply
    // to it); an empty rectangle removes clipping.
    void setClipRect(const Rect& rect);
    // Coordinates drawn are scaled, then offset.
    void setTransform(float scaleX, float scaleY, float dx, float dy);
    void resetTransform() { setTransform(1.0f, 1.0f, 0.0f, 0.0f); }

    // The part of the drawing coordinates that can reach the target: the
    // target (within the clip) mapped back through the transform and the
    // mapping origins, widened to whole pixels. Empty when inactive or when
    // the transform collapses an axis.
    Rect visibleArea() const;

    const platform::PenDescription& pen() const { return m_state.pen; }
    const UIBrush& brush() const { return m_brush; }
    const UIFont& font() const { return m_font; }
    const Rect& clipRect() const { return m_state.clip; }

    // Fills with the brush (which becomes the canvas's brush): gradients as
    // one line per pixel row (vertical) or column (horizontal), only over
    // the visible area, so the work follows the target's size, not the
    // rectangle's.
    void fillRect(const Rect& rect, const UIBrush& brush);
    void fillRect(const Rect& rect, uint32_t color) { fillRect(rect, UIBrush::solid(color)); }
    // Outline with the pen over x..x+width, y..y+height inclusive.
    void drawRect(const Rect& rect);
    // Both end points are drawn.
    void drawLine(Point from, Point to);
    void drawLines(const std::vector<platform::Line>& lines);
    // Filled with the brush (solid colour; a gradient brush fills with its
    // first visible stop) and outlined with the pen.
    void drawEllipse(const Rect& bounds);
    void drawPolygon(const std::vector<Point>& points, FillRule rule = FillRule::Alternate);
    void invertRect(const Rect& rect);

    // Draws `source` of the image into `target`, scaled (nearest neighbour
    // unless smooth); images without alpha replace the pixels, images with
    // alpha are blended over them. An empty source rectangle means the
    // whole image.
    void drawImage(const Rect& target, const UIImage& image, const Rect& source = {},
                   ImageScaling scaling = ImageScaling::Nearest);
    void drawImage(Point topLeft, const UIImage& image)
    {
        drawImage({topLeft.x, topLeft.y, image.width(), image.height()}, image);
    }
    void drawTiledImage(const Rect& rect, const UIImage& image);

    // Draws the text in the rectangle by the alignment flags, each line
    // shortened by the elide mode when wider than the rectangle. Returns
    // whether the drawn text differs from `text` (true for an empty
    // rectangle, false for an empty text). `boundingBox` receives the drawn
    // text's box (empty when nothing was drawn).
    bool drawText(const Rect& rect, StringView text, uint32_t alignment = Alignment::Left | Alignment::Top,
                  ElideMode elide = ElideMode::None, Rect* boundingBox = nullptr);
    // The text as drawText would lay it out in `width` pixels.
    String elidedText(StringView text, int32_t width, ElideMode elide) const;

    Size textSize(StringView text) const;
    int32_t charWidth(char16_t c) const;
    int32_t ascent() const { return m_metrics.ascent; }
    int32_t descent() const { return m_metrics.descent; }
    int32_t lineHeight() const { return m_metrics.lineHeight(); }
    int32_t averageCharWidth() const { return m_metrics.averageCharWidth; }

    // Logical-to-device mapping origins and extents of the engine.
    Point windowOrigin() const;
    void setWindowOrigin(Point origin);
    Point viewportOrigin() const;
    void setViewportOrigin(Point origin);
    Size windowExtent() const;
    void setWindowExtent(Size extent);
    Size viewportExtent() const;
    void setViewportExtent(Size extent);

private:
    void apply(uint32_t changes);
    platform::ImageSource sourceOf(const UIImage& image) const;
    String elideLine(StringView line, int32_t width, ElideMode elide) const;

    UIImage* m_target;
    std::unique_ptr<platform::PaintEngine> m_engine;
    platform::PaintState m_state;
    UIBrush m_brush;
    UIFont m_font;
    platform::FontMetrics m_metrics;
};
