// Magnification by pixel replication, checked against the straightforward
// cut-enlarge-cut construction on tiny images.
#include "picker/Magnifier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Every pixel distinct and opaque: 0xFF, then x and y in 12 bits each.
uint32_t coded(int32_t x, int32_t y) { return 0xFF000000u | uint32_t(x & 0xFFF) << 12 | uint32_t(y & 0xFFF); }

UIImage codedImage(int32_t width, int32_t height)
{
    UIImage image(width, height, true);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image.setPixel(x, y, coded(x, y));
    return image;
}

// The magnification built the long way: cut a region with a two-pixel
// margin, enlarge it k times, cut the output at the offset.
UIImage reference(const UIImage& image, Point c, Size out, int32_t k)
{
    const auto nearest = [](double v) { return int32_t(std::floor(v + 0.5)); };
    const int32_t x0 = c.x - int32_t(std::trunc(double(out.width) / k / 2)) - 2;
    const int32_t y0 = c.y - int32_t(std::trunc(double(out.height) / k / 2)) - 2;
    const int32_t rw = nearest(double(out.width) / k) + 4, rh = nearest(double(out.height) / k) + 4;
    UIImage region(rw, rh, true);
    region.fill(kMagnifierFill);
    region.copyFrom(image, {x0, y0, rw, rh}, {0, 0});
    UIImage enlarged(rw * k, rh * k, true);
    for (int32_t y = 0; y < enlarged.height(); ++y)
        for (int32_t x = 0; x < enlarged.width(); ++x)
            enlarged.setPixel(x, y, region.pixel(x / k, y / k));
    const int32_t ox = k / 2 + 2 * k - (out.width / 2) % k, oy = k / 2 + 2 * k - (out.height / 2) % k;
    return enlarged.copy({ox, oy, out.width, out.height});
}

bool samePixels(const UIImage& a, const UIImage& b)
{
    bool same = a.size() == b.size();
    for (int32_t y = 0; same && y < a.height(); ++y)
        for (int32_t x = 0; same && x < a.width(); ++x)
            same = a.pixel(x, y) == b.pixel(x, y);
    return same;
}

TEST(Magnifier, CentrePixelBlockSitsAtTheOutputCentreForEvenAndOddSizes)
{
    const UIImage source = codedImage(64, 48);
    const Point centre{30, 20};
    for (const Size out : {Size{40, 30}, Size{41, 31}, Size{97, 64}}) {
        for (const int32_t k : {2, 3, 16}) {
            const UIImage image = magnify(source, centre, out, k);
            const int32_t firstColumn = out.width / 2 - k / 2, firstRow = out.height / 2 - k / 2;
            for (int32_t x = 0; x < out.width; ++x) {
                const bool inBlock = x >= firstColumn && x < firstColumn + k;
                EXPECT_EQ(image.pixel(x, out.height / 2) == coded(centre.x, centre.y), inBlock)
                    << out.width << "x" << out.height << " k=" << k << " column " << x;
            }
            for (int32_t y = 0; y < out.height; ++y) {
                const bool inBlock = y >= firstRow && y < firstRow + k;
                EXPECT_EQ(image.pixel(out.width / 2, y) == coded(centre.x, centre.y), inBlock)
                    << out.width << "x" << out.height << " k=" << k << " row " << y;
            }
        }
    }
}

TEST(Magnifier, MatchesTheCutEnlargeCutConstructionEverywhere)
{
    const UIImage source = codedImage(23, 17);
    for (int32_t k = 1; k <= 7; ++k)
        for (const Size out : {Size{1, 1}, Size{2, 3}, Size{9, 8}, Size{30, 25}, Size{31, 26}})
            for (const Point c : {Point{0, 0}, Point{11, 8}, Point{22, 16}, Point{-5, 30}, Point{40, -9}})
                EXPECT_TRUE(samePixels(magnify(source, c, out, k), reference(source, c, out, k)))
                    << "k=" << k << " out " << out.width << "x" << out.height << " centre " << c.x << "," << c.y;
}

TEST(Magnifier, OutsideTheSourceShowsTransparentWhite)
{
    const UIImage source = codedImage(10, 10);
    // Centred on the top-left pixel: the upper-left quarter lies outside.
    const UIImage image = magnify(source, {0, 0}, {40, 40}, 4);
    EXPECT_EQ(image.pixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(39, 0), 0x00FFFFFFu);
    EXPECT_EQ(image.pixel(0, 39), 0x00FFFFFFu);
    // The centre block covers columns and rows 18..21.
    EXPECT_EQ(image.pixel(17, 18), kMagnifierFill);
    EXPECT_EQ(image.pixel(18, 17), kMagnifierFill);
    EXPECT_EQ(image.pixel(18, 18), coded(0, 0));
    EXPECT_EQ(image.pixel(39, 39), coded(5, 5));

    EXPECT_EQ(magnify(source, {500, 500}, {8, 8}, 2).pixel(3, 3), kMagnifierFill);
    // Without alpha there is nothing to show (and no size, nothing to make).
    EXPECT_TRUE(magnify(UIImage(8, 8, false), {4, 4}, {8, 8}, 2).isEmpty());
    EXPECT_TRUE(magnify(source, {4, 4}, {0, 8}, 2).isEmpty());
}

TEST(Magnifier, VisibleAreaLimitsTheSourceLikeACutOut)
{
    const UIImage source = codedImage(30, 30);
    const Rect cut{5, 7, 12, 9};
    for (const int32_t k : {1, 2, 5}) {
        UIImage output;
        magnifyInto(source, cut, cut.centre(), cut.size(), k, output);
        EXPECT_TRUE(samePixels(output, magnify(source.copy(cut), {cut.width / 2, cut.height / 2}, cut.size(), k)))
            << "k=" << k;
    }
}

TEST(Magnifier, ReusesAPrivateOutputAndNeverWritesASharedOne)
{
    const UIImage source = codedImage(16, 16);
    UIImage output;
    magnifyInto(source, source.rect(), {8, 8}, {16, 16}, 2, output);
    const uint8_t* block = output.constBits();
    magnifyInto(source, source.rect(), {4, 4}, {16, 16}, 2, output);
    EXPECT_EQ(output.constBits(), block);

    const UIImage shown = output;
    const uint32_t before = shown.pixel(8, 8);
    magnifyInto(source, source.rect(), {12, 12}, {16, 16}, 2, output);
    EXPECT_FALSE(output.isSharedWith(shown));
    EXPECT_EQ(shown.pixel(8, 8), before);
    EXPECT_EQ(output.pixel(8, 8), coded(12, 12));
}

} // namespace
