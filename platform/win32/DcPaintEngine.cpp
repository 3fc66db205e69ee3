// The device-context paint engine: GDI drawing into the target image's DIB
// section through a memory device context, GDI+ for scaled and blended
// images.
//
// Object ownership: the engine creates at most one pen, one brush and one
// font at a time; the one in use is selected into the context and the
// previous one is deleted after the new one is selected. `end` restores the
// context's original objects, deletes the engine's, deselects the target
// bitmap and deletes the context.
#include "platform/PaintEngine.h"

#include "platform/win32/GdiHandles.h"
#include "platform/win32/GdiText.h"
#include "platform/win32/GdiplusObjects.h"
#include "platform/ImageCodec.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

COLORREF rgbOf(uint32_t color) { return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF); }

bool visible(uint32_t color) { return (color >> 24) != 0; }

// Whether Ellipse covers the right and bottom coordinates of its rectangle
// in the advanced graphics mode. Windows includes them there; other GDI
// implementations (Wine's) leave them out as in the compatible mode.
// Measured once, by drawing a 5-pixel ellipse on a small bitmap.
bool ellipseIncludesRightBottom()
{
    static const bool kIncludes = [] {
        constexpr int kSide = 8;
        const BITMAPINFO info = win32::topDownBitmapInfo(kSide, kSide, 32);
        void* bits = nullptr;
        const win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        if (!bitmap || !bits || !dc)
            return true;
        const win32::SelectionGuard selected(dc.get(), bitmap.get());
        SetGraphicsMode(dc.get(), GM_ADVANCED);
        const win32::SelectionGuard pen(dc.get(), GetStockObject(WHITE_PEN));
        const win32::SelectionGuard brush(dc.get(), GetStockObject(WHITE_BRUSH));
        Ellipse(dc.get(), 0, 0, 4, 4);
        GdiFlush();
        // The middle pixel of column 4 is on the outline only when the
        // right coordinate is included.
        return static_cast<const uint32_t*>(bits)[2 * kSide + 4] != 0;
    }();
    return kIncludes;
}

int penStyleOf(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash:
        return PS_DASH;
    case PenStyle::DashDot:
        return PS_DASHDOT;
    case PenStyle::DashDotDot:
        return PS_DASHDOTDOT;
    default:
        return PS_SOLID;
    }
}

class DcPaintEngine final : public PaintEngine {
public:
    ~DcPaintEngine() override
    {
        if (m_active)
            end();
    }

    bool begin(const PaintTarget& target) override
    {
        if (m_active || !target.nativeBitmap)
            return false;
        win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        if (!dc)
            return false;
        const HGDIOBJ previous = SelectObject(dc.get(), static_cast<HBITMAP>(target.nativeBitmap));
        if (!previous || previous == HGDI_ERROR)
            return false; // the bitmap is selected into another context
        m_previousBitmap = previous;
        m_dc = std::move(dc);
        m_target = target;
        m_saved = SaveDC(m_dc.get());
        SetMapMode(m_dc.get(), MM_TEXT);
        SetGraphicsMode(m_dc.get(), GM_ADVANCED);
        SetStretchBltMode(m_dc.get(), HALFTONE);
        SetBrushOrgEx(m_dc.get(), 0, 0, nullptr);
        SetBkMode(m_dc.get(), TRANSPARENT);
        SetBkColor(m_dc.get(), RGB(0, 0, 0));
        SelectObject(m_dc.get(), GetStockObject(NULL_PEN));
        SelectObject(m_dc.get(), GetStockObject(NULL_BRUSH));
        m_active = true;
        return true;
    }

    void end() override
    {
        if (!m_active)
            return;
        RestoreDC(m_dc.get(), m_saved);
        SelectObject(m_dc.get(), m_previousBitmap);
        m_pen.reset();
        m_brush.reset();
        m_font.reset();
        GdiFlush();
        m_dc.reset();
        m_active = false;
        m_fontMetrics = {};
    }

    bool isActive() const override { return m_active; }

    void invertRect(const Rect& rect) override
    {
        PatBlt(m_dc.get(), rect.x, rect.y, rect.width, rect.height, DSTINVERT);
    }

    void drawRects(const Rect* rects, int32_t count) override
    {
        if (!m_penVisible)
            return;
        const win32::SelectionGuard hollow(m_dc.get(), GetStockObject(NULL_BRUSH));
        for (int32_t i = 0; i < count; ++i) {
            const Rect& r = rects[i];
            if (r.width == 0 || r.height == 0) {
                // A degenerate rectangle is a line (GDI would draw nothing).
                const Line line{{r.x, r.y}, {r.right(), r.bottom()}};
                drawLines(&line, 1);
            } else {
                // The advanced graphics mode draws both corners inclusive.
                Rectangle(m_dc.get(), r.x, r.y, r.right(), r.bottom());
            }
        }
    }

