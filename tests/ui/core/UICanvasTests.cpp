// The canvas through whichever paint engine the build has: the software
// engine natively, the device-context engine under Wine. Pixel checks here
// hold for both, so the two engines are held to the same output.
#include "platform/Fonts.h"
#include "tests/ui/core/PixelProbes.h"
#include "ui/core/UICanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

// Channel k of a two-stop gradient of n steps: round(c0 - k (c0 - c1) / n).
uint32_t twoStopColor(uint32_t from, uint32_t to, int64_t k, int64_t n)
{
    uint32_t c = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        c |= static_cast<uint32_t>(std::round(a - static_cast<double>(k) * (a - b) / static_cast<double>(n))) << shift;
    }
    return 0xFF000000u | c;
}

} // namespace

TEST(UIBrush, GradientColorsStepPerRow)
{
    const UIBrush redToBlue = UIBrush::gradient({0xFFFF0000u, 0xFF0000FFu}, {0.0f, 1.0f});
    const std::vector<uint32_t> rows = redToBlue.gradientColors(10);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], 0xFFFF0000u);
    EXPECT_EQ(rows[1], 0xFFE6001Au); // 255 - 25.5 = 229.5 rounds away from zero
    EXPECT_EQ(rows[9], 0xFF1A00E6u);

    // Three stops over 9 pixels: the first segment is round(4.5) = 5 steps,
    // the last takes the remaining 4.
    const UIBrush tri = UIBrush::gradient({0xFF000000u, 0xFFFFFFFFu, 0xFF000000u});
    EXPECT_EQ(tri.positions, (std::vector<float>{0.0f, 0.5f, 1.0f}));
    const std::vector<uint32_t> cols = tri.gradientColors(9);
    ASSERT_EQ(cols.size(), 9u);
    EXPECT_EQ(cols[0], 0xFF000000u);
    EXPECT_EQ(cols[5], 0xFFFFFFFFu);
    EXPECT_EQ(cols[4], 0xFFCCCCCCu);
    // Any slice is the same entries of the whole, across segment borders and
    // clipped at both ends.
    for (int32_t first = -2; first <= 9; ++first)
        for (int32_t count = 0; count <= 4; ++count) {
            std::vector<uint32_t> expected;
            for (int32_t i = std::max(first, 0); i < std::min(first + count, 9); ++i)
                expected.push_back(cols[static_cast<size_t>(i)]);
            EXPECT_EQ(tri.gradientColors(9, first, count), expected) << first << "+" << count;
        }

    // Degenerate brushes are one colour; nothing for no length.
    EXPECT_EQ(UIBrush::solid(0x80123456u).gradientColors(3), (std::vector<uint32_t>(3, 0xFF123456u)));
    EXPECT_TRUE(redToBlue.gradientColors(0).empty());
    // Positions out of order never overrun the length.
    const UIBrush odd = UIBrush::gradient({0xFF000000u, 0xFFFFFFFFu, 0xFF00FF00u}, {0.0f, 2.0f, 0.5f});
    EXPECT_EQ(odd.gradientColors(7).size(), 7u);

    // Visibility follows alpha: any stop, or the colour of a brush without stops.
    EXPECT_FALSE(UIBrush::solid(0x00FFFFFFu).isVisible());
    EXPECT_FALSE(UIBrush::gradient({0x00FF0000u, 0x000000FFu}).isVisible());
    EXPECT_TRUE(UIBrush::gradient({0x00FF0000u, 0x800000FFu}).isVisible());
    UIBrush noStops = UIBrush::gradient({});
    noStops.color = 0x01000000u;
    EXPECT_TRUE(noStops.isVisible());
}

