// UICanvas: state bookkeeping, gradient fills, text layout and elision on
// top of the platform's paint engine.
#include "ui/core/UICanvas.h"

#include "platform/Fonts.h"
#include "ui/core/ImageOpacity.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr StringView kEllipsis = u"...";

bool visible(uint32_t color) { return (color >> 24) != 0; }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The colour the engine's solid brush takes for a brush: gradients fill
// shapes other than rectangles with their first visible stop.
uint32_t solidColorOf(const UIBrush& brush)
{
    if (!brush.isGradient() || brush.stops.empty())
        return brush.color;
    for (uint32_t stop : brush.stops)
        if (visible(stop))
            return stop;
    return brush.stops.front();
}

} // namespace

UICanvas::UICanvas(UIImage& target) : m_target(&target), m_engine(platform::createPaintEngine())
{
    m_font = UIFont::defaultFont();
    m_state.font = m_font.description();
    m_brush = UIBrush::solid(m_state.brushColor);
    m_metrics = platform::measureFontMetrics(m_state.font);
    if (target.isEmpty() || !target.detach())
        return;
    const platform::PaintTarget paintTarget{
        {target.bits(), target.width(), target.height(), target.stride(), target.bitsPerPixel()},
        target.nativeBitmap()};
    if (!m_engine->begin(paintTarget))
        return;
    apply(platform::PaintChange::Pen | platform::PaintChange::Brush | platform::PaintChange::Font);
}

UICanvas::~UICanvas()
{
    if (m_engine->isActive())
        m_engine->end();
}

bool UICanvas::isActive() const { return m_engine->isActive(); }

void UICanvas::apply(uint32_t changes)
{
    if (!isActive())
        return;
    m_state.pending = changes;
    m_engine->updateState(m_state);
    m_state.pending = 0;
    if (changes & platform::PaintChange::Font)
        m_metrics = m_engine->fontMetrics();
}

void UICanvas::setPen(uint32_t color, float width, PenStyle style)
{
    const platform::PenDescription pen{color, width, style};
    if (pen == m_state.pen)
        return;
    m_state.pen = pen;
    apply(platform::PaintChange::Pen);
}

void UICanvas::setBrush(uint32_t color) { setBrush(UIBrush::solid(color)); }

void UICanvas::setBrush(const UIBrush& brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    const uint32_t color = solidColorOf(brush);
    if (color == m_state.brushColor)
        return;
    m_state.brushColor = color;
    apply(platform::PaintChange::Brush);
}

void UICanvas::setFont(const UIFont& font)
{
    const UIFont chosen = font.isValid() ? font : UIFont::defaultFont();
    if (chosen == m_font)
        return;
    m_font = chosen;
    m_state.font = chosen.description();
    if (isActive())
        apply(platform::PaintChange::Font);
    else
        m_metrics = platform::measureFontMetrics(m_state.font);
}

void UICanvas::setClipRect(const Rect& rect)
{
    const Rect clip = rect.isEmpty() ? Rect{} : rect;
    if (clip == m_state.clip)
        return;
    m_state.clip = clip;
    apply(platform::PaintChange::Clip);
}

void UICanvas::setTransform(float scaleX, float scaleY, float dx, float dy)
{
    const platform::PaintTransform transform{scaleX, scaleY, dx, dy};
    if (transform == m_state.transform)
        return;
    m_state.transform = transform;
    apply(platform::PaintChange::Transform | platform::PaintChange::WorldTransform);
}

// ---------------------------------------------------------------------------
// Shapes

void UICanvas::fillRect(const Rect& rect, const UIBrush& brush)
{
    setBrush(brush);
    if (!isActive() || rect.isEmpty() || !brush.isVisible())
        return;
    if (!brush.isGradient() || brush.stops.size() < 2) {
        m_engine->fillRects(&rect, 1);
        return;
    }
    // One line per visible pixel row (vertical) or column (horizontal),
    // each drawn with the pen set to its colour; the caller's pen comes back
    // after. The colours still step over the whole rectangle.
    const Rect area = rect.intersected(visibleArea());
    if (area.isEmpty())
        return;
    const bool vertical = brush.orientation == GradientOrientation::Vertical;
    const std::vector<uint32_t> colors = vertical ? brush.gradientColors(rect.height, area.y - rect.y, area.height)
                                                  : brush.gradientColors(rect.width, area.x - rect.x, area.width);
    const platform::PenDescription saved = m_state.pen;
    for (size_t i = 0; i < colors.size(); ++i) {
        setPen(colors[i], 1.0f, PenStyle::Solid);
        const auto offset = static_cast<int32_t>(i);
        const platform::Line line = vertical
            ? platform::Line{{area.x, area.y + offset}, {area.right() - 1, area.y + offset}}
            : platform::Line{{area.x + offset, area.y}, {area.x + offset, area.bottom() - 1}};
        m_engine->drawLines(&line, 1);
    }
    setPen(saved.color, saved.width, saved.style);
}

