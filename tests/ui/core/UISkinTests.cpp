// Skin geometry and drawing on tiny images: frames, the nine-part table,
// minimum targets, edge masks and the refusal of broken geometry.
#include "ui/core/UICanvas.h"
#include "ui/core/UISkin.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kUntouched = 0xFF123456u;

// Every source pixel is distinct: red and green are its coordinates.
UIImage patternImage(int32_t width, int32_t height)
{
    UIImage image(width, height, false);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 0x80u);
    return image;
}

UIImage drawn(const UISkin& skin, int32_t frame, Size size, uint32_t mask = SkinPart::All)
{
    UIImage target(size.width, size.height, false);
    target.fill(kUntouched);
    UICanvas canvas(target);
    drawSkin(canvas, skin, frame, {0, 0, size.width, size.height}, mask);
    return target;
}

// Whether a drawn pixel is one of the pattern's pixels inside `part`.
bool comesFrom(uint32_t pixel, const Rect& part)
{
    const Point at{int32_t(pixel >> 16 & 0xFF), int32_t(pixel >> 8 & 0xFF)};
    return (pixel & 0xFF0000FFu) == 0xFF000080u && part.contains(at);
}

bool untouched(const UIImage& image)
{
    for (int32_t y = 0; y < image.height(); ++y)
        for (int32_t x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kUntouched)
                return false;
    return true;
}

// A 20 x 20 frame sliced 3, 14, 3 both ways, two frames side by side.
UISkin slicedSkin()
{
    return UISkin::create(patternImage(40, 20), {SkinOrientation::Horizontal, 2, 20, 20, {3, 14, 3}, {3, 14, 3}});
}

} // namespace

TEST(UISkin, FrameRectanglesFollowOrientationAndCount)
{
    const UISkin strip = UISkin::create(patternImage(80, 20), {SkinOrientation::Horizontal, 4, 20, 20, {}, {}});
    const UISkin column = UISkin::create(patternImage(10, 30), {SkinOrientation::Vertical, 3, 10, 10, {}, {}});
    struct Case {
        const UISkin& skin;
        int32_t index;
        Rect expected;
    } cases[] = {
        {strip, 0, {0, 0, 20, 20}},
        {strip, 2, {40, 0, 20, 20}},
        {strip, 4, {}},
        {strip, -1, {}},
        {column, 1, {0, 10, 10, 10}},
        {column, 3, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frameRect(c.skin, c.index), c.expected) << c.index;
}

TEST(UISkin, BrokenGeometryIsRefusedOrCapped)
{
    const UIImage image = patternImage(80, 20);
    struct Case {
        const char* what;
        SkinGeometry geometry;
        int32_t count;
        bool pieces;
    } cases[] = {
        {"more frames than fit", {SkinOrientation::Horizontal, 10, 20, 20, {}, {}}, 4, false},
        {"negative count", {SkinOrientation::Horizontal, -2, 20, 20, {}, {}}, 0, false},
        {"negative width", {SkinOrientation::Horizontal, 4, -20, 20, {}, {}}, 0, false},
        {"frames taller than the image", {SkinOrientation::Horizontal, 4, 20, 21, {}, {}}, 0, false},
        {"no frame size", {SkinOrientation::Horizontal, 4, 0, 0, {}, {}}, 0, false},
        {"vertical frames in a flat image", {SkinOrientation::Vertical, 2, 20, 20, {}, {}}, 1, false},
        {"slices wider than the frame", {SkinOrientation::Horizontal, 4, 20, 20, {3, 15, 3}, {3, 14, 3}}, 4, false},
        {"negative slice", {SkinOrientation::Horizontal, 4, 20, 20, {3, -1, 3}, {3, 14, 3}}, 4, false},
        {"good slices", {SkinOrientation::Horizontal, 4, 20, 20, {3, 14, 3}, {3, 14, 3}}, 4, true},
    };
    for (const Case& c : cases) {
        const UISkin skin = UISkin::create(image, c.geometry);
        EXPECT_EQ(skin.count(), c.count) << c.what;
        EXPECT_EQ(skin.pieces().size(), c.pieces ? size_t(c.count) : 0u) << c.what;
    }
    // Without an image nothing fits: the skin draws nothing.
    const UISkin missing = UISkin::create(UIImage(), {SkinOrientation::Horizontal, 4, 20, 20, {}, {}});
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_TRUE(untouched(drawn(missing, 0, {20, 20})));
}

TEST(UISkin, UnslicedFrameIsScaledToTheTarget)
{
    const UIImage source = patternImage(80, 20);
    const UISkin skin = UISkin::create(source, {SkinOrientation::Horizontal, 4, 20, 20, {}, {}});
    const UIImage doubled = drawn(skin, 2, {40, 40});
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 40; ++x)
            ASSERT_EQ(doubled.pixel(x, y), source.pixel(40 + x / 2, y / 2)) << x << "," << y;
    EXPECT_TRUE(untouched(drawn(skin, 4, {40, 40})));
    EXPECT_TRUE(untouched(drawn(skin, -1, {40, 40})));
}