TEST(UIFont, DefaultFamilyRule)
{
    EXPECT_EQ(UIFont::defaultFamilyFor(platform::OsVersion{6, 0}, false), u"segoe ui");
    EXPECT_EQ(UIFont::defaultFamilyFor(platform::OsVersion{10, 0}, false), u"segoe ui");
    EXPECT_EQ(UIFont::defaultFamilyFor(platform::OsVersion{5, 1}, true), u"segoe ui");
    EXPECT_EQ(UIFont::defaultFamilyFor(platform::OsVersion{5, 1}, false), u"microsoft sans serif");
    EXPECT_EQ(UIFont::defaultFamilyFor(std::nullopt, false), u"microsoft sans serif");

    const UIFont& font = UIFont::defaultFont();
    EXPECT_TRUE(font.isValid());
    EXPECT_EQ(font.size(), 12.0f);
    if (platform::screenDpiY() == 96) {
        EXPECT_EQ(font.pixelHeight(), 16);
    }
    // An unset font takes the default's fields when one is set.
    UIFont partial;
    EXPECT_FALSE(partial.isValid());
    partial.setSize(9.0f);
    EXPECT_EQ(partial.family(), font.family());
    EXPECT_EQ(partial.size(), 9.0f);
}

TEST(UICanvas, ElideModes)
{
    UIImage image(100, 20, false);
    UICanvas canvas(image);
    const auto width = [&](StringView text) { return canvas.textSize(text).width; };
    EXPECT_EQ(canvas.elidedText(u"abcdef", width(u"abc"), ElideMode::None), u"abcdef");
    EXPECT_EQ(canvas.elidedText(u"abcdef", width(u"abc"), ElideMode::Truncate), u"abc");
    EXPECT_EQ(canvas.elidedText(u"abcdef", width(u"ab..."), ElideMode::End), u"ab...");
    EXPECT_EQ(canvas.elidedText(u"abcdef", width(u"..."), ElideMode::End), u"...");
    EXPECT_EQ(canvas.elidedText(u"abcxyzxyzcba", width(u"abc...cba"), ElideMode::Middle), u"abc...cba");
    EXPECT_EQ(canvas.elidedText(u"abcdef", width(u"abcdef"), ElideMode::Middle), u"abcdef"); // fits
    // Each line is elided on its own; CR LF becomes LF.
    EXPECT_EQ(canvas.elidedText(u"abcdef\r\nab", width(u"abc"), ElideMode::Truncate), u"abc\nab");
    // A surrogate pair is never split.
    EXPECT_EQ(canvas.elidedText(u"ab\U0001F600cd", width(u"ab") + 1, ElideMode::Truncate), u"ab");

    const Rect box{0, 0, width(u"abc"), 16};
    EXPECT_TRUE(canvas.drawText(box, u"abcdef", Alignment::Left, ElideMode::End));
    EXPECT_FALSE(canvas.drawText(box, u"abcdef", Alignment::Left, ElideMode::None));
    EXPECT_FALSE(canvas.drawText(box, u"abc", Alignment::Left, ElideMode::End));
    EXPECT_FALSE(canvas.drawText(box, u"ab\r\nc", Alignment::Left, ElideMode::End));
    EXPECT_FALSE(canvas.drawText(box, u"", Alignment::Left, ElideMode::End));
    EXPECT_TRUE(canvas.drawText({0, 0, 0, 16}, u"abc", Alignment::Left, ElideMode::None));

    Rect bounds;
    const Size size = canvas.textSize(u"abc");
    canvas.drawText({0, 0, 100, 40}, u"abc", Alignment::Right | Alignment::VCenter, ElideMode::None, &bounds);
    EXPECT_EQ(bounds, (Rect{100 - size.width, (40 - size.height) / 2, size.width, size.height}));
}