Rect UICanvas::visibleArea() const
{
    if (!isActive())
        return {};
    Rect device = m_target->rect();
    if (!m_state.clip.isEmpty())
        device = device.intersected(m_state.clip);
    if (device.isEmpty())
        return {};
    // Device = logical x scale + offset + (viewport origin - window origin);
    // solved for the logical edges, one pixel wider for rounding.
    const Point viewport = m_engine->viewportOrigin(), window = m_engine->windowOrigin();
    const platform::PaintTransform& t = m_state.transform;
    const auto axis = [](double from, double to, double scale, double offset) -> std::pair<int64_t, int64_t> {
        if (scale == 0.0 || !std::isfinite(scale) || !std::isfinite(offset))
            return {0, 0};
        double a = (from - offset) / scale, b = (to - offset) / scale;
        if (a > b)
            std::swap(a, b);
        // Within half the coordinate range, so that x + width never overflows.
        const auto clamp = [](double v) {
            constexpr double kLimit = (1 << 30) - 1;
            return static_cast<int64_t>(std::clamp(v, -kLimit, kLimit));
        };
        return {clamp(std::floor(a) - 1), clamp(std::ceil(b) + 1)};
    };
    const auto [left, right] = axis(device.x, device.right(), t.scaleX, t.dx + viewport.x - window.x);
    const auto [top, bottom] = axis(device.y, device.bottom(), t.scaleY, t.dy + viewport.y - window.y);
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
            static_cast<int32_t>(bottom - top)};
}

void UICanvas::drawRect(const Rect& rect)
{
    if (!isActive() || !visible(m_state.pen.color) || rect.width < 0 || rect.height < 0)
        return;
    m_engine->drawRects(&rect, 1);
}

void UICanvas::drawLine(Point from, Point to)
{
    if (!isActive() || !visible(m_state.pen.color))
        return;
    const platform::Line line{from, to};
    m_engine->drawLines(&line, 1);
}

void UICanvas::drawLines(const std::vector<platform::Line>& lines)
{
    if (!isActive() || !visible(m_state.pen.color) || lines.empty())
        return;
    m_engine->drawLines(lines.data(), static_cast<int32_t>(lines.size()));
}

void UICanvas::drawEllipse(const Rect& bounds)
{
    if (!isActive() || bounds.isEmpty() || (!visible(m_state.pen.color) && !visible(m_state.brushColor)))
        return;
    m_engine->drawEllipse(bounds);
}

void UICanvas::drawPolygon(const std::vector<Point>& points, FillRule rule)
{
    if (!isActive() || points.size() < 2 || (!visible(m_state.pen.color) && !visible(m_state.brushColor)))
        return;
    m_engine->drawPolygon(points.data(), static_cast<int32_t>(points.size()), rule);
}

void UICanvas::invertRect(const Rect& rect)
{
    if (isActive() && !rect.isEmpty())
        m_engine->invertRect(rect);
}

// ---------------------------------------------------------------------------
// Images

platform::ImageSource UICanvas::sourceOf(const UIImage& image) const
{
    // The engine only reads the source pixels.
    return {
        {const_cast<uint8_t*>(image.constBits()), image.width(), image.height(), image.stride(), image.bitsPerPixel()},
        image.hasAlpha(),
        image.premultiplied(),
        image.nativeBitmap()};
}

void UICanvas::drawImage(const Rect& target, const UIImage& image, const Rect& source, ImageScaling scaling)
{
    if (!isActive() || image.isEmpty() || target.isEmpty())
        return;
    const Rect requested = source.isEmpty() ? image.rect() : source;
    const Rect src = requested.intersected(image.rect());
    if (src.isEmpty())
        return;
    // A source reaching outside the image keeps its scale: the destination
    // shrinks by the same proportion.
    Rect dst = target;
    if (src != requested) {
        const auto map = [](int32_t v, int32_t from0, int32_t fromLen, int32_t to0, int32_t toLen) {
            return to0 + static_cast<int32_t>(static_cast<int64_t>(v - from0) * toLen / fromLen);
        };
        dst = Rect::fromEdges(map(src.left(), requested.x, requested.width, target.x, target.width),
                              map(src.top(), requested.y, requested.height, target.y, target.height),
                              map(src.right(), requested.x, requested.width, target.x, target.width),
                              map(src.bottom(), requested.y, requested.height, target.y, target.height));
        if (dst.isEmpty())
            return;
    }
    // Drawing an image onto itself would read pixels while writing them.
    if (image.isSharedWith(*m_target)) {
        const UIImage copy = image.copy(src);
        m_engine->drawImage(dst, sourceOf(copy), copy.rect(), scaling);
        return;
    }
    platform::ImageSource from = sourceOf(image);
    // Blending opaque pixels copies them: at their own size the engine may
    // then take its plain block copy rather than the system's blending.
    if (from.hasAlpha && dst.size() == src.size() && isOpaqueArea(image, src))
        from.hasAlpha = false;
    m_engine->drawImage(dst, from, src, scaling);
}

