// The headless build's paint engine: plain software drawing into the target
// rows, enough for portable tests of painting code. Pens are one pixel wide
// and always solid, smooth scaling is nearest-neighbour, and text is laid
// out with the fixed-width metrics but draws no glyphs. Like device-context
// drawing, fills, lines and inverted pixels leave 32-bit targets with alpha
// 0; images copy or blend their alpha.
#include "platform/PaintEngine.h"
#include "platform/headless/HeadlessText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

bool visible(uint32_t color) { return (color >> 24) != 0; }

class SoftwarePaintEngine final : public PaintEngine {
public:
    bool begin(const PaintTarget& target) override
    {
        if (m_active || !target.rows.bits || target.rows.width <= 0 || target.rows.height <= 0)
            return false;
        m_rows = target.rows;
        m_active = true;
        m_state = {};
        m_windowOrigin = m_viewportOrigin = {};
        m_windowExtent = m_viewportExtent = {1, 1};
        return true;
    }
    void end() override { m_active = false; }
    bool isActive() const override { return m_active; }

    void invertRect(const Rect& rect) override
    {
        const Rect r = clipped(device(rect));
        for (int32_t y = r.y; y < r.bottom(); ++y)
            for (int32_t x = r.x; x < r.right(); ++x) {
                uint8_t* p = at(x, y);
                p[0] = static_cast<uint8_t>(~p[0]);
                p[1] = static_cast<uint8_t>(~p[1]);
                p[2] = static_cast<uint8_t>(~p[2]);
                if (m_rows.bitsPerPixel == 32)
                    p[3] = 0;
            }
    }

    void drawRects(const Rect* rects, int32_t count) override
    {
        for (int32_t i = 0; i < count; ++i) {
            const Rect& r = rects[i];
            const Point a{r.x, r.y}, b{r.right(), r.y}, c{r.right(), r.bottom()}, d{r.x, r.bottom()};
            const Line edges[4] = {{a, b}, {b, c}, {c, d}, {d, a}};
            drawLines(edges, 4);
        }
    }

    void fillRects(const Rect* rects, int32_t count) override
    {
        if (!visible(m_state.brushColor))
            return;
        for (int32_t i = 0; i < count; ++i) {
            const Rect r = clipped(device(rects[i]));
            for (int32_t y = r.y; y < r.bottom(); ++y)
                for (int32_t x = r.x; x < r.right(); ++x)
                    put(x, y, m_state.brushColor);
        }
    }

    void drawLines(const Line* lines, int32_t count) override
    {
        if (!visible(m_state.pen.color))
            return;
        for (int32_t i = 0; i < count; ++i) {
            Point p = devicePoint(lines[i].from);
            const Point q = devicePoint(lines[i].to);
            const int32_t dx = std::abs(q.x - p.x), dy = -std::abs(q.y - p.y);
            const int32_t sx = p.x < q.x ? 1 : -1, sy = p.y < q.y ? 1 : -1;
            int32_t error = dx + dy;
            for (;;) {
                putClipped(p.x, p.y, m_state.pen.color);
                if (p == q)
                    break;
                const int32_t e2 = 2 * error;
                if (e2 >= dy) {
                    error += dy;
                    p.x += sx;
                }
                if (e2 <= dx) {
                    error += dx;
                    p.y += sy;
                }
            }
        }
    }

    void drawEllipse(const Rect& bounds) override
    {
        // A 64-sided polygon is close enough for tests. Its outline runs
        // through the centres of the rectangle's outermost pixels, so the
        // ellipse covers the rectangle's pixels and no more.
        std::vector<Point> points;
        const double rx = (bounds.width - 1) / 2.0, ry = (bounds.height - 1) / 2.0;
        const double cx = bounds.x + rx, cy = bounds.y + ry;
        for (int i = 0; i < 64; ++i) {
            const double angle = i * 3.14159265358979323846 / 32.0;
            points.push_back({static_cast<int32_t>(std::lround(cx + std::cos(angle) * rx)),
                              static_cast<int32_t>(std::lround(cy + std::sin(angle) * ry))});
        }
        drawPolygon(points.data(), static_cast<int32_t>(points.size()), FillRule::Alternate);
    }