    void fillRects(const Rect* rects, int32_t count) override
    {
        if (!m_brushVisible)
            return;
        for (int32_t i = 0; i < count; ++i)
            PatBlt(m_dc.get(), rects[i].x, rects[i].y, rects[i].width, rects[i].height, PATCOPY);
    }

    void drawLines(const Line* lines, int32_t count) override
    {
        if (!m_penVisible)
            return;
        for (int32_t i = 0; i < count; ++i) {
            const Point from = lines[i].from, to = lines[i].to;
            // GDI leaves out a line's last pixel. Horizontal, vertical and
            // 45-degree lines are lengthened by one pixel, which keeps their
            // slope and their pen pattern; any other line would change slope,
            // so its end point gets a one-step segment of its own instead.
            const int32_t dx = to.x - from.x, dy = to.y - from.y;
            const int32_t stepX = dx > 0 ? 1 : dx < 0 ? -1 : 0, stepY = dy > 0 ? 1 : dy < 0 ? -1 : 0;
            MoveToEx(m_dc.get(), from.x, from.y, nullptr);
            if (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) {
                LineTo(m_dc.get(), to.x + (stepX == 0 && stepY == 0 ? 1 : stepX), to.y + stepY);
            } else {
                LineTo(m_dc.get(), to.x, to.y);
                if (std::abs(dx) > std::abs(dy))
                    LineTo(m_dc.get(), to.x + stepX, to.y);
                else
                    LineTo(m_dc.get(), to.x, to.y + stepY);
            }
        }
    }

    void drawEllipse(const Rect& bounds) override
    {
        // The outline touches the rectangle's outermost pixels, the last
        // column and row included.
        const int32_t inset = ellipseIncludesRightBottom() ? 1 : 0;
        Ellipse(m_dc.get(), bounds.x, bounds.y, bounds.right() - inset, bounds.bottom() - inset);
    }

    Point windowOrigin() const override
    {
        POINT p{};
        GetWindowOrgEx(m_dc.get(), &p);
        return {p.x, p.y};
    }
    void setWindowOrigin(Point origin) override { SetWindowOrgEx(m_dc.get(), origin.x, origin.y, nullptr); }
    Size windowExtent() const override
    {
        SIZE s{};
        GetWindowExtEx(m_dc.get(), &s);
        return {s.cx, s.cy};
    }
    void setWindowExtent(Size extent) override { SetWindowExtEx(m_dc.get(), extent.width, extent.height, nullptr); }
    Point viewportOrigin() const override
    {
        POINT p{};
        GetViewportOrgEx(m_dc.get(), &p);
        return {p.x, p.y};
    }
    void setViewportOrigin(Point origin) override { SetViewportOrgEx(m_dc.get(), origin.x, origin.y, nullptr); }
    Size viewportExtent() const override
    {
        SIZE s{};
        GetViewportExtEx(m_dc.get(), &s);
        return {s.cx, s.cy};
    }
    void setViewportExtent(Size extent) override { SetViewportExtEx(m_dc.get(), extent.width, extent.height, nullptr); }

    void updateState(const PaintState& state) override
    {
        m_state = state;
        if (state.pending & PaintChange::Pen)
            updatePen(state.pen);
        if (state.pending & PaintChange::Brush)
            updateBrush(state.brushColor);
        if (state.pending & PaintChange::Font)
            updateFont(state.font);
        if (state.pending & (PaintChange::Transform | PaintChange::WorldTransform)) {
            const XFORM transform{state.transform.scaleX, 0.0f, 0.0f, state.transform.scaleY, state.transform.dx,
                                  state.transform.dy};
            SetWorldTransform(m_dc.get(), &transform);
        }
        if (state.pending & PaintChange::Clip) {
            if (state.clip.isEmpty()) {
                SelectClipRgn(m_dc.get(), nullptr);
            } else {
                const win32::UniqueRegion region(
                    CreateRectRgn(state.clip.x, state.clip.y, state.clip.right(), state.clip.bottom()));
                if (region)
                    SelectClipRgn(m_dc.get(), region.get()); // the context keeps a copy
            }
        }
    }

    void drawPolygon(const Point* points, int32_t count, FillRule rule) override
    {
        std::vector<POINT> native(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i)
            native[static_cast<size_t>(i)] = {points[i].x, points[i].y};
        SetPolyFillMode(m_dc.get(), rule == FillRule::Winding ? WINDING : ALTERNATE);
        Polygon(m_dc.get(), native.data(), count);
    }

