// The canvas on the real device-context engine: gradients, pens, shapes,
// images and text, checked on small images.
#include "platform/SystemInfo.h"
#include "platform/Fonts.h"
#include "ui/core/UICanvas.h"

#include <gtest/gtest.h>

namespace {

uint32_t rgb(const UIImage& image, int32_t x, int32_t y) { return image.pixel(x, y) & 0xFFFFFFu; }

} // namespace

TEST(Canvas, TwoStopGradientStepsRowByRow)
{
    UIImage image(5, 10, false);
    {
        UICanvas canvas(image);
        ASSERT_TRUE(canvas.isActive());
        canvas.setPen(0xFF00FF00u);
        canvas.fillRect({0, 0, 5, 10}, UIBrush::gradient({0xFFFF0000u, 0xFF0000FFu}, {0.0f, 1.0f}));
        // The caller's pen is back after the fill.
        EXPECT_EQ(canvas.pen().color, 0xFF00FF00u);
    }
    EXPECT_EQ(rgb(image, 0, 0), 0xFF0000u);
    const uint32_t last = rgb(image, 0, 9);
    EXPECT_LE((last >> 16) & 0xFF, 30u);
    EXPECT_GE(last & 0xFF, 225u);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 1; x < 5; ++x)
            EXPECT_EQ(rgb(image, x, y), rgb(image, 0, y)) << x << "," << y;
        if (y > 0) {
            EXPECT_LT((rgb(image, 0, y) >> 16) & 0xFF, (rgb(image, 0, y - 1) >> 16) & 0xFF);
        }
    }
    // Exact stepping: row k is round(c0 - k (c0 - c1) / 10).
    EXPECT_EQ(rgb(image, 0, 9), 0x1A00E6u);

    // Horizontal gradients step by column; a three-stop gradient passes
    // through the middle colour.
    UIImage wide(9, 2, true);
    {
        UICanvas canvas(wide);
        canvas.fillRect({0, 0, 9, 2}, UIBrush::gradient({0xFF000000u, 0xFFFFFFFFu, 0xFF000000u},
                                                        GradientOrientation::Horizontal));
    }
    EXPECT_EQ(rgb(wide, 0, 1), 0u);
    EXPECT_GT(rgb(wide, 4, 0) & 0xFF, 200u);
    EXPECT_EQ(rgb(wide, 3, 0), rgb(wide, 3, 1));
}

TEST(Canvas, TransparentFillsDrawNothing)
{
    UIImage image(4, 4, false);
    image.fill(0xFF123456u);
    {
        UICanvas canvas(image);
        canvas.fillRect({0, 0, 4, 4}, 0x00FF0000u);
        canvas.fillRect({0, 0, 4, 4}, UIBrush::gradient({0x00FF0000u, 0x000000FFu}));
        canvas.setPen(0x00FF0000u);
        canvas.drawLine({0, 0}, {3, 3});
        canvas.drawRect({0, 0, 3, 3});
    }
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(rgb(image, x, y), 0x123456u);
}

TEST(Canvas, LinesAndRectanglesIncludeTheirEnds)
{
    UIImage image(8, 8, false);
    {
        UICanvas canvas(image);
        canvas.setPen(0xFFFF0000u);
        canvas.drawLine({1, 1}, {5, 1});
        canvas.drawLine({6, 6}, {6, 2});
        // An outline along the inside of a 4 x 4 area at (1, 3).
        canvas.setPen(0xFF0000FFu);
        canvas.drawRect({1, 3, 3, 3});
    }
    EXPECT_EQ(rgb(image, 0, 1), 0u);
    EXPECT_EQ(rgb(image, 1, 1), 0xFF0000u);
    EXPECT_EQ(rgb(image, 5, 1), 0xFF0000u);
    EXPECT_EQ(rgb(image, 6, 1), 0u);
    EXPECT_EQ(rgb(image, 6, 2), 0xFF0000u);
    EXPECT_EQ(rgb(image, 6, 1), 0u);
    EXPECT_EQ(rgb(image, 6, 7), 0u);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rgb(image, 1 + i, 3), 0x0000FFu);
        EXPECT_EQ(rgb(image, 1 + i, 6), 0x0000FFu);
        EXPECT_EQ(rgb(image, 1, 3 + i), 0x0000FFu);
        EXPECT_EQ(rgb(image, 4, 3 + i), 0x0000FFu);
    }
    EXPECT_EQ(rgb(image, 2, 4), 0u); // outline only
    EXPECT_EQ(rgb(image, 5, 3), 0u);
}

