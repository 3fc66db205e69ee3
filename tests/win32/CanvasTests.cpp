// The canvas on the device-context engine alone: pen styles, text, fonts and
// the world transform. Checks that hold for every engine are in the portable
// canvas tests, which run here too.
#include "platform/SystemInfo.h"
#include "platform/Fonts.h"
#include "tests/ui/core/PixelProbes.h"
#include "ui/core/UICanvas.h"

#include <gtest/gtest.h>

TEST(Canvas, EveryPenStyleDraws)
{
    for (PenStyle style :
         {PenStyle::Solid, PenStyle::Dash, PenStyle::Alternate, PenStyle::DashDot, PenStyle::DashDotDot}) {
        UIImage image(40, 3, false);
        {
            UICanvas canvas(image);
            canvas.setPen(0xFFFFFFFFu, 1.0f, style);
            canvas.drawLine({0, 1}, {39, 1});
        }
        int lit = 0;
        for (int32_t x = 0; x < 40; ++x)
            lit += rgb(image, x, 1) == 0xFFFFFFu;
        if (style == PenStyle::Solid)
            EXPECT_EQ(lit, 40);
        else
            EXPECT_TRUE(lit > 0 && lit < 40) << static_cast<int>(style) << ": " << lit;
        if (style == PenStyle::Alternate) {
            EXPECT_EQ(lit, 20);
            EXPECT_NE(rgb(image, 10, 1), rgb(image, 11, 1));
        }
    }
    // Wide pens are wider.
    UIImage image(10, 10, false);
    {
        UICanvas canvas(image);
        canvas.setPen(0xFFFFFFFFu, 3.0f);
        canvas.drawLine({1, 5}, {8, 5});
    }
    EXPECT_EQ(rgb(image, 4, 4), 0xFFFFFFu);
    EXPECT_EQ(rgb(image, 4, 6), 0xFFFFFFu);
}

TEST(Canvas, DrawTextPlacesByAlignment)
{
    UIImage image(120, 40, false);
    Rect right, centred;
    {
        UICanvas canvas(image);
        canvas.setPen(0xFFFFFFFFu);
        canvas.drawText({0, 0, 120, 40}, u"Ww", Alignment::Right | Alignment::Bottom, ElideMode::None, &right);
        canvas.drawText({0, 0, 120, 40}, u"Ww", Alignment::Center, ElideMode::None, &centred);
        EXPECT_EQ(right.size(), canvas.textSize(u"Ww"));
    }
    EXPECT_EQ(right.right(), 120);
    EXPECT_EQ(right.bottom(), 40);
    EXPECT_NEAR(centred.x + centred.width / 2, 60, 1);
    EXPECT_NEAR(centred.y + centred.height / 2, 20, 1);
    // Something was drawn inside the right-aligned box and nothing left of
    // the centred one.
    bool inked = false;
    for (int32_t y = right.y; y < right.bottom(); ++y)
        for (int32_t x = right.x; x < right.right(); ++x)
            inked = inked || rgb(image, x, y) != 0;
    EXPECT_TRUE(inked);
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < centred.x - 1; ++x)
            ASSERT_EQ(rgb(image, x, y), 0u) << x << "," << y;
}

TEST(Canvas, DefaultFontIsSegoeUiTwelvePoints)
{
    const auto version = platform::osVersion();
    ASSERT_TRUE(version);
    const UIFont& font = UIFont::defaultFont();
    if (version->major >= 6) {
        EXPECT_EQ(font.family(), u"segoe ui");
    }

    UIImage image(10, 10, false);
    UICanvas canvas(image);
    EXPECT_EQ(canvas.font(), font);
    EXPECT_GT(canvas.lineHeight(), 0);
    EXPECT_EQ(canvas.lineHeight(), canvas.ascent() + canvas.descent());
    // Measuring outside painting agrees with the canvas.
    EXPECT_EQ(font.textSize(u"Tintscope"), canvas.textSize(u"Tintscope"));
    EXPECT_EQ(font.charWidth(u'W'), canvas.charWidth(u'W'));
    // A bold font is wider.
    const UIFont bold(font.family(), 12.0f, platform::FontStyle::Bold);
    canvas.setFont(bold);
    EXPECT_GE(canvas.textSize(u"Tintscope").width, font.textSize(u"Tintscope").width);
}