    void drawImage(const Rect& target, const ImageSource& image, const Rect& source, ImageScaling scaling) override
    {
        // Opaque pixels at their own size are a plain block copy.
        if (!image.hasAlpha && target.size() == source.size() && image.nativeBitmap && blockCopy(target, image, source))
            return;
        GdiFlush();
        Imaging imaging(m_dc.get(), m_state.transform, image.hasAlpha, scaling);
        if (!imaging.graphics)
            return;
        // Only the source rectangle is handed over: scaling samples around
        // each pixel, and beyond the rectangle lie other pieces of the image
        // (a skin's neighbouring parts or frames), which must not bleed in.
        const Rect piece = source.intersected({0, 0, image.rows.width, image.rows.height});
        if (piece.isEmpty())
            return;
        const int32_t bytesPerPixel = image.rows.bitsPerPixel / 8;
        PixelRows pieceRows = image.rows;
        pieceRows.bits += static_cast<ptrdiff_t>(piece.y) * image.rows.stride + piece.x * bytesPerPixel;
        pieceRows.width = piece.width;
        pieceRows.height = piece.height;
        const win32::GpImagePtr bitmap = win32::wrapRows(pieceRows, image.hasAlpha, image.premultiplied);
        if (!bitmap)
            return;
        // Mirrored tiling beyond the edges keeps edge pixels from bleeding
        // into the border when scaling.
        Gdiplus::GpImageAttributes* created = nullptr;
        win32::GpAttributesPtr attributes;
        if (win32::gp::GdipCreateImageAttributes(&created) == Gdiplus::Ok) {
            attributes.adopt(created);
            win32::gp::GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
        }
        win32::gp::GdipDrawImageRectRectI(imaging.graphics.get(), bitmap.get(), target.x, target.y, target.width,
                                          target.height, source.x - piece.x, source.y - piece.y, source.width,
                                          source.height, Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr);
    }

    void drawTiledImage(const Rect& target, const ImageSource& image) override
    {
        GdiFlush();
        Imaging imaging(m_dc.get(), m_state.transform, image.hasAlpha, ImageScaling::Nearest);
        if (!imaging.graphics)
            return;
        const win32::GpImagePtr bitmap = win32::wrapRows(image.rows, image.hasAlpha, image.premultiplied);
        if (!bitmap)
            return;
        Gdiplus::GpTexture* texture = nullptr;
        if (win32::gp::GdipCreateTexture(bitmap.get(), Gdiplus::WrapModeTile, &texture) != Gdiplus::Ok)
            return;
        win32::GpBrushPtr brush;
        brush.adopt(texture);
        // Tiles start at the rectangle's corner, not at the target's.
        win32::gp::GdipTranslateTextureTransform(texture, static_cast<Gdiplus::REAL>(target.x),
                                                 static_cast<Gdiplus::REAL>(target.y), Gdiplus::MatrixOrderAppend);
        win32::gp::GdipFillRectangleI(imaging.graphics.get(), brush.get(), target.x, target.y, target.width,
                                      target.height);
    }

    void drawText(const Rect& rect, StringView text, uint32_t alignment) override
    {
        if (text.empty())
            return;
        const Size size = win32::textSizeOn(m_dc.get(), text);
        int32_t top = rect.y;
        if (alignment & 0x8)
            top = rect.bottom() - size.height;
        else if (alignment & 0x10)
            top = rect.y + (rect.height - size.height) / 2;
        UINT format = DT_NOPREFIX | DT_NOCLIP;
        if (alignment & 0x2)
            format |= DT_RIGHT;
        else if (alignment & 0x20)
            format |= DT_CENTER;
        else
            format |= DT_LEFT;
        if (text.find(u'\n') == StringView::npos)
            format |= DT_SINGLELINE;
        const int saved = SaveDC(m_dc.get());
        IntersectClipRect(m_dc.get(), rect.x, rect.y, rect.right(), rect.bottom());
        RECT box{rect.x, top, rect.right(), top + size.height};
        DrawTextW(m_dc.get(), reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &box,
                  format);
        RestoreDC(m_dc.get(), saved);
    }

    FontMetrics fontMetrics() const override { return m_fontMetrics; }
    Size textSize(StringView text) const override { return win32::textSizeOn(m_dc.get(), text); }
    void textExtents(StringView text, std::vector<int32_t>& extents) const override
    {
        win32::textExtentsOn(m_dc.get(), text, extents);
    }

private:
    // Takes the world transform off the context while GDI+ draws on it:
    // some GDI+ implementations (Wine's) apply the context's transform on top
    // of their own, others do not, so GDI+ is given the transform alone.
    struct IdentityWorldTransform {
        explicit IdentityWorldTransform(HDC dc) : dc(dc)
        {
            saved = GetWorldTransform(dc, &previous) != FALSE;
            if (saved)
                ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
        }
        ~IdentityWorldTransform()
        {
            if (saved)
                SetWorldTransform(dc, &previous);
        }
        IdentityWorldTransform(const IdentityWorldTransform&) = delete;
        IdentityWorldTransform& operator=(const IdentityWorldTransform&) = delete;
        HDC dc;
        XFORM previous{};
        bool saved = false;
    };