TEST(UICanvas, FillsDrawOnTheTargetOnly)
{
    UIImage image(6, 6, false);
    const UIImage before = image;
    {
        UICanvas canvas(image);
        canvas.fillRect({1, 1, 3, 3}, 0xFF112233u);
        // Alpha 0 draws nothing: fills, gradients, lines and outlines.
        canvas.fillRect({0, 0, 6, 6}, 0x00FFFFFFu);
        canvas.fillRect({0, 0, 6, 6}, UIBrush::gradient({0x00FF0000u, 0x000000FFu}));
        canvas.setPen(0x00FF0000u);
        canvas.drawLine({0, 0}, {5, 5});
        canvas.drawRect({0, 0, 5, 5});
        canvas.fillRect({0, 5, 6, 1}, UIBrush::gradient({0xFFFF0000u, 0xFF0000FFu}, GradientOrientation::Horizontal));
    }
    EXPECT_EQ(image.pixel(1, 1), 0xFF112233u);
    EXPECT_EQ(image.pixel(4, 4), 0xFF000000u);
    EXPECT_EQ(image.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(image.pixel(0, 5), 0xFFFF0000u);
    // Painting never shows in another copy of the target.
    EXPECT_EQ(before.pixel(1, 1), 0xFF000000u);

    UIImage empty;
    UICanvas idle(empty);
    EXPECT_FALSE(idle.isActive());
    idle.fillRect({0, 0, 3, 3}, 0xFFFFFFFFu);
    EXPECT_GT(idle.textSize(u"ab").width, 0);
    EXPECT_TRUE(idle.visibleArea().isEmpty());
}

// Regression: the device-context engine pushed a line's end one step along
// its major axis, so diagonal lines changed slope and missed their end point.
TEST(UICanvas, LinesKeepTheirSlopeAndBothEndPoints)
{
    // Odd lengths along the major axis: the ideal line never passes halfway
    // between two pixels, so the pixels to paint are fixed for every engine.
    const platform::Line lines[] = {
        {{1, 2}, {8, 2}}, {{8, 2}, {1, 2}},                                     // horizontal
        {{3, 0}, {3, 7}}, {{3, 7}, {3, 0}},                                     // vertical
        {{0, 0}, {3, 3}}, {{3, 3}, {0, 0}}, {{0, 5}, {5, 0}}, {{5, 0}, {0, 5}}, // diagonal
        {{0, 1}, {7, 4}}, {{7, 4}, {0, 1}},                                     // shallow
        {{2, 0}, {5, 7}}, {{5, 7}, {2, 0}},                                     // steep
        {{4, 4}, {4, 4}},                                                       // a point
    };
    for (const platform::Line& line : lines) {
        UIImage image(10, 10, false);
        {
            UICanvas canvas(image);
            canvas.setPen(0xFFFFFFFFu);
            canvas.drawLine(line.from, line.to);
        }
        const int32_t dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
        const int32_t steps = std::max(std::abs(dx), std::abs(dy));
        std::set<std::pair<int32_t, int32_t>> expected;
        for (int32_t t = 0; t <= steps; ++t) {
            const double f = steps == 0 ? 0.0 : static_cast<double>(t) / steps;
            expected.insert({line.from.x + static_cast<int32_t>(std::lround(dx * f)),
                             line.from.y + static_cast<int32_t>(std::lround(dy * f))});
        }
        for (int32_t y = 0; y < 10; ++y)
            for (int32_t x = 0; x < 10; ++x)
                EXPECT_EQ(rgb(image, x, y) != 0, expected.count({x, y}) == 1)
                    << "(" << line.from.x << "," << line.from.y << ")-(" << line.to.x << "," << line.to.y << ") at "
                    << x << "," << y;
    }

    // Rectangle outlines cover x..x+width and y..y+height inclusive.
    UIImage image(8, 8, false);
    {
        UICanvas canvas(image);
        canvas.setPen(0xFF0000FFu);
        canvas.drawRect({1, 3, 3, 3});
    }
    EXPECT_EQ(inkedArea(image), (Rect{1, 3, 4, 4}));
    EXPECT_EQ(rgb(image, 2, 4), 0u); // outline only
}

// Regression: the device-context engine's ellipse left out the last column
// and row of its rectangle, while the software engine's reached one past.
TEST(UICanvas, EllipseCoversExactlyTheRectanglesPixels)
{
    for (const Rect bounds : {Rect{1, 1, 10, 10}, Rect{2, 3, 15, 7}, Rect{0, 0, 5, 12}}) {
        UIImage image(20, 20, false);
        {
            UICanvas canvas(image);
            canvas.setPen(0xFFFFFFFFu);
            canvas.setBrush(0xFFFF0000u);
            canvas.drawEllipse(bounds);
        }
        EXPECT_EQ(inkedArea(image), bounds) << bounds.x << "," << bounds.y;
        EXPECT_EQ(rgb(image, bounds.centre().x, bounds.centre().y), 0xFF0000u);
        EXPECT_EQ(rgb(image, bounds.x, bounds.y), 0u);
        EXPECT_EQ(rgb(image, bounds.right() - 1, bounds.bottom() - 1), 0u);
    }
}

TEST(UICanvas, PolygonFillRules)
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
}