TEST(Canvas, EveryPenStyleDraws)
{
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dash, PenStyle::Alternate, PenStyle::DashDot,
                           PenStyle::DashDotDot}) {
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

TEST(Canvas, PolygonFillRules)
{
    // A five-pointed star: its centre is outside by the alternate rule and
    // inside by the winding rule.
    const std::vector<Point> star = {{20, 2}, {31, 37}, {2, 15}, {38, 15}, {9, 37}};
    for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
        UIImage image(40, 40, false);
        {
            UICanvas canvas(image);
            canvas.setPen(0x00000000u);
            canvas.setBrush(0xFF00FF00u);
            canvas.drawPolygon(star, rule);
        }
        EXPECT_EQ(rgb(image, 20, 22), rule == FillRule::Winding ? 0x00FF00u : 0u);
        EXPECT_EQ(rgb(image, 20, 6), 0x00FF00u); // a point of the star
        EXPECT_EQ(rgb(image, 2, 35), 0u);
    }
    UIImage image(20, 20, false);
    {
        UICanvas canvas(image);
        canvas.setPen(0xFFFF0000u);
        canvas.setBrush(0xFF0000FFu);
        canvas.drawEllipse({0, 0, 20, 20});
    }
    EXPECT_EQ(rgb(image, 10, 10), 0x0000FFu);
    EXPECT_EQ(rgb(image, 0, 0), 0u);
    EXPECT_EQ(rgb(image, 0, 10), 0xFF0000u);
}

TEST(Canvas, DrawImageCopiesScalesAndBlends)
{
    UIImage source(2, 2, false);
    source.setPixel(0, 0, 0xFFFF0000u);
    source.setPixel(1, 0, 0xFF00FF00u);
    source.setPixel(0, 1, 0xFF0000FFu);
    source.setPixel(1, 1, 0xFFFFFFFFu);

    UIImage target(8, 8, false);
    {
        UICanvas canvas(target);
        canvas.drawImage(Point{0, 0}, source); // same size: a copy
        canvas.drawImage({4, 4, 4, 4}, source); // scaled 2x, nearest
    }
    EXPECT_EQ(rgb(target, 1, 0), 0x00FF00u);
    EXPECT_EQ(rgb(target, 0, 1), 0x0000FFu);
    EXPECT_EQ(rgb(target, 2, 2), 0u);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 2; ++x) {
            EXPECT_EQ(rgb(target, 4 + x, 4 + y), 0xFF0000u);
            EXPECT_EQ(rgb(target, 6 + x, 6 + y), 0xFFFFFFu);
            EXPECT_EQ(rgb(target, 6 + x, 4 + y), 0x00FF00u);
        }

    // Alpha images blend over what is there; transparent pixels keep it.
    UIImage overlay(2, 1, true);
    overlay.setPixel(0, 0, 0x00FF0000u);
    overlay.setPixel(1, 0, 0x800000FFu);
    UIImage back(2, 1, false);
    back.fill(0xFFFFFFFFu);
    {
        UICanvas canvas(back);
        canvas.drawImage({0, 0, 2, 1}, overlay);
    }
    EXPECT_EQ(rgb(back, 0, 0), 0xFFFFFFu);
    const uint32_t mixed = rgb(back, 1, 0);
    EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), 127, 3);
    EXPECT_EQ(mixed & 0xFF, 0xFFu);

    // Tiles start at the rectangle's corner.
    UIImage tiled(7, 3, false);
    {
        UICanvas canvas(tiled);
        canvas.drawTiledImage({1, 1, 6, 2}, source);
    }
    EXPECT_EQ(rgb(tiled, 0, 0), 0u);
    EXPECT_EQ(rgb(tiled, 1, 1), 0xFF0000u);
    EXPECT_EQ(rgb(tiled, 3, 1), 0xFF0000u);
    EXPECT_EQ(rgb(tiled, 4, 2), 0xFFFFFFu);
}

