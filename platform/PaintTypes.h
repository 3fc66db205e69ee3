#pragma once
// Plain records shared by the paint engine, the font measurer and their
// users: pens, fonts, metrics, images to draw and the drawing state.
//
// Colours are 0xAARRGGBB. The platform's drawing uses red, green and blue
// only; an alpha of 0 means "draw nothing" for a pen (no outline, no line,
// no text) and for a brush (no fill).

#include "platform/Geometry.h"
#include "platform/NativeBitmap.h"
#include "platform/Text.h"

#include <cstdint>

namespace platform {

// Stored numbers: styles are kept in style data as these values.
enum class PenStyle : int32_t { Solid = 0, Dash = 1, Alternate = 2, DashDot = 3, DashDotDot = 4 };

struct PenDescription {
    uint32_t color = 0xFF0000FFu;
    float width = 1.0f;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const PenDescription&, const PenDescription&) = default;
};

// Style flags of a font, as stored: 1 bold, 2 italic, 4 underline, 8 strikeout.
namespace FontStyle {
enum : uint32_t { Bold = 1, Italic = 2, Underline = 4, Strikeout = 8 };
}

struct FontDescription {
    String family;
    float size = 12.0f; // points
    uint32_t style = 0; // FontStyle flags
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

struct FontMetrics {
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t averageCharWidth = 0;
    int32_t lineHeight() const { return ascent + descent; }
    friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

// Fill rules of polygons, as stored: 1 alternate (even-odd), 2 winding.
enum class FillRule : int32_t { Alternate = 1, Winding = 2 };

enum class ImageScaling { Nearest, Smooth };

// Pixels to draw, borrowed from their owner for the duration of one call.
struct ImageSource {
    PixelRows rows;
    bool hasAlpha = false;
    bool premultiplied = false;
    void* nativeBitmap = nullptr; // the pixels' own native bitmap, if any
};

// The image a paint engine draws into.
struct PaintTarget {
    PixelRows rows;
    void* nativeBitmap = nullptr;
};

struct Line {
    Point from;
    Point to;
};

// Scale then offset, applied to every coordinate drawn.
struct PaintTransform {
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float dx = 0.0f;
    float dy = 0.0f;
    bool isIdentity() const { return scaleX == 1.0f && scaleY == 1.0f && dx == 0.0f && dy == 0.0f; }
    friend bool operator==(const PaintTransform&, const PaintTransform&) = default;
};

// Bits of PaintState::pending: which parts changed since the last update.
namespace PaintChange {
enum : uint32_t { Transform = 0x1, Brush = 0x2, Pen = 0x4, Font = 0x8, Clip = 0x10, WorldTransform = 0x20 };
}

struct PaintState {
    uint32_t pending = 0;
    PenDescription pen;
    uint32_t brushColor = 0xFF0000FFu;
    FontDescription font;
    Rect clip; // target pixels, untransformed; empty: no clipping
    PaintTransform transform;
};

} // namespace platform