// Regression: a gradient fill computed a colour and drew a line for every row
// of its rectangle, seen or not: 4 x 10,000,000 on a 4 x 4 target took 13 s.
TEST(UICanvas, GradientFillWorksOnTheVisibleRowsOnly)
{
    constexpr int32_t kLength = 10'000'000;
    constexpr uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu;
    for (const GradientOrientation orientation : {GradientOrientation::Vertical, GradientOrientation::Horizontal}) {
        const bool vertical = orientation == GradientOrientation::Vertical;
        UIImage image(4, 4, false);
        {
            UICanvas canvas(image);
            canvas.setPen(0xFF00FF00u);
            // Steps kLength / 2 .. kLength / 2 + 3 of the gradient land on the target.
            canvas.fillRect(vertical ? Rect{0, -kLength / 2, 4, kLength} : Rect{-kLength / 2, 0, kLength, 4},
                            UIBrush::gradient({kRed, kBlue}, orientation));
            // The caller's pen is back after the fill.
            EXPECT_EQ(canvas.pen().color, 0xFF00FF00u);
        }
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 4; ++x)
                EXPECT_EQ(rgb(image, x, y),
                          twoStopColor(kRed, kBlue, kLength / 2 + (vertical ? y : x), kLength) & 0xFFFFFFu)
                    << x << "," << y;
    }

    // The visible area is what the target (within the clip) can show,
    // mapped back through the transform, with a pixel to spare.
    struct Case {
        Rect clip;
        platform::PaintTransform transform;
        Rect visible;
    };
    const Case cases[] = {
        {{}, {}, {-1, -1, 12, 10}},
        {{2, 2, 3, 3}, {}, {1, 1, 5, 5}},
        {{}, {1.0f, 1.0f, 5.0f, -3.0f}, {-6, 2, 12, 10}},
        {{}, {2.0f, 4.0f, 0.0f, 0.0f}, {-1, -1, 7, 4}},
        {{}, {-1.0f, 1.0f, 10.0f, 0.0f}, {-1, -1, 12, 10}},
        {{}, {0.0f, 1.0f, 0.0f, 0.0f}, {}},
    };
    for (const Case& c : cases) {
        UIImage target(10, 8, false);
        UICanvas canvas(target);
        canvas.setClipRect(c.clip);
        canvas.setTransform(c.transform.scaleX, c.transform.scaleY, c.transform.dx, c.transform.dy);
        EXPECT_EQ(canvas.visibleArea(), c.visible) << c.transform.scaleX << " " << c.transform.dx;
    }
}

