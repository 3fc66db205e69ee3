// Canvas logic that does not depend on the platform's drawing: gradient
// stepping, elision and state.
#include "platform/Fonts.h"
#include "ui/core/UICanvas.h"

#include <gtest/gtest.h>

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

    // Degenerate brushes are one colour; nothing for no length.
    EXPECT_EQ(UIBrush::solid(0x80123456u).gradientColors(3), (std::vector<uint32_t>(3, 0xFF123456u)));
    EXPECT_TRUE(redToBlue.gradientColors(0).empty());
    // Positions out of order never overrun the length.
    const UIBrush odd = UIBrush::gradient({0xFF000000u, 0xFFFFFFFFu, 0xFF00FF00u}, {0.0f, 2.0f, 0.5f});
    EXPECT_EQ(odd.gradientColors(7).size(), 7u);
}

TEST(UIBrush, VisibilityFollowsAlpha)
{
    EXPECT_FALSE(UIBrush::solid(0x00FFFFFFu).isVisible());
    EXPECT_TRUE(UIBrush::solid(0x01000000u).isVisible());
    EXPECT_FALSE(UIBrush::gradient({0x00FF0000u, 0x000000FFu}).isVisible());
    EXPECT_TRUE(UIBrush::gradient({0x00FF0000u, 0x800000FFu}).isVisible());
    UIBrush noStops = UIBrush::gradient({});
    noStops.color = 0xFF000000u;
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
        canvas.fillRect({0, 0, 6, 6}, 0x00FFFFFFu); // transparent: nothing
        canvas.fillRect({0, 5, 6, 1}, UIBrush::gradient({0xFFFF0000u, 0xFF0000FFu}, GradientOrientation::Horizontal));
    }
    EXPECT_EQ(image.pixel(1, 1), 0xFF112233u);
    EXPECT_EQ(image.pixel(4, 4), 0xFF000000u);
    EXPECT_EQ(image.pixel(0, 5), 0xFFFF0000u);
    EXPECT_EQ(before.pixel(1, 1), 0xFF000000u);

    UIImage empty;
    UICanvas idle(empty);
    EXPECT_FALSE(idle.isActive());
    idle.fillRect({0, 0, 3, 3}, 0xFFFFFFFFu);
    EXPECT_GT(idle.textSize(u"ab").width, 0);
}
