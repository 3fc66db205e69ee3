#include "ui/core/UIImage.h"

#include "tests/UniqueTempPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;

platform::Bytes pixBytes(uint32_t magic, int32_t width, int32_t height, uint32_t byteCount, size_t pixelBytes)
{
    platform::Bytes bytes(16 + pixelBytes, 0x7F);
    const uint32_t header[4] = {magic, static_cast<uint32_t>(width), static_cast<uint32_t>(height), byteCount};
    for (int i = 0; i < 4; ++i)
        for (int b = 0; b < 4; ++b)
            bytes[static_cast<size_t>(i * 4 + b)] = static_cast<uint8_t>(header[i] >> (8 * b));
    return bytes;
}

} // namespace

TEST(UIImage, CreationLayoutAndPixelReads)
{
    UIImage rgb(5, 3, false);
    EXPECT_EQ(rgb.bitsPerPixel(), 24);
    EXPECT_EQ(rgb.stride(), 16); // 15 bytes padded to 4
    EXPECT_EQ(rgb.byteSize(), 48);
    // Pixels start zeroed; 24-bit images read as opaque.
    EXPECT_EQ(rgb.pixel(4, 2), 0xFF000000u);
    rgb.setPixel(4, 2, 0x12345678u);
    EXPECT_EQ(rgb.pixel(4, 2), 0xFF345678u);
    const uint8_t* row = rgb.constScanLine(2) + 12;
    EXPECT_EQ(row[0], 0x78);
    EXPECT_EQ(row[1], 0x56);
    EXPECT_EQ(row[2], 0x34);

    UIImage argb(5, 3, true);
    EXPECT_EQ(argb.bitsPerPixel(), 32);
    EXPECT_EQ(argb.stride(), 20);
    EXPECT_EQ(argb.pixel(0, 0), 0u);
    argb.setPixel(1, 1, 0x80102030u);
    EXPECT_EQ(argb.pixel(1, 1), 0x80102030u);
    // Outside the image reads give 0, writes do nothing.
    EXPECT_EQ(argb.pixel(5, 0), 0u);
    EXPECT_EQ(argb.pixel(-1, 0), 0u);
    argb.setPixel(0, 3, kRed);

    EXPECT_TRUE(UIImage(0, 4, true).isEmpty());
    EXPECT_TRUE(UIImage(4, -1, false).isEmpty());
    EXPECT_TRUE(UIImage(100000, 100000, true).isEmpty()); // too large, not a crash
}

TEST(UIImage, CopiesShareTheBlockAndWritesDetach)
{
    UIImage a(4, 4, true);
    a.fill(kRed);
    {
        UIImage b = a;
        UIImage c;
        c = b;
        EXPECT_TRUE(a.isSharedWith(b));
        EXPECT_EQ(a.shareCount(), 3);
        EXPECT_EQ(a.constBits(), c.constBits());

        // A write gives the writer its own block and leaves the others alone.
        c.setPixel(0, 0, kBlue);
        EXPECT_FALSE(c.isSharedWith(a));
        EXPECT_EQ(a.shareCount(), 2);
        EXPECT_EQ(a.pixel(0, 0), kRed);
        EXPECT_EQ(c.pixel(0, 0), kBlue);
        EXPECT_EQ(c.pixel(1, 0), kRed);

        UIImage moved = std::move(b);
        EXPECT_TRUE(b.isEmpty());
        EXPECT_EQ(a.shareCount(), 2);
    }
    // The other sharers are gone: the last one owns the block alone, and
    // writing no longer copies.
    EXPECT_EQ(a.shareCount(), 1);
    const uint8_t* before = a.constBits();
    a.scanLine(1)[0] = 1;
    EXPECT_EQ(a.constBits(), before);

    UIImage deep = a.copy();
    EXPECT_FALSE(deep.isSharedWith(a));
    EXPECT_EQ(std::memcmp(deep.constBits(), a.constBits(), static_cast<size_t>(a.byteSize())), 0);
}