void UICanvas::drawTiledImage(const Rect& rect, const UIImage& image)
{
    if (!isActive() || image.isEmpty() || rect.isEmpty())
        return;
    if (image.isSharedWith(*m_target)) {
        const UIImage copy = image.copy();
        m_engine->drawTiledImage(rect, sourceOf(copy));
        return;
    }
    m_engine->drawTiledImage(rect, sourceOf(image));
}

// ---------------------------------------------------------------------------
// Text

Size UICanvas::textSize(StringView text) const
{
    return isActive() ? m_engine->textSize(text) : platform::measureText(m_state.font, text);
}

int32_t UICanvas::charWidth(char16_t c) const { return textSize(StringView(&c, 1)).width; }

String UICanvas::elideLine(StringView line, int32_t width, ElideMode elide) const
{
    if (elide == ElideMode::None || line.empty())
        return String(line);
    std::vector<int32_t> extents;
    if (isActive())
        m_engine->textExtents(line, extents);
    else
        platform::measureTextExtents(m_state.font, line, extents);
    if (extents.size() != line.size() || extents.back() <= width)
        return String(line);

    // Longest prefix of at most `room` pixels, never splitting a surrogate
    // pair.
    const auto prefixFitting = [&](int32_t room) {
        size_t n = 0;
        while (n < line.size() && extents[n] <= room)
            ++n;
        if (n > 0 && n < line.size() && isHighSurrogate(line[n - 1]) && isLowSurrogate(line[n]))
            --n;
        return n;
    };
    if (elide == ElideMode::Truncate)
        return String(line.substr(0, prefixFitting(width)));

    const int32_t ellipsisWidth = textSize(kEllipsis).width;
    if (elide == ElideMode::End)
        return String(line.substr(0, prefixFitting(width - ellipsisWidth))) + String(kEllipsis);

    // Middle: the start and the end each get half of the room left beside
    // the ellipsis.
    const int32_t half = std::max(0, width - ellipsisWidth) / 2;
    const size_t head = prefixFitting(half);
    const int32_t total = extents.back();
    size_t tail = 0;
    while (tail < line.size() - head) {
        const size_t start = line.size() - tail - 1;
        const int32_t tailWidth = total - (start > 0 ? extents[start - 1] : 0);
        if (tailWidth > half)
            break;
        ++tail;
    }
    // The tail must not start with the second half of a surrogate pair.
    if (tail > 0 && isLowSurrogate(line[line.size() - tail]))
        --tail;
    return String(line.substr(0, head)) + String(kEllipsis) + String(line.substr(line.size() - tail));
}

String UICanvas::elidedText(StringView text, int32_t width, ElideMode elide) const
{
    String result;
    bool first = true;
    for (StringView line : splitLines(text)) {
        if (!first)
            result += u'\n';
        first = false;
        result += elideLine(line, width, elide);
    }
    return result;
}

bool UICanvas::drawText(const Rect& rect, StringView text, uint32_t alignment, ElideMode elide, Rect* boundingBox)
{
    if (boundingBox)
        *boundingBox = {};
    if (text.empty())
        return false;
    if (rect.isEmpty())
        return true;
    const String laidOut = elidedText(text, rect.width, elide);
    // Line breaks count as the same text whether written CR LF or LF.
    const bool shortened = elidedText(text, rect.width, ElideMode::None) != laidOut;

    if (boundingBox) {
        const Size size = textSize(laidOut);
        Point at{rect.x, rect.y};
        if (alignment & Alignment::Right)
            at.x = rect.right() - size.width;
        else if (alignment & Alignment::HCenter)
            at.x = rect.x + (rect.width - size.width) / 2;
        if (alignment & Alignment::Bottom)
            at.y = rect.bottom() - size.height;
        else if (alignment & Alignment::VCenter)
            at.y = rect.y + (rect.height - size.height) / 2;
        *boundingBox = Rect{at.x, at.y, size.width, size.height}.intersected(rect);
    }
    if (isActive() && visible(m_state.pen.color))
        m_engine->drawText(rect, laidOut, alignment);
    return shortened;
}

// ---------------------------------------------------------------------------
// Mapping

Point UICanvas::windowOrigin() const { return isActive() ? m_engine->windowOrigin() : Point{}; }
void UICanvas::setWindowOrigin(Point origin)
{
    if (isActive())
        m_engine->setWindowOrigin(origin);
}
Point UICanvas::viewportOrigin() const { return isActive() ? m_engine->viewportOrigin() : Point{}; }
void UICanvas::setViewportOrigin(Point origin)
{
    if (isActive())
        m_engine->setViewportOrigin(origin);
}
Size UICanvas::windowExtent() const { return isActive() ? m_engine->windowExtent() : Size{1, 1}; }
void UICanvas::setWindowExtent(Size extent)
{
    if (isActive())
        m_engine->setWindowExtent(extent);
}
Size UICanvas::viewportExtent() const { return isActive() ? m_engine->viewportExtent() : Size{1, 1}; }
void UICanvas::setViewportExtent(Size extent)
{
    if (isActive())
        m_engine->setViewportExtent(extent);
}