TEST(UICanvas, DrawImageCopiesScalesBlendsAndTiles)
{
    UIImage source(2, 2, false);
    source.setPixel(0, 0, 0xFFFF0000u);
    source.setPixel(1, 0, 0xFF00FF00u);
    source.setPixel(0, 1, 0xFF0000FFu);
    source.setPixel(1, 1, 0xFFFFFFFFu);

    UIImage target(8, 8, false);
    {
        UICanvas canvas(target);
        canvas.drawImage(Point{0, 0}, source);  // same size: a copy
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
    EXPECT_NEAR(static_cast<int>((rgb(back, 1, 0) >> 16) & 0xFF), 127, 3);
    EXPECT_EQ(rgb(back, 1, 0) & 0xFF, 0xFFu);

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

    // Drawing an image onto itself works from a snapshot.
    UIImage self(3, 3, false);
    self.setPixel(0, 0, 0xFFFF0000u);
    {
        UICanvas canvas(self);
        canvas.drawImage({1, 1, 2, 2}, self, {0, 0, 2, 2});
    }
    EXPECT_EQ(rgb(self, 1, 1), 0xFF0000u);
}

// Opaque pixels are copied rather than blended; one transparent pixel in
// the drawn piece must still let the background through.
TEST(UICanvas, AlphaImagesAreCopiedOnlyWhereEveryDrawnPixelIsOpaque)
{
    constexpr uint32_t kRed = 0xFFFF0000u, kWhite = 0xFFFFFFFFu;
    UIImage image(3, 2, true);
    image.fill(kRed);
    image.setPixel(2, 1, 0x000000FFu); // transparent blue, last row and column
    struct Case {
        Rect source;
        Point transparentAt; // where the transparent pixel lands, if drawn
        bool drawsTransparent;
    };
    const Case cases[] = {
        {{0, 0, 3, 2}, {2, 1}, true},
        {{0, 0, 2, 2}, {}, false},
        {{1, 1, 2, 1}, {1, 0}, true},
    };
    for (const Case& c : cases) {
        UIImage target(3, 2, false);
        target.fill(kWhite);
        {
            UICanvas canvas(target);
            canvas.drawImage({0, 0, c.source.width, c.source.height}, image, c.source);
        }
        for (int32_t y = 0; y < c.source.height; ++y)
            for (int32_t x = 0; x < c.source.width; ++x) {
                const bool transparent = c.drawsTransparent && Point{x, y} == c.transparentAt;
                EXPECT_EQ(rgb(target, x, y), (transparent ? kWhite : kRed) & 0xFFFFFFu)
                    << c.source.x << "," << c.source.y << " at " << x << "," << y;
            }
    }
}

// Skins stretch one piece of a larger image: the scaled result must hold
// that piece's pixels only, never its neighbours' in the image.
TEST(UICanvas, AScaledPieceTakesNoPixelsFromAroundIt)
{
    struct Case {
        bool alpha;
        ImageScaling scaling;
        Rect target;
    };
    for (const Case c :
         {Case{false, ImageScaling::Nearest, {0, 0, 13, 3}}, Case{true, ImageScaling::Nearest, {0, 0, 13, 3}},
          Case{false, ImageScaling::Nearest, {0, 0, 3, 13}}, Case{false, ImageScaling::Smooth, {0, 0, 13, 13}},
          Case{true, ImageScaling::Smooth, {2, 1, 9, 11}}, Case{false, ImageScaling::Smooth, {0, 0, 2, 2}},
          Case{true, ImageScaling::Smooth, {1, 1, 2, 1}}}) {
        // A green 3x3 centre ringed by red, drawn larger and smaller.
        UIImage strip(5, 5, c.alpha);
        strip.fill(0xFFFF0000u);
        for (int32_t y = 1; y < 4; ++y)
            for (int32_t x = 1; x < 4; ++x)
                strip.setPixel(x, y, 0xFF00FF00u);
        UIImage target(16, 16, false);
        {
            UICanvas canvas(target);
            canvas.drawImage(c.target, strip, {1, 1, 3, 3}, c.scaling);
        }
        for (int32_t y = c.target.y; y < c.target.bottom(); ++y)
            for (int32_t x = c.target.x; x < c.target.right(); ++x)
                ASSERT_EQ(rgb(target, x, y), 0x00FF00u)
                    << "at " << x << "," << y << ", alpha " << c.alpha << ", scaling " << static_cast<int>(c.scaling);
    }
}