    // A GDI+ graphics over the context, set up for pixel-exact image
    // drawing with the canvas transform; the library stays started while it
    // exists, and the context's own transform is off until it goes.
    struct Imaging {
        Imaging(HDC dc, const PaintTransform& transform, bool blend, ImageScaling scaling) : identity(dc)
        {
            if (!session.isActive())
                return;
            Gdiplus::GpGraphics* created = nullptr;
            if (win32::gp::GdipCreateFromHDC(dc, &created) != Gdiplus::Ok)
                return;
            graphics.adopt(created);
            Gdiplus::GpGraphics* g = graphics.get();
            win32::gp::GdipSetPageUnit(g, Gdiplus::UnitPixel);
            win32::gp::GdipSetInterpolationMode(g,
                                                scaling == ImageScaling::Smooth
                                                    ? Gdiplus::InterpolationModeDefault
                                                    : Gdiplus::InterpolationModeNearestNeighbor);
            win32::gp::GdipSetCompositingMode(
                g, blend ? Gdiplus::CompositingModeSourceOver : Gdiplus::CompositingModeSourceCopy);
            win32::gp::GdipSetPixelOffsetMode(g, Gdiplus::PixelOffsetModeHalf);
            win32::gp::GdipSetSmoothingMode(g, Gdiplus::SmoothingModeHighSpeed);
            if (!transform.isIdentity()) {
                win32::gp::GdipScaleWorldTransform(g, transform.scaleX, transform.scaleY, Gdiplus::MatrixOrderAppend);
                win32::gp::GdipTranslateWorldTransform(g, transform.dx, transform.dy, Gdiplus::MatrixOrderAppend);
            }
        }
        // Declared in this order so that the graphics goes first, then the
        // context gets its transform back, then the library may stop.
        ImagingSession session;
        IdentityWorldTransform identity;
        win32::GpGraphicsPtr graphics;
    };

    bool blockCopy(const Rect& target, const ImageSource& image, const Rect& source)
    {
        const win32::UniqueMemoryDc sourceDc(CreateCompatibleDC(m_dc.get()));
        if (!sourceDc)
            return false;
        const win32::SelectionGuard selected(sourceDc.get(), static_cast<HBITMAP>(image.nativeBitmap));
        if (!selected.ok())
            return false; // in use by another context: let GDI+ read the rows
        return BitBlt(m_dc.get(), target.x, target.y, target.width, target.height, sourceDc.get(), source.x, source.y,
                      SRCCOPY)
            != FALSE;
    }

    void updatePen(const PenDescription& pen)
    {
        SetTextColor(m_dc.get(), rgbOf(pen.color));
        m_penVisible = visible(pen.color);
        if (!m_penVisible) {
            SelectObject(m_dc.get(), GetStockObject(NULL_PEN));
            m_pen.reset();
            return;
        }
        win32::UniquePen created;
        if (pen.style == PenStyle::Alternate) {
            // Alternating pixels exist only for cosmetic pens, which are
            // always one pixel wide.
            const LOGBRUSH brush{BS_SOLID, rgbOf(pen.color), 0};
            created.reset(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
        } else {
            const int width = std::max(0, static_cast<int>(std::lround(pen.width)));
            created.reset(CreatePen(penStyleOf(pen.style), width, rgbOf(pen.color)));
        }
        if (!created)
            return;
        SelectObject(m_dc.get(), created.get());
        m_pen = std::move(created);
    }

    void updateBrush(uint32_t color)
    {
        m_brushVisible = visible(color);
        if (!m_brushVisible) {
            SelectObject(m_dc.get(), GetStockObject(NULL_BRUSH));
            m_brush.reset();
            return;
        }
        win32::UniqueBrush created(CreateSolidBrush(rgbOf(color)));
        if (!created)
            return;
        SelectObject(m_dc.get(), created.get());
        m_brush = std::move(created);
    }

    void updateFont(const FontDescription& font)
    {
        win32::UniqueFont created = win32::createFont(font);
        if (created) {
            SelectObject(m_dc.get(), created.get());
            m_font = std::move(created);
        }
        m_fontMetrics = win32::metricsOf(m_dc.get());
    }

    bool m_active = false;
    win32::UniqueMemoryDc m_dc;
    HGDIOBJ m_previousBitmap = nullptr;
    int m_saved = 0;
    PaintTarget m_target;
    PaintState m_state;
    win32::UniquePen m_pen;
    win32::UniqueBrush m_brush;
    win32::UniqueFont m_font;
    bool m_penVisible = false;
    bool m_brushVisible = false;
    FontMetrics m_fontMetrics;
};

} // namespace

std::unique_ptr<PaintEngine> createPaintEngine() { return std::make_unique<DcPaintEngine>(); }

} // namespace platform