// Regression: images drawn through GDI+ got the world transform twice (an
// offset of (3, 0) put an alpha image at x = 6; a scale of 2 could lose it).
TEST(Canvas, EverythingLandsWhereTheTransformPutsIt)
{
    UIImage opaque(4, 4, false), translucent(4, 4, true), small(2, 2, false);
    opaque.fill(0xFF00FF00u);
    translucent.fill(0xFF00FF00u);
    small.fill(0xFF00FF00u);
    enum class Kind { Copy, AlphaImage, ScaledImage, Tiles, Fill, Ellipse, Clip, Text };
    struct Transform {
        float scale, dx, dy;
    };
    for (const Transform t : {Transform{1.0f, 3.0f, 2.0f}, Transform{2.0f, 1.0f, 3.0f}}) {
        for (const Kind kind : {Kind::Copy, Kind::AlphaImage, Kind::ScaledImage, Kind::Tiles, Kind::Fill, Kind::Ellipse,
                                Kind::Clip, Kind::Text}) {
            UIImage target(40, 40, false);
            Rect logical{2, 2, 4, 4};
            {
                UICanvas canvas(target);
                canvas.setTransform(t.scale, t.scale, t.dx, t.dy);
                canvas.setPen(0xFF00FF00u);
                canvas.setBrush(0xFF00FF00u);
                switch (kind) {
                case Kind::Copy:
                    canvas.drawImage(logical, opaque);
                    break;
                case Kind::AlphaImage:
                    canvas.drawImage(logical, translucent);
                    break;
                case Kind::ScaledImage:
                    canvas.drawImage(logical, small);
                    break;
                case Kind::Tiles:
                    canvas.drawTiledImage(logical, small);
                    break;
                case Kind::Fill:
                    canvas.fillRect(logical, 0xFF00FF00u);
                    break;
                case Kind::Ellipse:
                    canvas.drawEllipse(logical);
                    break;
                case Kind::Clip:
                    // The clip is in target pixels: the transform leaves it be.
                    canvas.setClipRect({5, 5, 3, 3});
                    canvas.fillRect({0, 0, 40, 40}, 0xFF00FF00u);
                    break;
                case Kind::Text:
                    logical = {1, 1, 16, 16};
                    canvas.drawText(logical, u"Wj", Alignment::Left | Alignment::Top);
                    break;
                }
            }
            const Rect device{
                static_cast<int32_t>(logical.x * t.scale + t.dx), static_cast<int32_t>(logical.y * t.scale + t.dy),
                static_cast<int32_t>(logical.width * t.scale), static_cast<int32_t>(logical.height * t.scale)};
            const Rect inked = inkedArea(target);
            const auto label = ::testing::Message() << "kind " << static_cast<int>(kind) << ", scale " << t.scale;
            if (kind == Kind::Ellipse) {
                // A scaled pen is wider and straddles the outline.
                const int32_t pen = static_cast<int32_t>(t.scale) / 2;
                const Rect outer{device.x - pen, device.y - pen, device.width + 2 * pen, device.height + 2 * pen};
                EXPECT_TRUE(outer.contains(inked)) << label;
                EXPECT_TRUE(inked.contains(
                    {outer.x + 2 * pen, outer.y + 2 * pen, device.width - 2 * pen, device.height - 2 * pen}))
                    << label;
            } else if (kind == Kind::Text) {
                EXPECT_FALSE(inked.isEmpty()) << label;
                EXPECT_TRUE(device.contains(inked)) << label;
                // The glyphs grow with the scale.
                EXPECT_GT(inked.height, t.scale == 1.0f ? 4 : 10) << label;
            } else {
                const Rect expected = kind == Kind::Clip ? Rect{5, 5, 3, 3} : device;
                EXPECT_EQ(inked, expected) << label;
            }
        }
    }
}