TEST(UIImage, FillRectAndCopyFromClip)
{
    UIImage target(6, 4, false);
    target.fillRect({-2, -2, 4, 4}, 0x00808080u);
    EXPECT_EQ(target.pixel(1, 1), 0xFF808080u);
    EXPECT_EQ(target.pixel(2, 1), 0xFF000000u);
    EXPECT_EQ(target.pixel(1, 2), 0xFF000000u);

    UIImage source(3, 3, true);
    source.fill(0x40FF0000u);
    source.setPixel(2, 2, 0x4000FF00u);
    // The source rect reaches outside the source; the destination outside
    // the target. Only the overlapping pixels are copied, alpha made opaque.
    target.copyFrom(source, {1, 1, 5, 5}, {4, 2});
    EXPECT_EQ(target.pixel(4, 2), 0xFFFF0000u);
    EXPECT_EQ(target.pixel(5, 3), 0xFF00FF00u);
    EXPECT_EQ(target.pixel(3, 2), 0xFF000000u);

    // 24-bit into 32-bit sets alpha 255.
    UIImage withAlpha(2, 2, true);
    withAlpha.copyFrom(target, {4, 2, 2, 2}, {0, 0});
    EXPECT_EQ(withAlpha.pixel(1, 1), 0xFF00FF00u);

    // Overlapping copy within one image (a scroll down by one row).
    UIImage strip(1, 4, true);
    for (int32_t y = 0; y < 4; ++y)
        strip.setPixel(0, y, 0xFF000000u | static_cast<uint32_t>(y));
    UIImage sharer = strip;
    strip.copyFrom(strip, {0, 0, 1, 3}, {0, 1});
    EXPECT_EQ(strip.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(strip.pixel(0, 1), 0xFF000000u);
    EXPECT_EQ(strip.pixel(0, 3), 0xFF000002u);
    EXPECT_EQ(sharer.pixel(0, 3), 0xFF000003u);

    // A region copy is clipped to the image.
    const UIImage region = strip.copy({0, 2, 5, 5});
    ASSERT_EQ(region.size(), (Size{1, 2}));
    EXPECT_EQ(region.pixel(0, 1), 0xFF000002u);
    EXPECT_TRUE(strip.copy({5, 5, 2, 2}).isEmpty());
}

TEST(UIImage, ScaledKeepsFlatColourFlat)
{
    for (bool alpha : {false, true}) {
        UIImage flat(7, 5, alpha);
        flat.fill(0x80C86432u);
        for (Size to : {Size{3, 2}, Size{20, 13}, Size{1, 1}, Size{7, 11}, Size{2, 40}}) {
            const UIImage s = flat.scaled(to.width, to.height);
            ASSERT_EQ(s.size(), to);
            EXPECT_EQ(s.hasAlpha(), alpha);
            for (int32_t y = 0; y < to.height; ++y)
                for (int32_t x = 0; x < to.width; ++x)
                    ASSERT_EQ(s.pixel(x, y), flat.pixel(0, 0)) << x << "," << y;
        }
    }
    EXPECT_TRUE(UIImage(3, 3, true).scaled(0, 3).isEmpty());
    EXPECT_TRUE(UIImage().scaled(3, 3).isEmpty());
}

TEST(UIImage, ScaledPreservesEdgePosition)
{
    // Left half black, right half white: after scaling by any factor the
    // colours stay on their sides and the change sits in the middle.
    UIImage edge(8, 4, false);
    edge.fillRect({4, 0, 4, 4}, 0xFFFFFFFFu);
    for (int32_t newWidth : {4, 16, 32}) {
        const UIImage s = edge.scaled(newWidth, 3);
        for (int32_t y = 0; y < 3; ++y) {
            EXPECT_EQ(s.pixel(0, y) & 0xFFFFFFu, 0u);
            EXPECT_EQ(s.pixel(newWidth - 1, y) & 0xFFFFFFu, 0xFFFFFFu);
            // Symmetric kernel: the two pixels next to the middle are
            // mirror images of each other.
            const uint32_t left = s.pixel(newWidth / 2 - 1, y) & 0xFF;
            const uint32_t right = s.pixel(newWidth / 2, y) & 0xFF;
            EXPECT_LT(left, 128u);
            EXPECT_GT(right, 127u);
            EXPECT_NEAR(static_cast<int>(left + right), 255, 1);
        }
    }
    // The same holds vertically.
    UIImage horizon(3, 6, true);
    horizon.fillRect({0, 3, 3, 3}, 0xFFFFFFFFu);
    const UIImage t = horizon.scaled(2, 12);
    EXPECT_LT(t.pixel(0, 5) & 0xFF, 128u);
    EXPECT_GT(t.pixel(0, 6) & 0xFF, 127u);
    EXPECT_EQ(t.pixel(1, 0), 0u);
    EXPECT_EQ(t.pixel(1, 11), 0xFFFFFFFFu);
}

TEST(UIImage, ScalePassOrderBuildsTheSmallerIntermediateFirst)
{
    // Ties go horizontal first; large sizes must not overflow.
    EXPECT_EQ(UIImage::scalePassOrder({100, 100}, {10, 200}), ScalePassOrder::HorizontalFirst);
    EXPECT_EQ(UIImage::scalePassOrder({100, 100}, {200, 10}), ScalePassOrder::VerticalFirst);
    EXPECT_EQ(UIImage::scalePassOrder({40, 20}, {80, 40}), ScalePassOrder::HorizontalFirst);
    EXPECT_EQ(UIImage::scalePassOrder({60000, 60000}, {60000, 1}), ScalePassOrder::VerticalFirst);
}

TEST(UIImage, PixRoundTrip)
{
    UIImage image(3, 2, true);
    image.setPixel(0, 0, 0x01020304u);
    image.setPixel(2, 1, 0xFFEEDDCCu);
    const platform::Bytes bytes = image.toPix();
    ASSERT_EQ(bytes.size(), 16u + 3 * 2 * 4);
    EXPECT_EQ(bytes[0], 0x09);
    EXPECT_EQ(bytes[1], 0x03);
    const UIImage back = UIImage::fromPix(bytes.data(), bytes.size());
    ASSERT_EQ(back.size(), image.size());
    EXPECT_TRUE(back.hasAlpha());
    EXPECT_EQ(std::memcmp(back.constBits(), image.constBits(), static_cast<size_t>(image.byteSize())), 0);

    // A 24-bit image saves as opaque 32-bit pixels and loads again.
    UIImage rgb(3, 1, false);
    rgb.fill(0x00336699u);
    const platform::Bytes rgbBytes = rgb.toPix();
    const UIImage rgbBack = UIImage::fromPix(rgbBytes.data(), rgbBytes.size());
    ASSERT_FALSE(rgbBack.isEmpty());
    EXPECT_EQ(rgbBack.pixel(2, 0), 0xFF336699u);

    const auto path = uniqueTempPath("uiimage-test.pix").u16string();
    ASSERT_TRUE(image.savePix(path));
    EXPECT_EQ(UIImage::loadPix(path).pixel(2, 1), 0xFFEEDDCCu);
    std::filesystem::remove(std::filesystem::path(path));
    EXPECT_TRUE(UIImage::loadPix(path).isEmpty());
    EXPECT_FALSE(UIImage().savePix(path));
    EXPECT_TRUE(UIImage().toPix().empty());
}

TEST(UIImage, PixRejectsMalformedData)
{
    const platform::Bytes good = pixBytes(777, 2, 2, 16, 16);
    ASSERT_FALSE(UIImage::fromPix(good.data(), good.size()).isEmpty());

    const platform::Bytes cases[] = {
        pixBytes(778, 2, 2, 16, 16),             // magic
        pixBytes(777, 0, 2, 0, 0),               // zero width
        pixBytes(777, 2, -1, 16, 16),            // negative height
        pixBytes(777, 2, 2, 12, 12),             // byte count not w x h x 4
        pixBytes(777, 2, 2, 16, 15),             // too short for the byte count
        pixBytes(777, 2, 2, 16, 17),             // trailing bytes
        pixBytes(777, 65536, 65536, 0, 0),       // w x h x 4 wraps to 0 in 32 bits
        pixBytes(777, 0x40000000, 1, 0, 0),      // w x 4 wraps to 0
        pixBytes(777, 100000, 100000, 0x400, 0), // huge, with a small count
    };
    for (const auto& bytes : cases)
        EXPECT_TRUE(UIImage::fromPix(bytes.data(), bytes.size()).isEmpty());
    // Shorter than 17 bytes, even as a bare header.
    EXPECT_TRUE(UIImage::fromPix(good.data(), 16).isEmpty());
    EXPECT_TRUE(UIImage::fromPix(nullptr, 0).isEmpty());
}

// Regression: loadPix read the whole file before looking at its header, so a
// file of a gigabyte was read whole only to be refused.
TEST(UIImage, PixHeaderIsCheckedBeforeTheFileIsRead)
{
    namespace fs = std::filesystem;
    const fs::path path = uniqueTempPath("uiimage-large.pix");
    for (const platform::Bytes& header : {pixBytes(777, 100000, 100000, 0, 0), pixBytes(777, 2, 2, 16, 0)}) {
        // A sparse file: a gigabyte long, next to nothing on disk.
        ASSERT_TRUE(platform::writeFile(path.u16string(), header));
        fs::resize_file(path, std::uintmax_t(1) << 30);
        EXPECT_TRUE(UIImage::loadPix(path.u16string()).isEmpty());
    }
    fs::remove(path);
}

TEST(UIImage, WideningCopiesEveryPixelOfRowsOfAnyLength)
{
    // Widening works on groups of pixels: lengths around the group size and
    // an offset destination check the tail and the placement of each pixel.
    for (const int32_t width : {1, 3, 4, 5, 8, 11}) {
        SCOPED_TRACE(width);
        UIImage source(width, 2, false);
        for (int32_t y = 0; y < 2; ++y)
            for (int32_t x = 0; x < width; ++x)
                source.setPixel(x, y, 0x00102030u + static_cast<uint32_t>(x) * 0x010305u + static_cast<uint32_t>(y));
        UIImage target(width + 2, 2, true);
        target.fill(0x11223344u);
        target.copyFrom(source, source.rect(), {1, 0});
        for (int32_t y = 0; y < 2; ++y) {
            EXPECT_EQ(target.pixel(0, y), 0x11223344u);
            for (int32_t x = 0; x < width; ++x)
                EXPECT_EQ(target.pixel(x + 1, y), 0xFF000000u | source.pixel(x, y)) << x << "," << y;
            EXPECT_EQ(target.pixel(width + 1, y), 0x11223344u);
        }
    }
}

// The pix bounds: a side and the pixel block each accepted at the limit and
// refused one past it, whole body present; writing refuses what reading would.
TEST(UIImage, PixBoundsHoldForReadingAndWriting)
{
    const int32_t side = UIImage::kMaxPixSide;
    const int32_t rowsAtByteLimit = int32_t(UIImage::kMaxPixBytes / (uint32_t(side) * 4));
    const struct {
        int32_t width;
        int32_t height;
        bool accepted;
    } cases[] = {
        {side, 1, true},
        {side + 1, 1, false},
        {1, side + 1, false},
        {side, rowsAtByteLimit, true},
        {side, rowsAtByteLimit + 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const uint32_t byteCount = uint32_t(c.width) * uint32_t(c.height) * 4;
        const platform::Bytes bytes = pixBytes(777, c.width, c.height, byteCount, byteCount);
        const UIImage image = UIImage::fromPix(bytes.data(), bytes.size());
        EXPECT_EQ(image.isEmpty(), !c.accepted);
        EXPECT_EQ(UIImage(c.width, c.height, true).toPix().empty(), !c.accepted);
    }
}