    Point windowOrigin() const override { return m_windowOrigin; }
    void setWindowOrigin(Point origin) override { m_windowOrigin = origin; }
    Size windowExtent() const override { return m_windowExtent; }
    void setWindowExtent(Size extent) override { m_windowExtent = extent; }
    Point viewportOrigin() const override { return m_viewportOrigin; }
    void setViewportOrigin(Point origin) override { m_viewportOrigin = origin; }
    Size viewportExtent() const override { return m_viewportExtent; }
    void setViewportExtent(Size extent) override { m_viewportExtent = extent; }

    void updateState(const PaintState& state) override { m_state = state; }

    void drawPolygon(const Point* points, int32_t count, FillRule rule) override
    {
        if (count < 2)
            return;
        std::vector<Point> device(points, points + count);
        for (Point& p : device)
            p = devicePoint(p);
        if (visible(m_state.brushColor) && count >= 3) {
            // Scan lines through pixel centres; crossings carry the edge's
            // direction for the winding rule.
            int32_t top = device[0].y, bottom = device[0].y;
            for (const Point& p : device) {
                top = std::min(top, p.y);
                bottom = std::max(bottom, p.y);
            }
            std::vector<std::pair<double, int>> crossings;
            for (int32_t y = top; y < bottom; ++y) {
                const double sy = y + 0.5;
                crossings.clear();
                for (int32_t i = 0; i < count; ++i) {
                    const Point a = device[static_cast<size_t>(i)];
                    const Point b = device[static_cast<size_t>((i + 1) % count)];
                    if ((a.y <= sy) == (b.y <= sy))
                        continue;
                    const double x = a.x + (sy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
                    crossings.push_back({x, b.y > a.y ? 1 : -1});
                }
                std::sort(crossings.begin(), crossings.end());
                int winding = 0;
                for (size_t k = 0; k + 1 < crossings.size(); ++k) {
                    winding += crossings[k].second;
                    const bool inside = rule == FillRule::Winding ? winding != 0 : (k % 2) == 0;
                    if (!inside)
                        continue;
                    const auto from = static_cast<int32_t>(std::ceil(crossings[k].first - 0.5));
                    const auto to = static_cast<int32_t>(std::ceil(crossings[k + 1].first - 0.5));
                    for (int32_t x = from; x < to; ++x)
                        putClipped(x, y, m_state.brushColor);
                }
            }
        }
        // The outline, already in device coordinates.
        const PaintTransform saved = m_state.transform;
        const Point savedWindow = m_windowOrigin, savedViewport = m_viewportOrigin;
        m_state.transform = {};
        m_windowOrigin = m_viewportOrigin = {};
        for (int32_t i = 0; i < count; ++i) {
            const Line edge{device[static_cast<size_t>(i)], device[static_cast<size_t>((i + 1) % count)]};
            drawLines(&edge, 1);
        }
        m_state.transform = saved;
        m_windowOrigin = savedWindow;
        m_viewportOrigin = savedViewport;
    }

    void drawImage(const Rect& target, const ImageSource& image, const Rect& source, ImageScaling) override
    {
        const Rect dst = device(target);
        if (dst.isEmpty() || source.isEmpty())
            return;
        const Rect visibleArea = clipped(dst);
        for (int32_t y = visibleArea.y; y < visibleArea.bottom(); ++y) {
            const int32_t sy =
                source.y + static_cast<int32_t>(static_cast<int64_t>(y - dst.y) * source.height / dst.height);
            for (int32_t x = visibleArea.x; x < visibleArea.right(); ++x) {
                const int32_t sx =
                    source.x + static_cast<int32_t>(static_cast<int64_t>(x - dst.x) * source.width / dst.width);
                blend(x, y, image, sx, sy);
            }
        }
    }

    void drawTiledImage(const Rect& target, const ImageSource& image) override
    {
        const Rect dst = device(target);
        const Rect visibleArea = clipped(dst);
        for (int32_t y = visibleArea.y; y < visibleArea.bottom(); ++y)
            for (int32_t x = visibleArea.x; x < visibleArea.right(); ++x)
                blend(x, y, image, (x - dst.x) % image.rows.width, (y - dst.y) % image.rows.height);
    }

    void drawText(const Rect&, StringView, uint32_t) override {}

    FontMetrics fontMetrics() const override { return headless::fixedMetrics(m_state.font); }
    Size textSize(StringView text) const override { return headless::fixedTextSize(m_state.font, text); }
    void textExtents(StringView text, std::vector<int32_t>& extents) const override
    {
        headless::fixedTextExtents(m_state.font, text, extents);
    }

private:
    Point devicePoint(Point p) const
    {
        const PaintTransform& t = m_state.transform;
        return {static_cast<int32_t>(std::lround(p.x * t.scaleX + t.dx)) + m_viewportOrigin.x - m_windowOrigin.x,
                static_cast<int32_t>(std::lround(p.y * t.scaleY + t.dy)) + m_viewportOrigin.y - m_windowOrigin.y};
    }
    Rect device(const Rect& r) const
    {
        const Point a = devicePoint(r.topLeft());
        const Point b = devicePoint({r.right(), r.bottom()});
        return Rect::fromEdges(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    }
    Rect clipped(const Rect& r) const
    {
        Rect area{0, 0, m_rows.width, m_rows.height};
        if (!m_state.clip.isEmpty())
            area = area.intersected(m_state.clip); // target pixels, not transformed
        return r.intersected(area);
    }
    uint8_t* at(int32_t x, int32_t y) const
    {
        return m_rows.bits + static_cast<ptrdiff_t>(y) * m_rows.stride
            + static_cast<ptrdiff_t>(x) * (m_rows.bitsPerPixel / 8);
    }
    void put(int32_t x, int32_t y, uint32_t color) const
    {
        uint8_t* p = at(x, y);
        p[0] = static_cast<uint8_t>(color);
        p[1] = static_cast<uint8_t>(color >> 8);
        p[2] = static_cast<uint8_t>(color >> 16);
        if (m_rows.bitsPerPixel == 32)
            p[3] = 0;
    }
    void putClipped(int32_t x, int32_t y, uint32_t color) const
    {
        if (clipped({x, y, 1, 1}).isEmpty())
            return;
        put(x, y, color);
    }
    // One source pixel onto one target pixel: copied without alpha,
    // blended source-over with it.
    void blend(int32_t x, int32_t y, const ImageSource& image, int32_t sx, int32_t sy) const
    {
        const int32_t sbpp = image.rows.bitsPerPixel / 8;
        const uint8_t* s =
            image.rows.bits + static_cast<ptrdiff_t>(sy) * image.rows.stride + static_cast<ptrdiff_t>(sx) * sbpp;
        uint8_t* d = at(x, y);
        const bool targetAlpha = m_rows.bitsPerPixel == 32;
        if (!image.hasAlpha || sbpp != 4) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            if (targetAlpha)
                d[3] = 0xFF;
            return;
        }
        const uint32_t a = s[3];
        for (int c = 0; c < 3; ++c) {
            const uint32_t src = image.premultiplied ? s[c] : (s[c] * a + 127) / 255;
            d[c] = static_cast<uint8_t>(std::min<uint32_t>(255, src + (d[c] * (255 - a) + 127) / 255));
        }
        if (targetAlpha)
            d[3] = static_cast<uint8_t>(std::min<uint32_t>(255, a + (d[3] * (255 - a) + 127) / 255));
    }

    PixelRows m_rows;
    bool m_active = false;
    PaintState m_state;
    Point m_windowOrigin, m_viewportOrigin;
    Size m_windowExtent{1, 1}, m_viewportExtent{1, 1};
};

} // namespace

std::unique_ptr<PaintEngine> createPaintEngine() { return std::make_unique<SoftwarePaintEngine>(); }

} // namespace platform