TEST(UISkin, SlicedFrameKeepsCornersAndStretchesEdges)
{
    const UISkin skin = slicedSkin();
    const UIImage& source = skin.image();

    // Targets no larger than the corners are left alone.
    EXPECT_TRUE(untouched(drawn(skin, 1, {5, 5})));
    EXPECT_TRUE(untouched(drawn(skin, 1, {6, 6})));
    EXPECT_TRUE(untouched(drawn(skin, 1, {7, 6})));
    EXPECT_FALSE(untouched(drawn(skin, 1, {7, 7})));
    EXPECT_TRUE(untouched(drawn(skin, 2, {30, 30})));

    // The frame's own size is an unscaled copy.
    const UIImage same = drawn(skin, 1, {20, 20});
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x)
            ASSERT_EQ(same.pixel(x, y), source.pixel(20 + x, y));

    const UIImage wide = drawn(skin, 1, {100, 30});
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(wide.pixel(x, y), source.pixel(20 + x, y));
            EXPECT_EQ(wide.pixel(97 + x, y), source.pixel(37 + x, y));
            EXPECT_EQ(wide.pixel(x, 27 + y), source.pixel(20 + x, 17 + y));
            EXPECT_EQ(wide.pixel(97 + x, 27 + y), source.pixel(37 + x, 17 + y));
        }
    // Between the corners the top edge stretches over x 3..96; its inner
    // columns all come from the source's top edge (the outermost column of
    // a stretched part is left to the resampler).
    for (int32_t x = 4; x <= 95; ++x)
        ASSERT_TRUE(comesFrom(wide.pixel(x, 1), {23, 0, 14, 3})) << x;
}

TEST(UISkin, MaskedOutCornersGiveTheirRoomToEdgesAndCentre)
{
    const UISkin skin = slicedSkin();
    struct Case {
        const char* what;
        uint32_t mask;
        Point probe; // a target pixel...
        Rect source; // ...and the source part it must come from (empty: untouched)
    } cases[] = {
        {"top edge starts at the left", SkinPart::Top | SkinPart::Centre, {1, 1}, {23, 0, 14, 3}},
        {"top edge takes the right column", SkinPart::Top | SkinPart::Centre, {98, 1}, {23, 0, 14, 3}},
        {"centre alone fills the target", SkinPart::Centre, {50, 1}, {23, 3, 14, 14}},
        {"centre grows downwards", SkinPart::Centre | SkinPart::Top, {50, 28}, {23, 3, 14, 14}},
        {"the bottom edge stays below", SkinPart::Centre | SkinPart::Bottom, {50, 28}, {23, 17, 14, 3}},
        {"centre keeps the left column's room", SkinPart::Centre | SkinPart::Left, {4, 1}, {23, 3, 14, 14}},
        {"left edge alone", SkinPart::Left, {1, 15}, {20, 3, 3, 14}},
        {"corners keep their place", SkinPart::TopLeft, {0, 0}, {20, 0, 1, 1}},
        {"a part outside the mask is not drawn", SkinPart::TopLeft, {50, 1}, {}},
    };
    for (const Case& c : cases) {
        const uint32_t got = drawn(skin, 1, {100, 30}, c.mask).pixel(c.probe.x, c.probe.y);
        if (c.source.isEmpty())
            EXPECT_EQ(got, kUntouched) << c.what;
        else
            EXPECT_TRUE(comesFrom(got, c.source)) << c.what;
    }
}