TEST(Canvas, DrawTextElidesByMode)
{
    UIImage image(200, 40, false);
    UICanvas canvas(image);
    canvas.setPen(0xFFFFFFFFu);
    const int32_t width = canvas.textSize(u"abc").width;
    const Rect box{0, 0, width, 30};

    EXPECT_FALSE(canvas.drawText(box, u"abcdef", Alignment::Left | Alignment::Top, ElideMode::None));
    EXPECT_TRUE(canvas.drawText(box, u"abcdef", Alignment::Left | Alignment::Top, ElideMode::End));
    const String shortened = canvas.elidedText(u"abcdef", width, ElideMode::End);
    EXPECT_TRUE(shortened.ends_with(u"..."));
    EXPECT_LE(canvas.textSize(shortened).width, width);
    EXPECT_LT(shortened.size(), 6u);

    const String cut = canvas.elidedText(u"abcdef", width, ElideMode::Truncate);
    EXPECT_TRUE(String(u"abcdef").starts_with(cut));
    EXPECT_LE(canvas.textSize(cut).width, width);
    EXPECT_GT(canvas.textSize(cut + u"d").width, width);

    const int32_t middleWidth = canvas.textSize(u"ab...ef").width;
    const String middle = canvas.elidedText(u"abcdefghijef", middleWidth, ElideMode::Middle);
    EXPECT_NE(middle.find(u"..."), String::npos);
    EXPECT_TRUE(middle.starts_with(u"a"));
    EXPECT_TRUE(middle.ends_with(u"f"));

    // Text that fits is never changed; empty text and empty boxes.
    EXPECT_FALSE(canvas.drawText({0, 0, 200, 30}, u"abcdef", Alignment::Left, ElideMode::End));
    EXPECT_FALSE(canvas.drawText(box, u"", Alignment::Left, ElideMode::End));
    EXPECT_TRUE(canvas.drawText({0, 0, 0, 10}, u"abc", Alignment::Left, ElideMode::None));
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
    EXPECT_EQ(font.size(), 12.0f);
    EXPECT_EQ(font.style(), 0u);
    if (version->major >= 6) {
        EXPECT_EQ(font.family(), u"segoe ui");
    }
    if (platform::screenDpiY() == 96) {
        EXPECT_EQ(font.pixelHeight(), 16);
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

TEST(Canvas, ClipAndTransform)
{
    UIImage image(10, 10, false);
    {
        UICanvas canvas(image);
        canvas.setClipRect({2, 2, 3, 3});
        canvas.fillRect({0, 0, 10, 10}, 0xFFFFFFFFu);
        canvas.setClipRect({});
        canvas.setTransform(1.0f, 1.0f, 6.0f, 6.0f);
        canvas.fillRect({0, 0, 2, 2}, 0xFFFF0000u);
    }
    EXPECT_EQ(rgb(image, 1, 1), 0u);
    EXPECT_EQ(rgb(image, 2, 2), 0xFFFFFFu);
    EXPECT_EQ(rgb(image, 4, 4), 0xFFFFFFu);
    EXPECT_EQ(rgb(image, 5, 5), 0u);
    EXPECT_EQ(rgb(image, 6, 6), 0xFF0000u);
    EXPECT_EQ(rgb(image, 7, 7), 0xFF0000u);
    EXPECT_EQ(rgb(image, 0, 0), 0u);
}

TEST(Canvas, CanvasOverEmptyOrSharedImage)
{
    UIImage empty;
    UICanvas idle(empty);
    EXPECT_FALSE(idle.isActive());
    idle.fillRect({0, 0, 5, 5}, 0xFFFFFFFFu); // nothing happens
    EXPECT_GT(idle.textSize(u"abc").width, 0);

    // Painting never shows in another copy of the target.
    UIImage image(3, 3, false);
    const UIImage copy = image;
    {
        UICanvas canvas(image);
        canvas.fillRect({0, 0, 3, 3}, 0xFFFFFFFFu);
    }
    EXPECT_EQ(rgb(image, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(rgb(copy, 1, 1), 0u);

    // Drawing an image onto itself works from a snapshot.
    image.setPixel(0, 0, 0xFFFF0000u);
    {
        UICanvas canvas(image);
        canvas.drawImage({1, 1, 2, 2}, image, {0, 0, 2, 2});
    }
    EXPECT_EQ(rgb(image, 1, 1), 0xFF0000u);
}
